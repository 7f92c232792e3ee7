// horavine-cli's answers to --help, --version and wrong calls, and its shell completion scripts
// as each shell runs them.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun Start(const QString& program, const QStringList& args, const QString& folder = QString())
{
    QProcess p;
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

CliRun Cli(const QStringList& args)
{
    return Start(QStringLiteral(HORAVINE_CLI_PATH), args);
}

TEST(CliConventions, HelpVersionAndWrongCallsAnswerOnTheRightStreamWithTheRightStatus)
{
    const CliRun version = Cli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^horavine-cli \\d+\\.\\d+\\n$")).match(version.out).hasMatch())
        << version.out.toStdString();
    EXPECT_TRUE(version.err.isEmpty());

    const CliRun help = Cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"skin show", "alarms due", "format", "render", "autostart", "completion"})
        EXPECT_TRUE(help.out.contains(QLatin1String(command))) << command;

    const CliRun one = Cli({QStringLiteral("help"), QStringLiteral("alarms")});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.out.contains(QLatin1String("alarms list")));
    EXPECT_FALSE(one.out.contains(QLatin1String("skin show"))) << "only the command asked about";
    EXPECT_EQ(Cli({QStringLiteral("skin"), QStringLiteral("--help")}).out, Cli({"help", "skin"}).out);

    const struct
    {
        QStringList args;
        const char* message;
    } wrong[] = {
        {{QStringLiteral("--bogus")}, "unknown command \"--bogus\""},
        {{QStringLiteral("skin")}, "skin needs a command: show, new, set"},
        {{QStringLiteral("skin"), QStringLiteral("grow")}, "unknown skin command \"grow\""},
        {{QStringLiteral("render"), QStringLiteral("a.clk"), QStringLiteral("--frobnicate")}, "unknown option"},
        {{QStringLiteral("help"), QStringLiteral("nothing")}, "no command \"nothing\""},
    };
    for (const auto& w : wrong) {
        SCOPED_TRACE(w.args.join(QLatin1Char(' ')).toStdString());
        const CliRun r = Cli(w.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(QLatin1String("horavine-cli: ") + QLatin1String(w.message)))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String("--help")));
    }
}

// What bash offers for the words typed so far (the last one being completed), in a folder holding
// a skin, an alarm file, a text file and a subfolder.
QStringList BashOffers(const QString& script, const QString& folder, const QStringList& words)
{
    QStringList quoted;
    for (const QString& word : words)
        quoted.append(QLatin1Char('\'') + word + QLatin1Char('\''));
    const QString program = QStringLiteral("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _horavine_cli; "
                                           "printf '%s\\n' \"${COMPREPLY[@]}\"")
                                .arg(script, quoted.join(QLatin1Char(' ')))
                                .arg(words.size() - 1);
    QStringList offers = Start(QStringLiteral("bash"), {QStringLiteral("-c"), program}, folder)
                             .out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offers.sort();
    return offers;
}

TEST(CliConventions, BashCompletesCommandsOptionsAndTheFilesEachExpects)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString script = dir.filePath(QStringLiteral("horavine-cli.bash"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Cli({QStringLiteral("completion"), QStringLiteral("bash")}).out.toUtf8());
    file.close();
    const QString folder = dir.filePath(QStringLiteral("work"));
    QDir().mkpath(folder + QStringLiteral("/Skins"));
    for (const char* name : {"Sunrise.clk", "Alarms.cfg", "notes.txt"})
        QFile(folder + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);

    const struct
    {
        QStringList words;
        QStringList offers;
    } cases[] = {
        {{"horavine-cli", "sk"}, {"skin"}},
        {{"horavine-cli", "skin", ""}, {"new", "set", "show"}},
        {{"horavine-cli", "autostart", "o"}, {"off", "on"}},
        {{"horavine-cli", "skin", "show", ""}, {"Skins", "Sunrise.clk"}},
        {{"horavine-cli", "alarms", "list", ""}, {"Alarms.cfg", "Skins"}},
        {{"horavine-cli", "skin", "set", "Sunrise.clk", "ClockS"}, {"ClockSize="}},
        {{"horavine-cli", "skin", "set", "Sunrise.clk", "-o", ""}, {"Skins", "Sunrise.clk"}},
        {{"horavine-cli", "render", "Sunrise.clk", "--g"}, {"--gallery"}},
        {{"horavine-cli", "render", "Sunrise.clk", "--format", ""}, {"24", "ampm"}},
        {{"horavine-cli", "render", "--at", "2026-12-09T10:10:30", ""}, {"Skins", "Sunrise.clk"}},
        {{"horavine-cli", "help", "al"}, {"alarms"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(BashOffers(script, folder, c.words), c.offers);
    }
}

TEST(CliConventions, EveryShellsScriptKnowsEveryCommandAndOption)
{
    const CliRun help = Cli({QStringLiteral("--help")});
    // Every command word and option of the usage text, as the table prints it.
    QStringList names;
    const QRegularExpression usageLine(QStringLiteral("^  ([a-z]+)(?: ([a-z|]+))?"));
    const QRegularExpression option(QStringLiteral("(?:^|[\\s\\[|])(--?[a-z][a-z0-9-]*)"));
    for (const QString& line : help.out.split(QLatin1Char('\n'))) {
        const auto m = usageLine.match(line);
        if (m.hasMatch())
            names << m.captured(1) << m.captured(2).split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (auto it = option.globalMatch(line); it.hasNext();)
            names << it.next().captured(1);
    }
    names.removeDuplicates();
    names.removeAll(QStringLiteral("--help"));
    names.removeAll(QStringLiteral("--version"));
    ASSERT_GT(names.size(), 20);
    for (const char* shell : {"bash", "zsh", "fish"}) {
        SCOPED_TRACE(shell);
        const CliRun script = Cli({QStringLiteral("completion"), QLatin1String(shell)});
        ASSERT_EQ(script.exitCode, 0);
        for (QString name : names) {
            // fish names an option without its dashes.
            if (QLatin1String(shell) == QLatin1String("fish") && name.startsWith(QLatin1Char('-')))
                name = (name.startsWith(QLatin1String("--")) ? QStringLiteral("-l ") : QStringLiteral("-o "))
                    + name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
            EXPECT_TRUE(script.out.contains(name)) << name.toStdString();
        }
        // The shell itself reads the script without a syntax error, where it is installed.
        const QString program = QStandardPaths::findExecutable(QLatin1String(shell));
        if (program.isEmpty())
            continue;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("script"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.out.toUtf8());
        file.close();
        const CliRun check = Start(program, {QStringLiteral("-n"), path});
        EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    }
}

} // namespace
