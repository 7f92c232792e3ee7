// The date-time pattern language: a pattern typed into the settings file or the command line, a
// moment from a damaged alarm or skin file, and the regional formats of several locales.

#include "FuzzSupport.h"
#include "common/DateFormat.h"
#include "common/FormatSettings.h"

#include <QLocale>
#include <cstring>
#include <vector>

using namespace horavine;

namespace {

std::vector<FormatSettings>* regions = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication(false);
    regions = new std::vector<FormatSettings>;
    // Left-to-right and right-to-left scripts, 12- and 24-hour clocks, era names, odd separators.
    for (const char* name : {"C", "en_US", "de_DE", "fi_FI", "ja_JP", "ar_EG", "fa_IR", "hi_IN", "ko_KR"})
        regions->push_back(FormatSettings::fromLocale(QLocale(QString::fromLatin1(name))));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Eight bytes of moment, any double at all; one byte of region; the rest is the pattern.
    constexpr std::size_t kHead = sizeof(double) + 1;
    if (size < kHead)
        return 0;
    double moment;
    std::memcpy(&moment, data, sizeof moment);
    const FormatSettings& regional = (*regions)[data[sizeof(double)] % regions->size()];
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char*>(data) + kHead, qsizetype(size - kHead));

    FormatDateTime(pattern, moment, regional);
    FormatDateTime(PatternFromQtFormat(pattern), moment, regional);

    // Quoted text is copied as it stands, whatever it holds.
    if (!pattern.contains(QLatin1Char('"'))) {
        const QString quoted = QLatin1Char('"') + pattern + QLatin1Char('"');
        if (FormatDateTime(quoted, moment, regional) != pattern)
            fuzz::Fail("quoted text was not copied as it stands");
    }
    return 0;
}
