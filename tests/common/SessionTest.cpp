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

TEST(SessionEnvironment, FallsBackToWaylandWhereNoXServerAnswersAndAsksTheProbeOnlyThen)
{
    const struct
    {
        SessionEnvironment env; // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM
        QStringList args;
        bool xServerAnswers;
        const char* platform; // "" leaves Qt's own choice
        bool probed;
    } rows[] = {
        {{"wayland-0", "wayland", ":0", ""}, {}, true, "xcb", true},
        {{"wayland-0", "wayland", ":0", ""}, {}, false, "wayland", true}, // DISPLAY names no server
        {{"", "wayland", ":1", ""}, {}, false, "wayland", true},
        {{"wayland-0", "", "", ""}, {}, true, "wayland", false}, // no DISPLAY: nothing to ask
        {{"", "wayland", "", ""}, {}, true, "wayland", false},
        {{"", "x11", ":0", ""}, {}, false, "", false}, // X11 sessions keep Qt's choice
        {{"", "", "", ""}, {}, false, "", false},
        {{"wayland-0", "wayland", ":0", "xcb"}, {}, false, "", false}, // the user's choice, even a failing one
        {{"wayland-0", "wayland", "", ""}, {"-platform", "offscreen"}, false, "", false},
    };
    for (const auto& r : rows) {
        int probes = 0;
        const QByteArray platform = PlatformToAskFor(r.env, r.args, [&] {
            ++probes;
            return r.xServerAnswers;
        });
        const std::string row = (r.env.waylandDisplay + "|" + r.env.sessionType + "|" + r.env.display + "|"
                                 + r.env.qpaPlatform + "|" + r.args.join(' '))
                                    .toStdString();
        EXPECT_EQ(platform.toStdString(), r.platform) << row;
        EXPECT_EQ(probes, r.probed ? 1 : 0) << row;
    }
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
