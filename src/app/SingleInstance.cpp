#include "app/SingleInstance.h"

#include "app/ActivationListener.h"
#include "app/ChannelFolder.h"
#include "common/IoError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <unistd.h>

namespace horavine {

namespace {

// Holds the record's lock for as long as it lives. Without it, two copies started at the same
// instant could both read a count of 0 and both run.
class RecordLock
{
public:
    explicit RecordLock(InstanceRecord& record)
        : m_record(record)
    {
        m_record.lock();
    }
    ~RecordLock() { m_record.unlock(); }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    InstanceRecord& m_record;
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

QString SingleInstance::instanceKey(const QString& executablePath, uint userId)
{
    QString name = executablePath;
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    name += QLatin1Char('/') + QString::number(userId);
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("horavine-") + QString::fromLatin1(hash);
}

QString SingleInstance::recordPath(const QString& folder, const QString& key)
{
    return folder + QLatin1Char('/') + key + QStringLiteral(".record");
}

QString SingleInstance::serverName(const QString& folder, const QString& key, qint64 processId)
{
    return folder + QLatin1Char('/') + key + QLatin1Char('-') + QString::number(processId);
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
    : m_key(instanceKey(normalisedPath(executablePath), ::geteuid()))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::ActivatePreviousInstance(int maxInstances, const QString& file)
{
    if (m_outcome != Outcome::NotAsked)
        return m_outcome == Outcome::Refused;

    m_folder = ChannelFolder::forCurrentUser();
    if (m_folder.isEmpty()) {
        m_warning = QCoreApplication::translate(
                        "SingleInstance",
                        "No private folder for the single-instance record could be made in %1 (the names "
                        "are taken by other users); this copy runs without the guard")
                        .arg(QDir::tempPath());
        m_countedInstance = false;
        m_outcome = Outcome::Registered;
        return false;
    }

    // Kept for the whole run, so that release finds the same file.
    m_record = std::make_unique<InstanceRecord>(recordPath(m_folder, m_key));
    std::optional<RecordLock> lock(std::in_place, *m_record);
    const Block block = m_record->read();

    if (block.InstanceCount == 0 || maxInstances > block.InstanceCount) {
        registerAs({currentProcessId(), block.InstanceCount + 1});
        return false;
    }

    const QString previous = serverName(m_folder, m_key, block.AppWindow);
    if (ActivationListener::send(previous, kAnswerTimeoutMs, file)) {
        m_countedInstance = false;
        // The lock lives in the record: given back before the record goes.
        lock.reset();
        m_record.reset();
        m_outcome = Outcome::Refused;
        return true;
    }

    // Nobody answers: the copy on record crashed or was killed and left its record (and perhaps
    // its socket file) behind. The count it held means nothing any more.
    ActivationListener::removeStale(previous);
    registerAs({currentProcessId(), 1});
    return false;
}

void SingleInstance::registerAs(const Block& block)
{
    auto listener = std::make_unique<ActivationListener>([this](const QString& file) {
        if (onActivateRequested)
            onActivateRequested();
        if (!file.isEmpty() && onOpenRequested)
            onOpenRequested(file);
    });
    listener->listen(serverName(m_folder, m_key, currentProcessId()));
    m_record->write(block);
    m_listener = std::move(listener);
    m_outcome = Outcome::Registered;
}

void SingleInstance::release()
{
    m_listener.reset();
    if (!m_record)
        return;
    if (m_countedInstance && m_outcome == Outcome::Registered) {
        try {
            RecordLock lock(*m_record);
            Block block = m_record->read();
            // Never below zero: a stale record taken over may have been counted short.
            block.InstanceCount = block.InstanceCount > 0 ? block.InstanceCount - 1 : 0;
            m_record->write(block);
        } catch (const IoError&) {
            // Exit goes on; the next start finds no answering copy and takes the record over.
        }
    }
    m_countedInstance = false;
    // The file stays: deleting it could let a start that waits for its lock hold a lock on a
    // file no later start sees. A count of 0 makes the next start a first instance.
    m_record.reset();
}

} // namespace horavine
