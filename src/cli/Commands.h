#pragma once

#include <QStringList>

namespace horavine::cli {

// Each command takes the arguments after its name and returns the exit code; it throws
// UsageError or Failure (CliSupport.h) for the main function to report.
int RunSkinCommand(const QStringList& args);
int RunAlarmsCommand(const QStringList& args);
int RunFormatCommand(const QStringList& args);
int RunRenderCommand(const QStringList& args);
int RunAutostartCommand(const QStringList& args);

} // namespace horavine::cli
