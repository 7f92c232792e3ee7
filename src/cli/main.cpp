// horavine-cli: the clock's skin, alarm and format rules for skin authors and scripts.

#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <QStringList>
#include <cstdio>

namespace {

const char kUsage[] = R"(Usage: horavine-cli COMMAND ...

Skins (.clk files, 444 bytes):
  skin show FILE.clk                      print the record as JSON, one key per field
  skin new OUT.clk [FIELD=VALUE ...]      write the default skin with changes
  skin set FILE.clk FIELD=VALUE ... [-o OUT.clk]
                                          change named fields, keeping every other byte
      Colours are #RRGGBB, numbers decimal, texts are cut to the field's capacity.

Alarms (Alarm/Alarms.cfg, 672-byte records):
  alarms list FILE.cfg [--now MOMENT] [--24] [--locale NAME]
                                          one line per alarm, tab-separated: index, enabled,
                                          name, type, time, next ring date
  alarms due FILE.cfg --at MOMENT [--missed] [--only N]
                                          index of the alarm due at MOMENT, -1 for none
  alarms show FILE.cfg                    every record's fields as a JSON array

Formats:
  format PATTERN --at MOMENT [--locale NAME]
                                          PATTERN applied to MOMENT

Faces:
  render FILE.clk --at MOMENT [--size PX] [--picture-only | --gallery] [--format ampm|24]
         [--locale NAME] -o OUT.png|OUT.jpg|OUT.bmp
                                          the face as the clock shows it at MOMENT, PX x PX
                                          (default: the skin's size); textures and fonts come
                                          from the clock's application folder: beside this tool
                                          in a portable copy, else ~/.local/share/horavine or the
                                          installed data. --gallery: the
                                          gallery preview (300 x 300 unless --size, opaque, the
                                          corners outside the outline in the gallery's blue)

Start with the session:
  autostart on|off|status                 write, remove or report the desktop's autostart entry
                                          ($XDG_CONFIG_HOME/autostart/horavine.desktop, default
                                          ~/.config/autostart) that starts the clock beside this
                                          tool; each prints "on" or "off", a tab and the entry's path

MOMENT is YYYY-MM-DDThh:mm:ss with an optional .zzz, local time. NAME is a locale such as
en_US (default: the system's). "--" ends the options. Errors exit with 1, wrong calls with 2.
)";

int dispatch(const QStringList& args)
{
    using namespace horavine::cli;
    if (args.isEmpty())
        throw UsageError(QStringLiteral("missing command"));
    const QString command = args.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const QStringList rest = args.mid(1);
    if (rest.contains(QLatin1String("--help"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == QLatin1String("skin"))
        return RunSkinCommand(rest);
    if (command == QLatin1String("alarms"))
        return RunAlarmsCommand(rest);
    if (command == QLatin1String("format"))
        return RunFormatCommand(rest);
    if (command == QLatin1String("render"))
        return RunRenderCommand(rest);
    if (command == QLatin1String("autostart"))
        return RunAutostartCommand(rest);
    throw UsageError(QStringLiteral("unknown command \"%1\"").arg(command));
}

} // namespace

int main(int argc, char* argv[])
{
    // No application object here: only rendering needs one (a GUI one), and it makes its own.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    try {
        return dispatch(args);
    } catch (const horavine::cli::UsageError& e) {
        std::fprintf(stderr, "horavine-cli: %s (see horavine-cli --help)\n", e.what());
        return 2;
    } catch (const horavine::cli::Failure& e) {
        std::fprintf(stderr, "horavine-cli: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) { // IoError and PictureError too: the file's name and what is wrong
        std::fprintf(stderr, "horavine-cli: %s\n", e.what());
        return 1;
    }
}
