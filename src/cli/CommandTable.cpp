#include "cli/CommandTable.h"

#include "cli/Commands.h"

#include <QTextStream>

namespace horavine::cli {

namespace {

int PrintBash(const Arguments&);
int PrintZsh(const Arguments&);
int PrintFish(const Arguments&);

const char kSkins[] = "Skins (.clk files, 444 bytes):";
const char kAlarms[] = "Alarms (Alarm/Alarms.cfg, 672-byte records):";
const char kFormats[] = "Formats:";
const char kFaces[] = "Faces:";
const char kSession[] = "Start with the session:";
const char kCompletion[] = "Shell completion:";

const char kHeader[] = R"(Usage: horavine-cli COMMAND ...
       horavine-cli --help | --version | help COMMAND
)";

const char kFooter[] = R"(
MOMENT is YYYY-MM-DDThh:mm:ss with an optional .zzz, local time. NAME is a locale such as
en_US (default: the system's). "--" ends the options. Errors exit with 1, wrong calls with 2.
)";

} // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {"skin",
         "show",
         kSkins,
         {Value::SkinFile},
         {},
         "  skin show FILE.clk                      print the record as JSON, one key per field\n",
         RunSkinShow},
        {"skin",
         "new",
         kSkins,
         {Value::SkinFile, Value::Field},
         {},
         "  skin new OUT.clk [FIELD=VALUE ...]      write the default skin with changes\n",
         RunSkinNew},
        {"skin",
         "set",
         kSkins,
         {Value::SkinFile, Value::Field},
         {{"-o", Value::SkinFile}},
         "  skin set FILE.clk FIELD=VALUE ... [-o OUT.clk]\n"
         "                                          change named fields, keeping every other byte\n"
         "      Colours are #RRGGBB, numbers decimal, texts are cut to the field's capacity.\n",
         RunSkinSet},
        {"alarms",
         "list",
         kAlarms,
         {Value::AlarmFile},
         {{"--now", Value::Moment}, {"--24", Value::None}, {"--locale", Value::Locale}},
         "  alarms list FILE.cfg [--now MOMENT] [--24] [--locale NAME]\n"
         "                                          one line per alarm, tab-separated: index, enabled,\n"
         "                                          name, type, time, next ring date\n",
         RunAlarmsList},
        {"alarms",
         "due",
         kAlarms,
         {Value::AlarmFile},
         {{"--at", Value::Moment}, {"--missed", Value::None}, {"--only", Value::Number}},
         "  alarms due FILE.cfg --at MOMENT [--missed] [--only N]\n"
         "                                          index of the alarm due at MOMENT, -1 for none\n",
         RunAlarmsDue},
        {"alarms",
         "show",
         kAlarms,
         {Value::AlarmFile},
         {},
         "  alarms show FILE.cfg                    every record's fields as a JSON array\n",
         RunAlarmsShow},
        {"format",
         "",
         kFormats,
         {Value::Text},
         {{"--at", Value::Moment}, {"--locale", Value::Locale}},
         "  format PATTERN --at MOMENT [--locale NAME]\n"
         "                                          PATTERN applied to MOMENT\n",
         RunFormat},
        {"render",
         "",
         kFaces,
         {Value::SkinFile},
         {{"--at", Value::Moment},
          {"--size", Value::Number},
          {"--picture-only", Value::None},
          {"--gallery", Value::None},
          {"--format", Value::ReadoutFormat},
          {"--locale", Value::Locale},
          {"-o", Value::Picture}},
         "  render FILE.clk --at MOMENT [--size PX] [--picture-only | --gallery] [--format ampm|24]\n"
         "         [--locale NAME] -o OUT.png|OUT.jpg|OUT.bmp\n"
         "                                          the face as the clock shows it at MOMENT, PX x PX\n"
         "                                          (default: the skin's size); textures and fonts come\n"
         "                                          from the clock's application folder: beside this tool\n"
         "                                          in a portable copy, else ~/.local/share/horavine or the\n"
         "                                          installed data. --gallery: the\n"
         "                                          gallery preview (300 x 300 unless --size, opaque, the\n"
         "                                          corners outside the outline in the gallery's blue)\n",
         RunRender},
        {"autostart",
         "on",
         kSession,
         {},
         {},
         "  autostart on|off|status                 write, remove or report the desktop's autostart entry\n"
         "                                          ($XDG_CONFIG_HOME/autostart/horavine.desktop, default\n"
         "                                          ~/.config/autostart) that starts the clock beside this\n"
         "                                          tool; each prints \"on\" or \"off\", a tab and the entry's "
         "path\n",
         RunAutostartOn},
        {"autostart", "off", kSession, {}, {}, "", RunAutostartOff},
        {"autostart", "status", kSession, {}, {}, "", RunAutostartStatus},
        {"completion",
         "bash",
         kCompletion,
         {},
         {},
         "  completion bash|zsh|fish                this tool's completion script for that shell\n",
         PrintBash},
        {"completion", "zsh", kCompletion, {}, {}, "", PrintZsh},
        {"completion", "fish", kCompletion, {}, {}, "", PrintFish},
    };
    return commands;
}

QStringList CommandGroups()
{
    QStringList groups;
    for (const Command& command : Commands()) {
        if (!groups.contains(QLatin1String(command.group)))
            groups.append(QLatin1String(command.group));
    }
    return groups;
}

QString UsageText(const QString& group)
{
    QString text = QLatin1String(kHeader);
    const char* section = nullptr;
    for (const Command& command : Commands()) {
        if (!group.isEmpty() && group != QLatin1String(command.group))
            continue;
        if (section != command.section) {
            section = command.section;
            text += QLatin1Char('\n') + QLatin1String(section) + QLatin1Char('\n');
        }
        text += QLatin1String(command.usage);
    }
    return text + QLatin1String(kFooter);
}

namespace {

int PrintBash(const Arguments& args)
{
    args.expectPositionals(0, 0);
    PrintOut(CompletionScript(QStringLiteral("bash")));
    return 0;
}

int PrintZsh(const Arguments& args)
{
    args.expectPositionals(0, 0);
    PrintOut(CompletionScript(QStringLiteral("zsh")));
    return 0;
}

int PrintFish(const Arguments& args)
{
    args.expectPositionals(0, 0);
    PrintOut(CompletionScript(QStringLiteral("fish")));
    return 0;
}

} // namespace

} // namespace horavine::cli
