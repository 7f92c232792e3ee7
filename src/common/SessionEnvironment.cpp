#include "common/SessionEnvironment.h"

namespace horavine {

SessionEnvironment SessionEnvironment::current()
{
    return {qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_SESSION_TYPE"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
}

bool ShouldAskForXcb(const SessionEnvironment& environment, const QStringList& arguments)
{
    // Qt reads "-platform NAME" and "--platform NAME", and ignores an empty QT_QPA_PLATFORM.
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform"))
            return false;
    }
    if (!environment.qpaPlatform.isEmpty())
        return false;
    const bool wayland = !environment.waylandDisplay.isEmpty() || environment.sessionType == QLatin1String("wayland");
    return wayland && !environment.display.isEmpty();
}

} // namespace horavine
