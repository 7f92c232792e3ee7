#include "app/ClockCommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

TEST(ClockCommandLine, HelpVersionHideSkinFilesQtsOptionsAndWrongOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile(dir.filePath(QStringLiteral("Neon.clk"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("skin.bin"))).open(QIODevice::WriteOnly);
    using Action = ClockCommandLine::Action;
    const QString neon = dir.filePath(QStringLiteral("Neon.clk"));
    const struct
    {
        QStringList arguments;
        Action action;
        QString skinFile;
        QString error;
    } cases[] = {
        {{}, Action::Run, {}, {}},
        {{"-hide"}, Action::Run, {}, {}},
        {{"-HiDe"}, Action::Run, {}, {}},
        // Without its hyphen, or with a slash, the word means nothing, as it never did.
        {{"hide", "/hide"}, Action::Run, {}, {}},
        {{"--help"}, Action::Help, {}, {}},
        {{"-hide", "--version", "--bogus"}, Action::Version, {}, {}},
        {{"Neon.clk"}, Action::Run, neon, {}},
        {{"-hide", neon}, Action::Run, neon, {}},
        {{"skin.bin"}, Action::Run, dir.filePath(QStringLiteral("skin.bin")), {}},
        {{"Missing.CLK"}, Action::Run, dir.filePath(QStringLiteral("Missing.CLK")), {}},
        {{"-platform", "xcb", "--style=Fusion", "-reverse", "-display", ":1"}, Action::Run, {}, {}},
        {{"-x"}, Action::Wrong, {}, "unknown option \"-x\""},
        {{"--hide"}, Action::Wrong, {}, "unknown option \"--hide\""},
        {{"-platform"}, Action::Wrong, {}, "option \"-platform\" needs a value"},
        {{"Neon.clk", "skin.bin"}, Action::Wrong, {}, "one skin file at a time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ClockCommandLine read = ReadClockCommandLine(c.arguments, dir.path());
        EXPECT_EQ(read.action, c.action);
        if (c.action == Action::Run) {
            EXPECT_EQ(read.skinFile, c.skinFile);
        }
        EXPECT_EQ(read.error, c.error);
    }
}

} // namespace
