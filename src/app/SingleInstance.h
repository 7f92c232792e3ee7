#pragma once

// One running copy per executable path and per user: a later start of the same executable by
// the same user hands over to the copy that runs and ends at once; copies in different folders,
// or of different users, never see each other. Record and socket live in a folder only the
// user may enter, so no one else can make the clock act or keep it from starting.

#include "app/InstanceRecord.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

namespace horavine {

class ActivationListener;

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
    // come forward and this process must end at once.
    // Throws IoError when the record cannot be opened, locked or written, or the socket not made.
    // Asking a second time gives the first answer again.
    // With a file, the earlier copy is asked to wear that skin file too.
    bool ActivatePreviousInstance(int maxInstances = 1, const QString& file = QString());

    // Takes this copy off the count and stops listening. Also run by the destructor; a second
    // call does nothing. Never throws.
    void release();

    // Runs on the thread that registered (the GUI thread) when a later start asks this copy to
    // come forward; the main window restores and raises itself.
    std::function<void()> onActivateRequested;
    // Then, when the later start named a skin file (an absolute path), to wear it.
    std::function<void(const QString& file)> onOpenRequested;

    // Set when no private folder could be had (every candidate taken by someone else): this copy
    // then runs without the guard rather than not at all. Empty otherwise.
    const QString& warning() const { return m_warning; }

    // --- names, public for tests
    // The record's name: the path without its separators and the user id after a "/" (which no
    // joined path contains), hashed so that it is short and free of special characters.
    // /opt/Horavine/horavine for user 0 reads as "optHoravinehoravine/0" and gives
    // "horavine-c6b4166c362f52f3062023cb0fca06a022fd6608".
    static QString instanceKey(const QString& executablePath, uint userId);
    static QString recordPath(const QString& folder, const QString& key);
    // Every registered copy listens under the key and its own process id, so that the socket
    // left behind by a killed copy can never be mistaken for a live one.
    static QString serverName(const QString& folder, const QString& key, qint64 processId);
    // The executable of this process, independent of how it was started; argv0 is the fallback
    // where the system does not say.
    static QString runningExecutablePath(const char* argv0);

    using Block = InstanceBlock;
    static constexpr int kBlockSize = InstanceRecord::kBlockSize;
    // How long a later start waits for the registered copy to answer before it calls the record
    // stale. A live copy's socket accepts at once, even while its window is busy.
    static constexpr int kAnswerTimeoutMs = 500;

    const QString& key() const { return m_key; }
    // The user's private folder, known once asked.
    const QString& folder() const { return m_folder; }

private:
    enum class Outcome { NotAsked, Registered, Refused };

    void registerAs(const Block& block);

    QString m_key;
    QString m_folder;
    QString m_warning;
    Outcome m_outcome = Outcome::NotAsked;
    // Cleared when this process is refused or takes no part in the count, so that its exit
    // does not take a copy off the count.
    bool m_countedInstance = true;
    std::unique_ptr<InstanceRecord> m_record;
    std::unique_ptr<ActivationListener> m_listener;
};

} // namespace horavine
