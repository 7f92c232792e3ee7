#include "common/Clock.h"

namespace horavine {

TDateTime SystemClock::now() const
{
    return FromQDateTime(QDateTime::currentDateTime());
}

} // namespace horavine
