// The shell completion scripts, written from the command table: commands, sub-commands, options,
// option values, and skin, alarm and picture files (with folders) where a path is expected.

#include "cli/CommandTable.h"
#include "face/SkinFields.h"

namespace horavine::cli {

namespace {

QString Latin(const char* text)
{
    return QString::fromLatin1(text);
}

// "skin set", or "render" for a command without sub-commands.
QString Key(const Command& command)
{
    return *command.name ? Latin(command.group) + QLatin1Char(' ') + Latin(command.name) : Latin(command.group);
}

QStringList SubCommands(const QString& group)
{
    QStringList names;
    for (const Command& command : Commands()) {
        if (group == QLatin1String(command.group) && *command.name)
            names.append(Latin(command.name));
    }
    return names;
}

QStringList FieldWords()
{
    QStringList words;
    for (const SkinField& field : SkinFieldTable())
        words.append(Latin(field.name) + QLatin1Char('='));
    return words;
}

QStringList Extensions(Value value)
{
    switch (value) {
    case Value::SkinFile:
        return {QStringLiteral("clk")};
    case Value::AlarmFile:
        return {QStringLiteral("cfg")};
    case Value::Picture:
        return {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")};
    default:
        return {};
    }
}

QStringList Words(Value value)
{
    if (value == Value::ReadoutFormat)
        return {QStringLiteral("ampm"), QStringLiteral("24")};
    if (value == Value::Field)
        return FieldWords();
    return {};
}

QStringList TopWords()
{
    return CommandGroups() + QStringList{QStringLiteral("help"), QStringLiteral("--help"), QStringLiteral("--version")};
}

// --- bash and zsh: the same function, in each shell's words

struct Shell
{
    QString (*action)(Value value); // offers what a value of this kind may be
    QString (*offer)(const QStringList& words);
    const char* words; // the array of the words typed, "COMP_WORDS" or "words"
    int base; // the index of the program's own word in it
    const char* current; // the index of the word being completed
    const char* typed; // the part of that word typed so far
};

QString BashOffer(const QStringList& words)
{
    return QStringLiteral("_horavine_cli_words \"%1\"").arg(words.join(QLatin1Char(' ')));
}

QString BashAction(Value value)
{
    if (const QStringList extensions = Extensions(value); !extensions.isEmpty())
        return QStringLiteral("_horavine_cli_files ") + extensions.join(QLatin1Char(' '));
    if (value == Value::Field)
        return BashOffer(FieldWords()) + QStringLiteral("; compopt -o nospace 2>/dev/null");
    if (const QStringList words = Words(value); !words.isEmpty())
        return BashOffer(words);
    return QStringLiteral(":");
}

QString ZshOffer(const QStringList& words)
{
    return QStringLiteral("compadd -- %1").arg(words.join(QLatin1Char(' ')));
}

QString ZshAction(Value value)
{
    if (const QStringList extensions = Extensions(value); !extensions.isEmpty())
        return QStringLiteral("_files -g '*.(%1)'").arg(extensions.join(QLatin1Char('|')));
    if (value == Value::Field)
        return QStringLiteral("compadd -S '' -- %1").arg(FieldWords().join(QLatin1Char(' ')));
    if (const QStringList words = Words(value); !words.isEmpty())
        return ZshOffer(words);
    return QStringLiteral(":");
}

// The body of the completion function: the command and sub-command, an option's value, the
// options, and the files or words each argument takes.
void WriteBody(QTextStream& s, const Shell& shell)
{
    const auto word = [&shell](int n) {
        return QStringLiteral("${%1[%2]}").arg(QLatin1String(shell.words)).arg(shell.base + n);
    };
    const QString current = QLatin1String(shell.current);
    s << "    local prev=${" << shell.words << "[" << current << "-1]}\n"
      << "    if ((" << current << " == " << shell.base + 1 << ")); then " << shell.offer(TopWords())
      << "; return; fi\n"
      << "    local command=" << word(1) << " first=" << shell.base + 2 << "\n"
      << "    case $command in\n"
      << "    help) ((" << current << " == " << shell.base + 2 << ")) && " << shell.offer(CommandGroups())
      << "; return ;;\n";
    for (const QString& group : CommandGroups()) {
        const QStringList subs = SubCommands(group);
        if (subs.isEmpty())
            continue;
        s << "    " << group << ")\n"
          << "        if ((" << current << " == " << shell.base + 2 << ")); then " << shell.offer(subs)
          << "; return; fi\n"
          << "        command=\"$command " << word(2) << "\" first=" << shell.base + 3 << " ;;\n";
    }
    s << "    esac\n"
         "    # The value of an option.\n"
         "    case \"$command|$prev\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "    \"" << Key(command) << "|" << option.name << "\") " << shell.action(option.value)
                  << "; return ;;\n";
        }
    }
    s << "    esac\n"
      << "    if [[ " << shell.typed << " == -* ]]; then\n"
      << "        case $command in\n";
    for (const Command& command : Commands()) {
        QStringList names;
        for (const Option& option : command.options)
            names.append(Latin(option.name));
        if (!names.isEmpty())
            s << "        \"" << Key(command) << "\") " << shell.offer(names) << " ;;\n";
    }
    s << "        esac\n"
         "        return\n"
         "    fi\n"
         "    # Which argument this is: options and their values do not count.\n"
         "    local n=0 i\n"
      << "    for ((i = first; i < " << current << "; i++)); do\n"
      << "        case \"$command|${" << shell.words << "[i]}\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "        \"" << Key(command) << "|" << option.name << "\") ((i++)) ;;\n";
        }
    }
    s << "        *) [[ ${" << shell.words << "[i]} == -* ]] || ((n++)) ;;\n"
      << "        esac\n"
         "    done\n"
         "    case \"$command|$n\" in\n";
    for (const Command& command : Commands()) {
        const std::vector<Value>& arguments = command.arguments;
        for (size_t i = 0; i < arguments.size(); ++i) {
            const bool last = i + 1 == arguments.size();
            s << "    \"" << Key(command) << "|" << (last ? QString() : QString::number(i)) << "\"" << (last ? "*" : "")
              << ") " << shell.action(arguments[i]) << " ;;\n";
        }
    }
    s << "    esac\n";
}

