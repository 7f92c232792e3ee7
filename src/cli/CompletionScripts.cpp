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

// --- bash

QString BashAction(Value value)
{
    if (const QStringList extensions = Extensions(value); !extensions.isEmpty())
        return QStringLiteral("_horavine_cli_files ") + extensions.join(QLatin1Char(' '));
    if (value == Value::Field)
        return QStringLiteral("_horavine_cli_words \"%1\"; compopt -o nospace 2>/dev/null")
            .arg(FieldWords().join(QLatin1Char(' ')));
    if (const QStringList words = Words(value); !words.isEmpty())
        return QStringLiteral("_horavine_cli_words \"%1\"").arg(words.join(QLatin1Char(' ')));
    return QStringLiteral(":");
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
         "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "    COMPREPLY=()\n"
         "    if ((COMP_CWORD == 1)); then _horavine_cli_words \""
      << TopWords().join(QLatin1Char(' '))
      << "\"; return; fi\n"
         "    local command=${COMP_WORDS[1]} first=2\n"
         "    case $command in\n"
         "    help) ((COMP_CWORD == 2)) && _horavine_cli_words \""
      << CommandGroups().join(QLatin1Char(' ')) << "\"; return ;;\n";
    for (const QString& group : CommandGroups()) {
        const QStringList subs = SubCommands(group);
        if (subs.isEmpty())
            continue;
        s << "    " << group << ")\n"
          << "        if ((COMP_CWORD == 2)); then _horavine_cli_words \"" << subs.join(QLatin1Char(' '))
          << "\"; return; fi\n"
          << "        command=\"$command ${COMP_WORDS[2]}\" first=3 ;;\n";
    }
    s << "    esac\n"
         "    # The value of an option.\n"
         "    case \"$command|$prev\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "    \"" << Key(command) << "|" << option.name << "\") " << BashAction(option.value)
                  << "; return ;;\n";
        }
    }
    s << "    esac\n"
         "    if [[ $cur == -* ]]; then\n"
         "        case $command in\n";
    for (const Command& command : Commands()) {
        QStringList names;
        for (const Option& option : command.options)
            names.append(Latin(option.name));
        if (!names.isEmpty())
            s << "        \"" << Key(command) << "\") _horavine_cli_words \"" << names.join(QLatin1Char(' '))
              << "\" ;;\n";
    }
    s << "        esac\n"
         "        return\n"
         "    fi\n"
         "    # Which argument this is: options and their values do not count.\n"
         "    local n=0 i\n"
         "    for ((i = first; i < COMP_CWORD; i++)); do\n"
         "        case \"$command|${COMP_WORDS[i]}\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "        \"" << Key(command) << "|" << option.name << "\") ((i++)) ;;\n";
        }
    }
    s << "        *) [[ ${COMP_WORDS[i]} == -* ]] || ((n++)) ;;\n"
         "        esac\n"
         "    done\n"
         "    case \"$command|$n\" in\n";
    for (const Command& command : Commands()) {
        const std::vector<Value>& arguments = command.arguments;
        for (size_t i = 0; i < arguments.size(); ++i) {
            const bool last = i + 1 == arguments.size();
            s << "    \"" << Key(command) << "|" << (last ? QString() : QString::number(i)) << "\"" << (last ? "*" : "")
              << ") " << BashAction(arguments[i]) << " ;;\n";
        }
    }
    s << "    esac\n"
         "}\n\n"
         "complete -F _horavine_cli horavine-cli\n";
    return out;
}

// --- zsh

QString ZshAction(Value value)
{
    if (const QStringList extensions = Extensions(value); !extensions.isEmpty())
        return QStringLiteral("_files -g '*.(%1)'").arg(extensions.join(QLatin1Char('|')));
    if (value == Value::Field)
        return QStringLiteral("compadd -S '' -- %1").arg(FieldWords().join(QLatin1Char(' ')));
    if (const QStringList words = Words(value); !words.isEmpty())
        return QStringLiteral("compadd -- %1").arg(words.join(QLatin1Char(' ')));
    return QStringLiteral(":");
}

QString Zsh()
{
    QString out;
    QTextStream s(&out);
    s << "#compdef horavine-cli\n"
         "# zsh completion for horavine-cli (made by: horavine-cli completion zsh)\n\n"
         "_horavine-cli() {\n"
         "    local prev=${words[CURRENT-1]}\n"
         "    if ((CURRENT == 2)); then compadd -- "
      << TopWords().join(QLatin1Char(' '))
      << "; return; fi\n"
         "    local command=${words[2]} first=3\n"
         "    case $command in\n"
         "    help) ((CURRENT == 3)) && compadd -- "
      << CommandGroups().join(QLatin1Char(' ')) << "; return ;;\n";
    for (const QString& group : CommandGroups()) {
        const QStringList subs = SubCommands(group);
        if (subs.isEmpty())
            continue;
        s << "    " << group << ")\n"
          << "        if ((CURRENT == 3)); then compadd -- " << subs.join(QLatin1Char(' ')) << "; return; fi\n"
          << "        command=\"$command ${words[3]}\" first=4 ;;\n";
    }
    s << "    esac\n"
         "    case \"$command|$prev\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "    \"" << Key(command) << "|" << option.name << "\") " << ZshAction(option.value)
                  << "; return ;;\n";
        }
    }
    s << "    esac\n"
         "    if [[ $PREFIX == -* ]]; then\n"
         "        case $command in\n";
    for (const Command& command : Commands()) {
        QStringList names;
        for (const Option& option : command.options)
            names.append(Latin(option.name));
        if (!names.isEmpty())
            s << "        \"" << Key(command) << "\") compadd -- " << names.join(QLatin1Char(' ')) << " ;;\n";
    }
    s << "        esac\n"
         "        return\n"
         "    fi\n"
         "    local n=0 i\n"
         "    for ((i = first; i < CURRENT; i++)); do\n"
         "        case \"$command|${words[i]}\" in\n";
    for (const Command& command : Commands()) {
        for (const Option& option : command.options) {
            if (option.value != Value::None)
                s << "        \"" << Key(command) << "|" << option.name << "\") ((i++)) ;;\n";
        }
    }
    s << "        *) [[ ${words[i]} == -* ]] || ((n++)) ;;\n"
         "        esac\n"
         "    done\n"
         "    case \"$command|$n\" in\n";
    for (const Command& command : Commands()) {
        const std::vector<Value>& arguments = command.arguments;
        for (size_t i = 0; i < arguments.size(); ++i) {
            const bool last = i + 1 == arguments.size();
            s << "    \"" << Key(command) << "|" << (last ? QString() : QString::number(i)) << "\"" << (last ? "*" : "")
              << ") " << ZshAction(arguments[i]) << " ;;\n";
        }
    }
    s << "    esac\n"
         "}\n\n"
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
