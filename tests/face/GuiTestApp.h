#pragma once

#include <QByteArray>
#include <QGuiApplication>

namespace horavine::test {

// Fonts need a QGuiApplication. One is made on first use, on the offscreen platform unless the
// environment names another, and lives until the process ends.
inline void EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    static int argc = 1;
    static char name[] = "face_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

} // namespace horavine::test
