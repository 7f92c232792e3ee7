// The listener over Qt's local sockets, for systems without Unix domain sockets.
#include "app/ActivationListener.h"

#ifndef Q_OS_UNIX

#include "common/IoError.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace horavine {

namespace {

void drop(QLocalSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

} // namespace

struct ActivationListener::Channel
{
    QLocalServer server;
    int openConnections = 0;
    std::function<void(const QString&)> onRequest;

    void accept();
    void serve(QLocalSocket* socket);
};

ActivationListener::ActivationListener(std::function<void(const QString&)> onRequest)
    : m_onRequest(std::move(onRequest))
{
}

ActivationListener::~ActivationListener() = default;

void ActivationListener::listen(const QString& path)
{
    auto channel = std::make_unique<Channel>();
    channel->onRequest = m_onRequest;
    channel->server.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (!channel->server.listen(path))
        throw IoError(QCoreApplication::translate("SingleInstance", "Cannot listen for later starts on %1: %2")
                          .arg(path, channel->server.errorString()));
    Channel* raw = channel.get();
    QObject::connect(&raw->server, &QLocalServer::newConnection, &raw->server, [raw] { raw->accept(); });
    m_channel = std::move(channel);
}

void ActivationListener::Channel::accept()
{
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        if (openConnections >= kMaxOpenConnections) {
            drop(socket);
            continue;
        }
        ++openConnections;
        QObject::connect(socket, &QObject::destroyed, &server, [this] { --openConnections; });
        serve(socket);
    }
}

void ActivationListener::Channel::serve(QLocalSocket* socket)
{
    // Qt's own buffer stops filling here too, so a client that floods costs no memory.
    socket->setReadBufferSize(kMaxRequestBytes + 1);
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { drop(socket); });

    auto received = std::make_shared<QByteArray>();
    auto handle = [this, socket, received] {
        *received += socket->read(kMaxRequestBytes + 1 - received->size());
        const qsizetype end = received->indexOf('\n');
        if (end < 0) {
            if (received->size() > kMaxRequestBytes)
                drop(socket);
            return;
        }
        const std::optional<QString> file = understand(received->left(end + 1));
        drop(socket);
        if (file && onRequest)
            onRequest(*file);
    };
    QObject::connect(socket, &QLocalSocket::readyRead, socket, handle);
    // The request may have come together with the connection.
    if (socket->bytesAvailable() > 0)
        handle();
}

bool ActivationListener::send(const QString& path, int timeoutMs, const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(request(file));
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

void ActivationListener::removeStale(const QString& path)
{
    QLocalServer::removeServer(path);
}

} // namespace horavine

#endif // !Q_OS_UNIX
