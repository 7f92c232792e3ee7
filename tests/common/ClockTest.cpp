#include "common/Clock.h"

#include <QDateTime>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace horavine {
namespace {

// Runs the test in a zone of its own, and gives the machine's back.
class ZoneScope
{
public:
    explicit ZoneScope(const char* zone)
    {
        if (const char* before = std::getenv("TZ"))
            m_before = before;
        m_had = std::getenv("TZ") != nullptr;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneScope()
    {
        if (m_had)
            setenv("TZ", m_before.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

private:
    std::string m_before;
    bool m_had = false;
};

qint64 Utc(int year, int month, int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC).toMSecsSinceEpoch();
}

// The system clock reuses a minute's zone offset: read in order across both daylight-saving
// changes, a quarter of a second apart, it must say what a full local conversion says.
TEST(SystemClock, AgreesWithTheFullConversionAcrossDaylightSavingChanges)
{
    ZoneScope zone("America/New_York");
    const SystemClock clock;
    // Spring forward: 2026-03-08 07:00 UTC is 03:00 EDT; fall back: 2026-11-01 06:00 UTC is 01:00 EST.
    for (const qint64 change : {Utc(2026, 3, 8, 7, 0, 0), Utc(2026, 11, 1, 6, 0, 0)}) {
        for (qint64 ms = change - 90000; ms <= change + 90000; ms += 250) {
            const TDateTime expected = FromQDateTime(QDateTime::fromMSecsSinceEpoch(ms));
            EXPECT_DOUBLE_EQ(clock.at(ms), expected) << ms;
        }
    }
    EXPECT_DOUBLE_EQ(clock.at(Utc(2026, 3, 8, 6, 59, 59, 999)), EncodeDateTime(2026, 3, 8, 1, 59, 59, 999));
    EXPECT_DOUBLE_EQ(clock.at(Utc(2026, 3, 8, 7, 0, 0)), EncodeDateTime(2026, 3, 8, 3, 0, 0));
    // Before 1970 the day and the time of day still count down from the right midnight.
    ZoneScope utc("UTC");
    EXPECT_DOUBLE_EQ(clock.at(Utc(1969, 12, 31, 23, 59, 59, 500)), EncodeDateTime(1969, 12, 31, 23, 59, 59, 500));
}

// A zone changed while the clock runs shows from the next minute on.
TEST(SystemClock, NoticesANewZoneAtTheNextMinute)
{
    ZoneScope zone("UTC");
    const SystemClock clock;
    const qint64 moment = Utc(2026, 7, 1, 12, 0, 0);
    EXPECT_DOUBLE_EQ(clock.at(moment), EncodeDateTime(2026, 7, 1, 12, 0, 0));
    ZoneScope tokyo("Asia/Tokyo");
    EXPECT_DOUBLE_EQ(clock.at(moment + 59999), EncodeDateTime(2026, 7, 1, 12, 0, 59, 999));
    EXPECT_DOUBLE_EQ(clock.at(moment + 60000), EncodeDateTime(2026, 7, 1, 21, 1, 0));
}

} // namespace
} // namespace horavine
