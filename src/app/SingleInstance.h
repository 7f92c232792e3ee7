#pragma once

// One running copy per executable path: a later start of the same executable hands the user
// over to the copy that runs and ends at once; copies in different folders never see each other.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QLocalServer;
class QSharedMemory;
class QSystemSemaphore;

namespace horavine {

class SingleInstance
{
public:
    // The path is made absolute (and symlinks resolved when the file exists), so that starts
    // from different working folders or through links agree on one name.
    explicit SingleInstance(const QString& executablePath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False: this copy is registered and start-up goes on. True: an earlier copy was told to
    // come forward (or the record could not be opened) and this process must end at once.
    // Throws IoError when the shared record or its lock cannot be made at all.
    // Asking a second time gives the first answer again.
    bool ActivatePreviousInstance(int maxInstances = 1);

    // Takes this copy off the count and stops listening. Also run by the destructor; a second
    // call does nothing. Never throws.
    void release();

    // Runs on the thread that registered (the GUI thread) when a later start asks this copy to
    // come forward; the main window restores and raises itself.
    std::function<void()> onActivateRequested;

    // --- names, public for tests and for the end-to-end script
    // The record's name: the path without its separators, hashed so that it is short and free
    // of special characters. /opt/Horavine/horavine reads as "optHoravinehoravine" and gives
    // "horavine-55d5f8ff08fc5070e27984a5fab99fc13786b68a".
    static QString instanceKey(const QString& executablePath);
    // Every registered copy listens under the key and its own process id, so that the socket
    // left behind by a killed copy can never be mistaken for a live one.
    static QString lockKey(const QString& key);
    static QString serverName(const QString& key, qint64 processId);
    // The executable of this process, independent of how it was started; argv0 is the fallback
    // where the system does not say.
    static QString runningExecutablePath(const char* argv0);

    // The shared record, 8 bytes: the process id of the copy that registered last (its slot
    // once held the application window) and the number of counted copies.
    struct Block
    {
        qint32 AppWindow = 0;
        qint32 InstanceCount = 0;
    };
    static constexpr int kBlockSize = 8;
    // How long a later start waits for the registered copy to answer before it calls the record
    // stale. A live copy's socket accepts at once, even while its window is busy.
    static constexpr int kAnswerTimeoutMs = 500;

    const QString& key() const { return m_key; }

private:
    enum class Outcome { NotAsked, Registered, Refused };

    bool tellToComeForward(const QString& server) const;
    void listen();
    void readRequests();
    Block readBlock() const;
    void writeBlock(const Block& block);

    QString m_key;
    Outcome m_outcome = Outcome::NotAsked;
    // Cleared when this process is refused or takes no part in the count, so that its exit
    // does not take a copy off the count.
    bool m_countedInstance = true;
    std::unique_ptr<QSystemSemaphore> m_semaphore;
    std::unique_ptr<QSharedMemory> m_memory;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace horavine
