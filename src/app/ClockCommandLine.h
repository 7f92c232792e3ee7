#pragma once

// What the clock's command line asks for, read before anything else starts: --help and
// --version answer without a window or a word to a running clock, and a wrong option ends the
// start with a hint. Qt's own options pass through untouched.

#include <QString>
#include <QStringList>

namespace horavine {

struct ClockCommandLine
{
    enum class Action { Run, Help, Version, Wrong };
    Action action = Action::Run;
    QString skinFile; // absolute; empty when none was named
    QString error; // for Wrong: what was wrong, one line
};

// arguments without the program's name; relative skin paths are taken from folder.
ClockCommandLine ReadClockCommandLine(const QStringList& arguments, const QString& folder);

// The --help text.
QString ClockUsage();

} // namespace horavine