QString Bash()
{
    QString out;
    QTextStream s(&out);
    s << "# bash completion for horavine-cli (made by: horavine-cli completion bash)\n\n"
         "_horavine_cli_words() { mapfile -t COMPREPLY < <(compgen -W \"$1\" -- \"$cur\"); }\n\n"
         "_horavine_cli_files() { # extensions: those files, and folders to go into\n"
         "    local IFS=$'\\n' ext\n"
         "    COMPREPLY=($(compgen -d -- \"$cur\"))\n"
         "    for ext in \"$@\"; do COMPREPLY+=($(compgen -f -X \"!*.$ext\" -- \"$cur\")); done\n"
         "    compopt -o filenames 2>/dev/null\n"
         "}\n\n"
         "_horavine_cli() {\n"
         "    local cur=${COMP_WORDS[COMP_CWORD]}\n"
         "    COMPREPLY=()\n";
    WriteBody(s, {BashAction, BashOffer, "COMP_WORDS", 0, "COMP_CWORD", "$cur"});
    s << "}\n\n"
         "complete -F _horavine_cli horavine-cli\n";
    return out;
}

QString Zsh()
{
    QString out;
    QTextStream s(&out);
    s << "#compdef horavine-cli\n"
         "# zsh completion for horavine-cli (made by: horavine-cli completion zsh)\n\n"
         "_horavine-cli() {\n";
    WriteBody(s, {ZshAction, ZshOffer, "words", 1, "CURRENT", "$PREFIX"});
    s << "}\n\n"
         "_horavine-cli \"$@\"\n";
    return out;
}

// --- fish

QString FishCondition(const Command& command)
{
    if (!*command.name)
        return QStringLiteral("__fish_seen_subcommand_from %1").arg(Latin(command.group));
    return QStringLiteral("__fish_seen_subcommand_from %1; and __fish_seen_subcommand_from %2")
        .arg(Latin(command.group), Latin(command.name));
}

QString FishValues(Value value)
{
    if (const QStringList extensions = Extensions(value); !extensions.isEmpty()) {
        QStringList suffixes;
        for (const QString& extension : extensions)
            suffixes.append(QStringLiteral("(__fish_complete_suffix .%1)").arg(extension));
        return QStringLiteral(" -a \"%1\"").arg(suffixes.join(QLatin1Char(' ')));
    }
    if (const QStringList words = Words(value); !words.isEmpty())
        return QStringLiteral(" -a \"%1\"").arg(words.join(QLatin1Char(' ')));
    return {};
}

QString Fish()
{
    QString out;
    QTextStream s(&out);
    s << "# fish completion for horavine-cli (made by: horavine-cli completion fish)\n\n"
         "complete -c horavine-cli -f\n"
         "complete -c horavine-cli -n __fish_use_subcommand -l help -d 'print the usage'\n"
         "complete -c horavine-cli -n __fish_use_subcommand -l version -d 'print the version'\n"
         "complete -c horavine-cli -n __fish_use_subcommand -a \""
      << (CommandGroups() << QStringLiteral("help")).join(QLatin1Char(' ')) << "\"\n"
      << "complete -c horavine-cli -n \"__fish_seen_subcommand_from help\" -a \""
      << CommandGroups().join(QLatin1Char(' ')) << "\"\n";
    for (const QString& group : CommandGroups()) {
        const QStringList subs = SubCommands(group);
        if (!subs.isEmpty())
            s << "complete -c horavine-cli -n \"__fish_seen_subcommand_from " << group
              << "; and not __fish_seen_subcommand_from " << subs.join(QLatin1Char(' ')) << "\" -a \""
              << subs.join(QLatin1Char(' ')) << "\"\n";
    }
    for (const Command& command : Commands()) {
        const QString condition = FishCondition(command);
        for (const Option& option : command.options) {
            const QString name = Latin(option.name);
            s << "complete -c horavine-cli -n \"" << condition << "\" "
              << (name.startsWith(QLatin1String("--")) ? QStringLiteral("-l ") + name.mid(2)
                                                       : QStringLiteral("-o ") + name.mid(1))
              << (option.value == Value::None ? "" : " -x") << FishValues(option.value) << "\n";
        }
        QStringList seen;
        for (Value argument : command.arguments) {
            const QString values = FishValues(argument);
            if (!values.isEmpty() && !seen.contains(values)) {
                seen.append(values);
                s << "complete -c horavine-cli -n \"" << condition << "\"" << values << "\n";
            }
        }
    }
    return out;
}

} // namespace

QString CompletionScript(const QString& shell)
{
    if (shell == QLatin1String("bash"))
        return Bash();
    if (shell == QLatin1String("zsh"))
        return Zsh();
    if (shell == QLatin1String("fish"))
        return Fish();
    return {};
}

} // namespace horavine::cli
