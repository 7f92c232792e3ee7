#include "app/SingleInstance.h"

#include "common/IoError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSharedMemory>
#include <QSystemSemaphore>
#include <cstring>

namespace horavine {

namespace {

constexpr char kActivateRequest[] = "activate";

// Holds the cross-process lock for as long as it lives. Without it, two copies started at the
// same instant could both read a count of 0 and both run.
class RecordLock
{
public:
    explicit RecordLock(QSystemSemaphore& semaphore)
        : m_semaphore(semaphore)
    {
        // The system undoes a held lock when its process dies, so a crash here cannot block
        // every later start.
        if (m_semaphore.error() != QSystemSemaphore::NoError || !m_semaphore.acquire())
            throw IoError(QStringLiteral("Cannot lock the single-instance record %1: %2")
                              .arg(m_semaphore.key(), m_semaphore.errorString()));
    }
    ~RecordLock() { m_semaphore.release(); }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    QSystemSemaphore& m_semaphore;
};

qint32 currentProcessId()
{
    return qint32(QCoreApplication::applicationPid());
}

QString normalisedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

QString SingleInstance::instanceKey(const QString& executablePath)
{
    QString name = executablePath;
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("horavine-") + QString::fromLatin1(hash);
}

QString SingleInstance::lockKey(const QString& key)
{
    // Not the record's own key: QSharedMemory keeps an internal semaphore under that key and
    // resets it when it creates the record, which would let a second start in while we hold it.
    return key + QStringLiteral("-lock");
}

QString SingleInstance::serverName(const QString& key, qint64 processId)
{
    return key + QLatin1Char('-') + QString::number(processId);
}

QString SingleInstance::runningExecutablePath(const char* argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) {
        const QString target = self.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return normalisedPath(QString::fromLocal8Bit(argv0));
}

SingleInstance::SingleInstance(const QString& executablePath)
    : m_key(instanceKey(normalisedPath(executablePath)))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::ActivatePreviousInstance(int maxInstances)
{
    if (m_outcome != Outcome::NotAsked)
        return m_outcome == Outcome::Refused;

    // Kept for the whole run: the process that made the semaphore deletes it when it lets go,
    // and a lock deleted under a waiting start would no longer serialise anything.
    if (!m_semaphore)
        m_semaphore = std::make_unique<QSystemSemaphore>(lockKey(m_key), 1, QSystemSemaphore::Open);
    RecordLock lock(*m_semaphore);
    auto memory = std::make_unique<QSharedMemory>(m_key);

    if (memory->create(kBlockSize)) {
        m_memory = std::move(memory);
        listen();
        writeBlock({currentProcessId(), 1});
        m_outcome = Outcome::Registered;
        return false;
    }
    if (memory->error() != QSharedMemory::AlreadyExists)
        throw IoError(
            QStringLiteral("Cannot create the single-instance record %1: %2").arg(m_key, memory->errorString()));

    if (!memory->attach()) {
        // Someone else's record that we may not open: end quietly, without touching it.
        m_countedInstance = false;
        m_outcome = Outcome::Refused;
        return true;
    }
    m_memory = std::move(memory);

    const Block block = readBlock();
    if (maxInstances > block.InstanceCount) {
        listen();
        writeBlock({currentProcessId(), block.InstanceCount + 1});
        m_outcome = Outcome::Registered;
        return false;
    }

    const QString previous = serverName(m_key, block.AppWindow);
    if (tellToComeForward(previous)) {
        m_countedInstance = false;
        m_memory.reset();
        m_outcome = Outcome::Refused;
        return true;
    }

    // Nobody answers: the copy on record crashed or was killed and left its record (and perhaps
    // its socket file) behind. The count it held means nothing any more.
    QLocalServer::removeServer(previous);
    listen();
    writeBlock({currentProcessId(), 1});
    m_outcome = Outcome::Registered;
    return false;
}

bool SingleInstance::tellToComeForward(const QString& server) const
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(kAnswerTimeoutMs))
        return false;
    socket.write(kActivateRequest);
    socket.write("\n");
    socket.waitForBytesWritten(kAnswerTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kAnswerTimeoutMs);
    return true;
}

void SingleInstance::listen()
{
    auto server = std::make_unique<QLocalServer>();
    const QString name = serverName(m_key, currentProcessId());
    // A socket file under our own process id can only be left over from a dead process that
    // had the same id.
    QLocalServer::removeServer(name);
    if (!server->listen(name))
        throw IoError(QStringLiteral("Cannot listen for later starts on %1: %2").arg(name, server->errorString()));
    QLocalServer* raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [this] { readRequests(); });
    m_server = std::move(server);
}

void SingleInstance::readRequests()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto handle = [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray request = socket->readLine().trimmed();
            socket->disconnectFromServer();
            if (request == kActivateRequest && onActivateRequested)
                onActivateRequested();
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, handle);
        // The request may have arrived together with the connection.
        handle();
    }
}

SingleInstance::Block SingleInstance::readBlock() const
{
    Block block;
    const char* data = static_cast<const char*>(m_memory->constData());
    std::memcpy(&block.AppWindow, data, 4);
    std::memcpy(&block.InstanceCount, data + 4, 4);
    return block;
}

void SingleInstance::writeBlock(const Block& block)
{
    char* data = static_cast<char*>(m_memory->data());
    std::memcpy(data, &block.AppWindow, 4);
    std::memcpy(data + 4, &block.InstanceCount, 4);
}

void SingleInstance::release()
{
    m_server.reset();
    if (!m_memory)
        return;
    if (m_countedInstance && m_outcome == Outcome::Registered) {
        try {
            RecordLock lock(*m_semaphore);
            Block block = readBlock();
            // Never below zero: a stale record taken over may have been counted short.
            block.InstanceCount = block.InstanceCount > 0 ? block.InstanceCount - 1 : 0;
            writeBlock(block);
        } catch (const IoError&) {
            // Exit goes on; the next start finds no answering copy and takes the record over.
        }
    }
    m_countedInstance = false;
    // The system discards the record when its last holder lets go.
    m_memory.reset();
}

} // namespace horavine
