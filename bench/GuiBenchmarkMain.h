#pragma once

// main() of the benchmark programs that paint: fonts need a GUI application (widgets a
// QApplication), and the offscreen platform needs no display.

#include <QGuiApplication>
#include <benchmark/benchmark.h>

template <class Application = QGuiApplication>
int RunGuiBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    Application app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
