#pragma once

// The single-instance record: 8 bytes in a file of the user's private folder, guarded by an
// exclusive lock on the same file. The system drops the lock when its holder dies, so a crash
// can never block later starts.

#include <QString>
#include <QtGlobal>

namespace horavine {

struct InstanceBlock
{
    // The process id of the copy that registered last (its slot once held the application
    // window) and the number of counted copies.
    qint32 AppWindow = 0;
    qint32 InstanceCount = 0;
};

class InstanceRecord
{
public:
    static constexpr int kBlockSize = 8;

    explicit InstanceRecord(const QString& path);
    ~InstanceRecord();
    InstanceRecord(const InstanceRecord&) = delete;
    InstanceRecord& operator=(const InstanceRecord&) = delete;

    // Opens the file (made owner-only when missing) and waits for the lock. Throws IoError when
    // the file cannot be had or is not a plain file of this user.
    void lock();
    void unlock();

    // A missing, short or unreadable record reads as a fresh one; a negative count as none.
    InstanceBlock read() const;
    // Throws IoError when the 8 bytes cannot be written.
    void write(const InstanceBlock& block);

    const QString& path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace horavine
