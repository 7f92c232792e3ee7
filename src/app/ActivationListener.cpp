#include "app/ActivationListener.h"

#include "common/IoError.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <memory>

namespace horavine {

namespace {

void drop(QLocalSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

} // namespace

ActivationListener::ActivationListener(std::function<void()> onRequest)
    : m_onRequest(std::move(onRequest))
{
}

ActivationListener::~ActivationListener()
{
    // The connections' destroyed handlers count down m_openConnections; they must run while
    // it still exists.
    m_server.reset();
}

void ActivationListener::listen(const QString& path)
{
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (!server->listen(path))
        throw IoError(QStringLiteral("Cannot listen for later starts on %1: %2").arg(path, server->errorString()));
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { accept(); });
    m_server = std::move(server);
}

void ActivationListener::accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (m_openConnections >= kMaxOpenConnections) {
            drop(socket);
            continue;
        }
        ++m_openConnections;
        QObject::connect(socket, &QObject::destroyed, m_server.get(), [this] { --m_openConnections; });
        serve(socket);
    }
}

void ActivationListener::serve(QLocalSocket* socket)
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
        const bool understood = received->left(end + 1) == kRequest;
        drop(socket);
        if (understood && m_onRequest)
            m_onRequest();
    };
    QObject::connect(socket, &QLocalSocket::readyRead, socket, handle);
    // The request may have come together with the connection.
    if (socket->bytesAvailable() > 0)
        handle();
}

bool ActivationListener::send(const QString& path, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRequest);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

} // namespace horavine
