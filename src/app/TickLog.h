#pragma once

// A diagnostic for long runs: one line per tick of the clock's timer, "HH:MM:SS HH:MM:SS" — the
// second the tick belongs to and the time the face shows (the timer's count in timer mode) — so
// that a lost or doubled tick can be found afterwards. Off unless HORAVINE_TICK_LOG names a file.

#include "common/DayCount.h"

#include <QString>
#include <cstdio>

namespace horavine {

class TickLog
{
public:
    TickLog() = default;
    ~TickLog();
    TickLog(const TickLog&) = delete;
    TickLog& operator=(const TickLog&) = delete;

    // Appends to the file; an empty path or a file that cannot be opened leaves the log off (the
    // latter said once on stderr).
    void open(const QString& path);
    void write(TDateTime tick, TDateTime shown);

private:
    std::FILE* m_file = nullptr;
};

} // namespace horavine
