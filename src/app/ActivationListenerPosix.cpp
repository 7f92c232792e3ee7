// The listener on a Unix domain socket, driven by socket notifiers. Written on the system's calls
// rather than Qt's local sockets: those bring the whole network library (over a megabyte resident)
// into a clock that only ever reads one short line.
#include "app/ActivationListener.h"

#ifdef Q_OS_UNIX

#include "common/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <list>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace horavine {

namespace {

// False when the path does not fit the address (the caller's folder keeps paths short).
bool MakeAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

int NewSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Waits for the events on the socket until the deadline; false on time-out or error.
bool WaitFor(int fd, short events, int timeoutMs)
{
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & (events | POLLHUP)) != 0;
}

} // namespace

struct ActivationListener::Channel
{
    struct Connection
    {
        int fd = -1;
        std::unique_ptr<QSocketNotifier> notifier;
        std::unique_ptr<QTimer> deadline;
        QByteArray received;
    };

    ~Channel()
    {
        for (Connection& connection : connections)
            ::close(connection.fd);
        listener.reset();
        if (fd >= 0) {
            ::close(fd);
            ::unlink(QFile::encodeName(path).constData());
        }
    }

    void accept();
    void read(std::list<Connection>::iterator connection);
    void drop(std::list<Connection>::iterator connection);

    QString path;
    int fd = -1;
    std::unique_ptr<QSocketNotifier> listener;
    std::list<Connection> connections;
    std::function<void(const QString&)> onRequest;
};

ActivationListener::ActivationListener(std::function<void(const QString&)> onRequest)
    : m_onRequest(std::move(onRequest))
{
}

ActivationListener::~ActivationListener() = default;

void ActivationListener::listen(const QString& path)
{
    auto fail = [&path](const QString& why) {
        return IoError(
            QCoreApplication::translate("SingleInstance", "Cannot listen for later starts on %1: %2").arg(path, why));
    };
    sockaddr_un address;
    if (!MakeAddress(path, address))
        throw fail(QCoreApplication::translate("SingleInstance", "the path is too long"));
    removeStale(path);

    auto channel = std::make_unique<Channel>();
    channel->path = path;
    channel->onRequest = m_onRequest;
    channel->fd = NewSocket();
    if (channel->fd < 0)
        throw fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (::bind(channel->fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(channel->fd);
        channel->fd = -1; // nothing of ours to remove
        throw fail(QString::fromLocal8Bit(std::strerror(error)));
    }
    // Only this user may connect (connecting needs write permission); the folder is private too.
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(channel->fd, kMaxOpenConnections) != 0)
        throw fail(QString::fromLocal8Bit(std::strerror(errno)));
    Channel* raw = channel.get();
    raw->listener = std::make_unique<QSocketNotifier>(raw->fd, QSocketNotifier::Read);
    QObject::connect(raw->listener.get(), &QSocketNotifier::activated, raw->listener.get(), [raw] { raw->accept(); });
    m_channel = std::move(channel);
}

void ActivationListener::Channel::accept()
{
    for (;;) {
        const int client = ::accept4(fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0)
            return; // EAGAIN: none waiting; anything else: the next notification retries
        if (connections.size() >= size_t(kMaxOpenConnections)) {
            ::close(client);
            continue;
        }
        auto connection = connections.emplace(connections.end());
        connection->fd = client;
        connection->notifier = std::make_unique<QSocketNotifier>(client, QSocketNotifier::Read);
        QObject::connect(connection->notifier.get(), &QSocketNotifier::activated, connection->notifier.get(),
                         [this, connection] { read(connection); });
        connection->deadline = std::make_unique<QTimer>();
        connection->deadline->setSingleShot(true);
        QObject::connect(connection->deadline.get(), &QTimer::timeout, connection->deadline.get(),
                         [this, connection] { drop(connection); });
        connection->deadline->start(kRequestTimeoutMs);
    }
}

void ActivationListener::Channel::read(std::list<Connection>::iterator connection)
{
    // Never more than one byte past the longest request: a flood costs nothing.
    char buffer[kMaxRequestBytes + 1];
    const qsizetype room = kMaxRequestBytes + 1 - connection->received.size();
    const ssize_t count = ::recv(connection->fd, buffer, size_t(room), 0);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) { // the client left (or failed) without a whole request
        drop(connection);
        return;
    }
    connection->received.append(buffer, count);
    const qsizetype end = connection->received.indexOf('\n');
    if (end < 0) {
        if (connection->received.size() > kMaxRequestBytes)
            drop(connection);
        return;
    }
    const std::optional<QString> file = understand(connection->received.left(end + 1));
    drop(connection);
    if (file && onRequest)
        onRequest(*file);
}

void ActivationListener::Channel::drop(std::list<Connection>::iterator connection)
{
    // Called from the connection's own notifier or timer: they are deleted once control is back
    // in the event loop.
    connection->notifier->setEnabled(false);
    connection->notifier.release()->deleteLater();
    connection->deadline->stop();
    connection->deadline.release()->deleteLater();
    ::close(connection->fd);
    connections.erase(connection);
}

bool ActivationListener::send(const QString& path, int timeoutMs, const QString& file)
{
    const QByteArray message = request(file);
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return false;
    const int fd = NewSocket();
    if (fd < 0)
        return false;
    bool delivered = false;
    int connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (connected != 0 && (errno == EAGAIN || errno == EINPROGRESS) && WaitFor(fd, POLLOUT, timeoutMs)) {
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0 ? 0 : -1;
    }
    if (connected == 0) {
        const size_t size = size_t(message.size());
        size_t sent = 0;
        while (sent < size && WaitFor(fd, POLLOUT, timeoutMs)) {
            const ssize_t count = ::send(fd, message.constData() + sent, size - sent, MSG_NOSIGNAL);
            if (count < 0 && errno != EAGAIN && errno != EINTR)
                break;
            sent += size_t(std::max<ssize_t>(count, 0));
        }
        delivered = sent == size;
        // The copy closes the connection once it has read the request.
        if (delivered)
            WaitFor(fd, POLLIN, timeoutMs);
    }
    ::close(fd);
    return delivered;
}

void ActivationListener::removeStale(const QString& path)
{
    // The folder is this user's private one, so what lies at the name was left by a copy of ours
    // (unlink leaves folders alone).
    ::unlink(QFile::encodeName(path).constData());
}

} // namespace horavine

#endif // Q_OS_UNIX
