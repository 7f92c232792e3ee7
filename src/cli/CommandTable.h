#pragma once

// Every command of horavine-cli in one table: its name, what its arguments and options are, its
// lines of the usage text and the function that runs it. The dispatch, the help and the shell
// completion scripts are all made from this table, so none of them can forget a command.

#include "cli/CliSupport.h"

#include <vector>

namespace horavine::cli {

// What an argument or an option's value is, as a shell completes it.
enum class Value {
    None, // a flag: the option takes no value
    SkinFile, // *.clk
    AlarmFile, // *.cfg
    Picture, // *.png, *.jpg, *.bmp
    Field, // FIELD=VALUE of a skin
    Moment,
    Locale,
    Number,
    Text,
    ReadoutFormat, // ampm or 24
};

struct Option
{
    const char* name; // "--at", "-o"
    Value value;
};

struct Command
{
    const char* group; // "skin"
    const char* name; // "show"; "" for a command of its own
    const char* section; // the heading it is listed under in the usage text
    std::vector<Value> arguments; // in order; the last one repeats where the command takes several
    std::vector<Option> options;
    const char* usage; // its lines of the usage text
    int (*run)(const Arguments& args);
};

const std::vector<Command>& Commands();

// The commands' groups in the order of the table: "skin", "alarms", ...
QStringList CommandGroups();

// The usage text of every command, or of the commands of one group.
QString UsageText(const QString& group = QString());

// The completion script for "bash", "zsh" or "fish"; empty for another shell.
QString CompletionScript(const QString& shell);

} // namespace horavine::cli
