// The platform the clock asks for, and the command its autostart entry runs.

#include "common/AutostartEntry.h"
#include "common/SessionEnvironment.h"

#include <gtest/gtest.h>

using namespace horavine;

TEST(SessionEnvironment, AsksForXcbOnlyUnderWaylandWithXWaylandAndNoChoiceMade)
{
    const struct
    {
        SessionEnvironment env; // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM
        QStringList args;
        bool xcb;
    } rows[] = {
        {{"wayland-0", "wayland", ":0", ""}, {}, true},
        {{"wayland-0", "", ":0", ""}, {}, true},
        {{"", "wayland", ":1", ""}, {"--some-option"}, true},
        {{"wayland-0", "wayland", "", ""}, {}, false}, // no XWayland
        {{"", "x11", ":0", ""}, {}, false},
        {{"wayland-0", "wayland", ":0", "wayland"}, {}, false}, // the user's choice
        {{"wayland-0", "wayland", ":0", ""}, {"-platform", "wayland"}, false},
        {{"wayland-0", "wayland", ":0", ""}, {"--platform", "wayland"}, false},
        {{"wayland-0", "wayland", ":0", ""}, {"-platform"}, true}, // no value: Qt ignores it too
    };
    for (const auto& r : rows)
        EXPECT_EQ(ShouldAskForXcb(r.env, r.args), r.xcb)
            << (r.env.waylandDisplay + "|" + r.env.sessionType + "|" + r.env.qpaPlatform + "|" + r.args.join(' '))
                   .toStdString();
}

TEST(AutostartEntry, ExecQuotesWhatTheDesktopWouldSplitOrExpand)
{
    const struct
    {
        QString path, exec;
    } rows[] = {
        {"/usr/bin/horavine", "/usr/bin/horavine"},
        {"/opt/my clock/horavine", "\"/opt/my clock/horavine\""},
        {"/opt/100%/horavine", "/opt/100%%/horavine"},
        {"/opt/$HOME\"q`/horavine", "\"/opt/\\\\$HOME\\\\\"q\\\\`/horavine\""},
        {"/opt/a\\b/horavine", "\"/opt/a\\\\\\\\b/horavine\""},
        {"/opt/new\nline/horavine", "\"/opt/new\\nline/horavine\""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(AutostartEntry::execArgument(r.path).toStdString(), r.exec.toStdString());
}
