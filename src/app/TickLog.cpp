#include "app/TickLog.h"

#include <QFile>

namespace horavine {

namespace {

// The second of a moment as the face reads it.
void PrintClockTime(std::FILE* file, TDateTime moment)
{
    const TimeParts time = DecodeTime(moment);
    std::fprintf(file, "%02d:%02d:%02d", int(time.hour), int(time.minute), int(time.second));
}

} // namespace

TickLog::~TickLog()
{
    if (m_file)
        std::fclose(m_file);
}

void TickLog::open(const QString& path)
{
    if (path.isEmpty() || m_file)
        return;
    m_file = std::fopen(QFile::encodeName(path).constData(), "a");
    if (!m_file) {
        std::fprintf(stderr, "horavine: cannot open the tick log %s\n", qPrintable(path));
        return;
    }
    std::setvbuf(m_file, nullptr, _IOLBF, 0);
}

void TickLog::write(TDateTime tick, TDateTime shown)
{
    if (!m_file)
        return;
    PrintClockTime(m_file, tick);
    std::fputc(' ', m_file);
    PrintClockTime(m_file, shown);
    std::fputc('\n', m_file);
}

} // namespace horavine
