#pragma once

#include "cli/CliSupport.h"

namespace horavine::cli {

// Each command takes its parsed arguments and returns the exit code; it throws UsageError or
// Failure (CliSupport.h) for the main function to report. CommandTable.cpp lists them.
int RunSkinShow(const Arguments& args);
int RunSkinNew(const Arguments& args);
int RunSkinSet(const Arguments& args);
int RunAlarmsList(const Arguments& args);
int RunAlarmsDue(const Arguments& args);
int RunAlarmsShow(const Arguments& args);
int RunFormat(const Arguments& args);
int RunRender(const Arguments& args);
int RunAutostartOn(const Arguments& args);
int RunAutostartOff(const Arguments& args);
int RunAutostartStatus(const Arguments& args);

} // namespace horavine::cli
