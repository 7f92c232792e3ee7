#pragma once

#include <QApplication>
#include <QByteArray>

namespace horavine::test {

// The app tests share one process, and widgets need a QApplication rather than a lesser one:
// the first test that needs an application makes it, offscreen unless the environment names
// another platform, and it lives until the process ends.
inline void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace horavine::test
