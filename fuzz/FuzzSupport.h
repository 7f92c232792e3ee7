#pragma once

// What every fuzz target shares: one Qt application for the process, and a scratch folder where
// the readers that take a path find the fuzzer's bytes as a file.

#include <QString>
#include <cstddef>
#include <cstdint>

namespace horavine::fuzz {

// Creates the process's application once, on the offscreen platform: a QGuiApplication when
// fonts or painting are needed, else a QCoreApplication. Call from LLVMFuzzerInitialize.
void StartApplication(bool gui);

// A folder of this process's own, removed when the process ends normally.
QString ScratchFolder();

// Replaces ScratchFolder()/name with the bytes and returns its path. Aborts when the file cannot
// be written, since every later input would then test nothing.
QString WriteInput(const std::uint8_t* data, std::size_t size, const QString& name);

// Stops the run with a message when a property of the reader does not hold: a fault found
// without a sanitizer's help, saved by libFuzzer like any crash.
[[noreturn]] void Fail(const char* what);

} // namespace horavine::fuzz
