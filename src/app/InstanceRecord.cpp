#include "app/InstanceRecord.h"

#include "common/IoError.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace horavine {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

InstanceRecord::InstanceRecord(const QString& path)
    : m_path(path)
{
}

InstanceRecord::~InstanceRecord()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void InstanceRecord::lock()
{
    if (m_fd < 0) {
        // No link is followed: the record is never written through a name that points elsewhere.
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            throw IoError(QCoreApplication::translate("SingleInstance", "Cannot open the single-instance record %1: %2")
                              .arg(m_path, systemError()));
        struct stat info
        {
        };
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
            ::close(fd);
            throw IoError(QCoreApplication::translate("SingleInstance",
                                                      "The single-instance record %1 is not a file of this user")
                              .arg(m_path));
        }
        m_fd = fd;
    }
    int result = 0;
    do
        result = ::flock(m_fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0)
        throw IoError(QCoreApplication::translate("SingleInstance", "Cannot lock the single-instance record %1: %2")
                          .arg(m_path, systemError()));
}

void InstanceRecord::unlock()
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
}

InstanceBlock InstanceRecord::read() const
{
    InstanceBlock block;
    char data[kBlockSize];
    if (m_fd < 0 || ::pread(m_fd, data, kBlockSize, 0) != kBlockSize)
        return block;
    std::memcpy(&block.AppWindow, data, 4);
    std::memcpy(&block.InstanceCount, data + 4, 4);
    if (block.InstanceCount < 0)
        block.InstanceCount = 0;
    return block;
}

void InstanceRecord::write(const InstanceBlock& block)
{
    char data[kBlockSize];
    std::memcpy(data, &block.AppWindow, 4);
    std::memcpy(data + 4, &block.InstanceCount, 4);
    if (m_fd < 0 || ::pwrite(m_fd, data, kBlockSize, 0) != kBlockSize)
        throw IoError(
            QCoreApplication::translate("SingleInstance", "Cannot write the single-instance record %1").arg(m_path));
}

} // namespace horavine
