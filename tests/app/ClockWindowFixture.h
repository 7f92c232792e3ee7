#pragma once

// The clock window of the program, built in a temporary application folder with a manual clock,
// a 1366 x 728 work area on a 1366 x 768 screen, and message boxes recorded instead of shown.
// The options window and the timer toolbar are built the way the program builds them: when first
// asked for.

#include "ShellTestApp.h"
#include "alarms/AlarmRecord.h"
#include "app/TfrmZavIro.h"
#include "common/AppDir.h"
#include "common/Clock.h"
#include "common/DayCount.h"
#include "controls/ErrorBox.h"
#include "controls/Monitors.h"
#include "designer/TfrmOptions.h"
#include "face/SkinState.h"
#include "timer/TfrmTimer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace horavine::test {

inline TDateTime Moment(int hour, int minute, int second)
{
    return DayNumber(2026, 12, 9) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

class ClockWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        const QString data = QStringLiteral(HORAVINE_SOURCE_DIR "/data/");
        QFile::copy(data + QStringLiteral("default.clk"), m_dir.filePath(QStringLiteral("default.clk")));
        QDir(m_dir.path()).mkpath(QStringLiteral("Skins"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Alarm"));
        SetErrorBoxHandler([this](const QString& text) { messages.append(text); });
        SetScreenLayoutProvider([this] { return screens; });
    }

    void TearDown() override
    {
        window.reset(); // owns the other windows
        SetErrorBoxHandler({});
        SetScreenLayoutProvider({});
    }

    AppDir appDir() const { return AppDir(m_dir.path()); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    void writeSettings(const QByteArray& text)
    {
        QFile ini(file(QStringLiteral("horavine.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(text);
    }

    QByteArray settingsText() const
    {
        QFile ini(file(QStringLiteral("horavine.ini")));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    }

    // Creation, the first show and the first activation; the first tick only when asked, since it
    // ends the activation road.
    void start(QStringList arguments = {QStringLiteral("horavine")}, bool firstTick = true)
    {
        window = std::make_unique<TfrmZavIro>(skin, alarms, appDir(), clock, arguments);
        window->AskCloseUnsaved = [this](const QString& question) {
            messages.append(question);
            return closeUnsaved;
        };
        window->show();
        window->FormActivate();
        if (firstTick)
            window->Timer1Timer();
    }

    ManualClock clock{Moment(10, 10, 30)};
    // A 1366 x 768 screen with a 40-pixel panel at the bottom, unless a test plugs in others.
    ScreenLayout screens{{Monitor{{0, 0, 1366, 768}, {0, 0, 1366, 728}}}};
    SkinState skin;
    AlarmList alarms;
    // Built on first use, as a user's key or menu choice would.
    TfrmOptions* options() { return &window->optionsWindow(); }
    TfrmTimer* timer() { return &window->timerWindow(); }

    std::unique_ptr<TfrmZavIro> window;
    QStringList messages;
    bool closeUnsaved = false; // the answer to the question of a close whose save failed

private:
    QTemporaryDir m_dir;
};

} // namespace horavine::test
