// horavine-cli: the clock's skin, alarm and format rules for skin authors and scripts.

#include "cli/CliSupport.h"
#include "cli/CommandTable.h"
#include "common/Version.h"

#include <QStringList>
#include <cstdio>

namespace {

using namespace horavine::cli;

const Command* FindCommand(const QStringList& args)
{
    if (args.isEmpty())
        return nullptr;
    for (const Command& command : Commands()) {
        if (args.first() != QLatin1String(command.group))
            continue;
        if (!*command.name || (args.size() > 1 && args[1] == QLatin1String(command.name)))
            return &command;
    }
    return nullptr;
}

QStringList SubCommandsOf(const QString& group)
{
    QStringList names;
    for (const Command& command : Commands()) {
        if (group == QLatin1String(command.group))
            names.append(QLatin1String(command.name));
    }
    return names;
}

int Help(const QStringList& topic)
{
    if (topic.isEmpty()) {
        PrintOut(UsageText());
        return 0;
    }
    if (!CommandGroups().contains(topic.first()))
        throw UsageError(QStringLiteral("no command \"%1\"").arg(topic.first()));
    PrintOut(UsageText(topic.first()));
    return 0;
}

int Dispatch(const QStringList& args)
{
    if (args.isEmpty())
        throw UsageError(QStringLiteral("missing command"));
    const QString first = args.first();
    if (first == QLatin1String("--version")) {
        PrintOut(QStringLiteral("horavine-cli " HORAVINE_VERSION "\n"));
        return 0;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return Help({});
    if (first == QLatin1String("help"))
        return Help(args.mid(1));
    if (CommandGroups().contains(first) && args.contains(QLatin1String("--help")))
        return Help({first});
    const Command* command = FindCommand(args);
    if (!command) {
        if (!CommandGroups().contains(first))
            throw UsageError(QStringLiteral("unknown command \"%1\"").arg(first));
        const QStringList names = SubCommandsOf(first);
        if (args.size() < 2)
            throw UsageError(QStringLiteral("%1 needs a command: %2").arg(first, names.join(QStringLiteral(", "))));
        throw UsageError(QStringLiteral("unknown %1 command \"%2\"").arg(first, args[1]));
    }
    const QStringList rest = args.mid(*command->name ? 2 : 1);
    QStringList valueOptions;
    QStringList flagOptions;
    for (const Option& option : command->options)
        (option.value == Value::None ? flagOptions : valueOptions).append(QLatin1String(option.name));
    return command->run(Arguments(rest, valueOptions, flagOptions));
}

} // namespace

int main(int argc, char* argv[])
{
    // No application object here: only rendering needs one (a GUI one), and it makes its own.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    try {
        return Dispatch(args);
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
