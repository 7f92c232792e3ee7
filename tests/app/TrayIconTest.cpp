#include "ShellTestApp.h"
#include "app/TTrayNotifyIcon.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace horavine::test {
namespace {

class TrayIcon : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        m_tray = std::make_unique<TTrayNotifyIcon>();
        tray().OnClick = [this] {
            ++clicks;
        };
        tray().OnDblClick = [this] {
            ++doubleClicks;
        };
    }
    void waitPastDoubleClickTime() { QTest::qWait(tray().clickDelay() + 150); }

    std::unique_ptr<TTrayNotifyIcon> m_tray; // made once the application exists
    TTrayNotifyIcon& tray() { return *m_tray; }
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(TrayIcon, SingleClickAnswersAfterTheDoubleClickTime)
{
    EXPECT_EQ(tray().clickDelay(), QApplication::doubleClickInterval());
    tray().iconActivated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 0);
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
}

TEST_F(TrayIcon, DoubleClickAnswersAtOnceAndDropsThePendingClick)
{
    tray().iconActivated(QSystemTrayIcon::Trigger);
    tray().iconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(doubleClicks, 1);
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 0);
    // The next single click is answered again.
    tray().iconActivated(QSystemTrayIcon::Trigger);
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIcon, HideTaskReportsOnlyChanges)
{
    QList<bool> seen;
    tray().OnHideTaskChanged = [&](bool hide) {
        seen.append(hide);
    };
    tray().setHideTask(true);
    tray().setHideTask(true);
    tray().setHideTask(false);
    EXPECT_EQ(seen, (QList<bool>{true, false}));
}

TEST_F(TrayIcon, HintIsCutTo63Characters)
{
    tray().setIconVisible(true);
    tray().setHint(QString(100, QLatin1Char('x')));
    EXPECT_EQ(tray().trayIcon().toolTip().size(), 63);
    EXPECT_EQ(tray().Hint().size(), 100);
}

} // namespace
} // namespace horavine::test
