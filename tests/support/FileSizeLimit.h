#pragma once

// Makes writes beyond a size fail (EFBIG) for as long as it lives, like a disk that fills up.
// Tests run as root, where permission bits never stop a write; a file-size limit still does.

#include <csignal>
#include <sys/resource.h>

namespace horavine::test {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write instead of killing the process
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace horavine::test
