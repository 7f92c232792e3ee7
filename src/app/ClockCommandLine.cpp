#include "app/ClockCommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace horavine {

namespace {

// Qt's own options (QGuiApplication's and the X11 platform's), which QApplication takes from
// the command line itself.
const char* const kQtOptionsWithValue[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "display",
                                           "geometry",
                                           "name",
                                           "title",
                                           "visual",
                                           "style",
                                           "stylesheet",
                                           "session",
                                           "im",
                                           "inputstyle",
                                           "ncols",
                                           "cmap"};
const char* const kQtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};

template <size_t N> bool Names(const char* const (&names)[N], const QString& name)
{
    for (const char* known : names) {
        if (name == QLatin1String(known))
            return true;
    }
    return false;
}

} // namespace

ClockCommandLine ReadClockCommandLine(const QStringList& arguments, const QString& folder)
{
    ClockCommandLine read;
    const auto wrong = [&read](const QString& error) {
        read.action = ClockCommandLine::Action::Wrong;
        read.error = error;
        return read;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            read.action = ClockCommandLine::Action::Help;
            return read;
        }
        if (argument == QLatin1String("--version")) {
            read.action = ClockCommandLine::Action::Version;
            return read;
        }
        if (argument.toLower() == QLatin1String("-hide"))
            continue;
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            // Qt takes "-name value", "--name value" and "-name=value".
            QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            const bool joined = name.contains(QLatin1Char('='));
            name = name.section(QLatin1Char('='), 0, 0);
            if (Names(kQtOptionsWithValue, name)) {
                if (!joined && ++i >= arguments.size())
                    return wrong(QStringLiteral("option \"%1\" needs a value").arg(argument));
                continue;
            }
            if (Names(kQtFlags, name))
                continue;
            return wrong(QStringLiteral("unknown option \"%1\"").arg(argument));
        }
        // A skin file to wear. Other words ("hide" without its hyphen) mean nothing, as always.
        const QFileInfo file(QDir(folder), argument);
        if (!argument.endsWith(QLatin1String(".clk"), Qt::CaseInsensitive) && !file.isFile())
            continue;
        if (!read.skinFile.isEmpty())
            return wrong(QStringLiteral("one skin file at a time"));
        read.skinFile = file.absoluteFilePath();
    }
    return read;
}

QString ClockUsage()
{
    return QStringLiteral(R"(Usage: horavine [-hide] [SKIN.clk]
       horavine --help | --version

Horavine is a skinnable desktop clock. Only one clock runs at a time: a second start brings the
running clock forward, and makes it wear the skin file it was given.

Options:
  -hide        start hidden, with only the icon in the notification area (any letter case)
  SKIN.clk     wear this skin file (a running clock wears it at once)
  --help       print this help and end
  --version    print the version and end

Environment:
  QT_QPA_PLATFORM   the window system to run on; unset, the clock runs on X11 (through
                    XWayland in a Wayland session)
  XDG_DATA_HOME     where an installed clock keeps your settings, alarms and skins, in
                    horavine/ (default ~/.local/share)
  XDG_RUNTIME_DIR   where the running clock listens for later starts
  HORAVINE_TICK_LOG a file the clock writes a line to at every tick
  LANGUAGE, LC_ALL, LC_TIME, LANG
                    the language of the read-out's day and month names

Files, keys and alarms: see the user guide, README.md in the clock's data folder.
)");
}

} // namespace horavine
