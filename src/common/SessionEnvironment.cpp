#include "common/SessionEnvironment.h"

namespace horavine {

namespace {

bool UserChosePlatform(const SessionEnvironment& environment, const QStringList& arguments)
{
    // Qt reads "-platform NAME" and "--platform NAME", and ignores an empty QT_QPA_PLATFORM.
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") || arguments[i] == QLatin1String("--platform"))
            return true;
    }
    return !environment.qpaPlatform.isEmpty();
}

bool IsWaylandSession(const SessionEnvironment& environment)
{
    return !environment.waylandDisplay.isEmpty() || environment.sessionType == QLatin1String("wayland");
}

} // namespace

SessionEnvironment SessionEnvironment::current()
{
    return {qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_SESSION_TYPE"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("QT_QPA_PLATFORM")};
}

bool ShouldAskForXcb(const SessionEnvironment& environment, const QStringList& arguments)
{
    return !UserChosePlatform(environment, arguments) && IsWaylandSession(environment)
        && !environment.display.isEmpty();
}

QByteArray PlatformToAskFor(const SessionEnvironment& environment, const QStringList& arguments,
                            const std::function<bool()>& xServerAnswers)
{
    if (UserChosePlatform(environment, arguments) || !IsWaylandSession(environment))
        return {};
    if (!environment.display.isEmpty() && xServerAnswers())
        return QByteArrayLiteral("xcb");
    return QByteArrayLiteral("wayland");
}

} // namespace horavine
