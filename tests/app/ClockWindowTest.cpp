#include "ClockWindowFixture.h"
#include "app/TTrayNotifyIcon.h"
#include "controls/TSpinEdit.h"
#include "face/ClockFace.h"
#include "face/WindowShape.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace horavine::test {
namespace {

using ClockWindow = ClockWindowFixture;

TEST_F(ClockWindow, FirstStartWithoutSettingsFileUsesTheDefaults)
{
    start();
    EXPECT_FALSE(options()->chkRandomSkin->isChecked());
    EXPECT_FALSE(options()->cbRandomSkinGallery->isEnabled());
    EXPECT_TRUE(options()->chkLastPos->isChecked());
    EXPECT_TRUE(options()->chkKeepSize->isChecked());
    EXPECT_FALSE(options()->chkStayOnTop->isChecked());
    EXPECT_EQ(options()->digFormatIndex(), 0);
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(skin.CurrentSkin.ClockSize, 400);
    EXPECT_EQ(window->size(), QSize(400, 400));
    EXPECT_EQ(window->Tag(), 0);
    EXPECT_EQ(window->face().faceState(), 10);
    EXPECT_TRUE(window->isClockShown());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ClockWindow, FirstStartReadsEveryStoredChoice)
{
    writeSettings("[Default]\r\nDigFrm=7\r\nOnTop=1\r\nDigFrm24=hh:nn\r\n"
                  "[Position]\r\nKeepIt=0\r\nLeft=5000\r\nTop=-200\r\n[Size]\r\nKeepIt=1\r\nLastOne=300\r\n");
    start();
    EXPECT_FALSE(options()->chkLastPos->isChecked());
    EXPECT_EQ(window->pos(), QPoint(683, -200)); // half the screen's width; a negative top stays
    EXPECT_EQ(options()->digFormatIndex(), 1); // above 1 is held to 1
    EXPECT_EQ(window->face().Format24(), QStringLiteral("hh:nn"));
    EXPECT_EQ(skin.CurrentSkin.ClockSize, 300);
    EXPECT_EQ(window->size(), QSize(300, 300));
    EXPECT_TRUE(options()->chkStayOnTop->isChecked());
    EXPECT_TRUE(window->stayOnTopApplied());
}

TEST_F(ClockWindow, StoredSizeOfZeroLeavesTheLoadedSkinsSize)
{
    writeSettings("[Size]\r\nKeepIt=1\r\nLastOne=0\r\n");
    start();
    EXPECT_EQ(window->size(), QSize(400, 400));
}

TEST_F(ClockWindow, RandomSkinFromAMissingGalleryLoadsTheStoredSkin)
{
    writeSettings("[Default]\r\nRandomSkin=1\r\nRandomSkinGallery=Gone\r\nSkin=default.clk\r\n");
    start();
    EXPECT_TRUE(options()->chkRandomSkin->isChecked());
    EXPECT_TRUE(options()->cbRandomSkinGallery->isEnabled());
    EXPECT_EQ(options()->cbRandomSkinGallery->currentIndex(), -1);
    EXPECT_EQ(window->skinFile().CurrentSkinFile(), QStringLiteral("default.clk")); // as stored
}

TEST_F(ClockWindow, HideArgumentCountsInAnyLetterCaseAndOnlyWithItsHyphen)
{
    const struct
    {
        const char* argument;
        bool hidden;
    } rows[] = {{"-hide", true}, {"-HiDe", true}, {"-HIDE", true}, {"/hide", false}, {"hide", false}, {"-hid", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.argument);
        start({QStringLiteral("horavine"), QString::fromLatin1(row.argument)});
        EXPECT_EQ(!window->isClockShown(), row.hidden);
        EXPECT_EQ(!window->isVisible(), row.hidden); // the first tick does not bring it back
        EXPECT_EQ(window->face().faceState(), 10); // the face ticks on while hidden
        window.reset();
    }
}

TEST_F(ClockWindow, ExitWritesTheAlarmsAndTheSettingsOnce)
{
    start();
    window->move(120, 80);
    options()->chkStayOnTop->setChecked(true);
    window->mExitClick();
    EXPECT_FALSE(window->settingsOpen());
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("Alarm/Alarms.cfg"))));
    EXPECT_EQ(settingsText(),
              QByteArray("[Default]\nSkin=default.clk\nOnTop=1\nDigFrm=0\n"
                         "RandomSkin=0\nRandomSkinGallery=\n"
                         "[Position]\nKeepIt=1\nLeft=120\nTop=80\n"
                         "[Size]\nKeepIt=1\nLastOne=400\n"));
    // After the close-time work has run, a later close writes nothing again.
    writeSettings("untouched");
    window->close();
    EXPECT_EQ(settingsText(), QByteArray("untouched"));
}

TEST_F(ClockWindow, RefusedSettingsWriteKeepsTheWindowOpen)
{
    start();
    // A folder where the settings file should be: no write can succeed, not even as root.
    ASSERT_TRUE(QDir(file(QString())).mkpath(QStringLiteral("horavine.ini")));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->settingsOpen());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Unable to write to "))) << messages.first().toStdString();
}

TEST_F(ClockWindow, DoneWritesTheSettingsAndCloseTheClockEndsIt)
{
    start();
    options()->bbDoneClick();
    EXPECT_TRUE(settingsText().contains("LastOne=400"));
    EXPECT_TRUE(window->settingsOpen());
    options()->bbCloseClick();
    EXPECT_FALSE(window->settingsOpen());
    EXPECT_FALSE(window->isVisible());
}

struct KeyRow
{
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QPoint expected;
};

TEST_F(ClockWindow, KeysMoveTheClockOnTheWorkArea)
{
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    // 1366 x 728 work area, S = 400, starting at (100, 100).
    const KeyRow rows[] = {
        {"Home", Qt::Key_Home, none, {-1, -1}},
        {"pad 7", Qt::Key_7, pad, {-1, -1}},
        {"pad 8", Qt::Key_8, pad, {100, -1}},
        {"Page Up", Qt::Key_PageUp, none, {967, -1}},
        {"pad 9", Qt::Key_9, pad, {967, -1}},
        {"pad 4", Qt::Key_4, pad, {-1, 100}},
        {"pad 5", Qt::Key_5, pad, {483, 164}},
        {"pad 6", Qt::Key_6, pad, {967, 100}},
        {"End", Qt::Key_End, none, {0, 328}},
        {"pad 1", Qt::Key_1, pad, {0, 328}},
        {"pad 2", Qt::Key_2, pad, {100, 328}},
        {"Page Down", Qt::Key_PageDown, none, {967, 328}},
        {"pad 3", Qt::Key_3, pad, {967, 328}},
        {"Left", Qt::Key_Left, none, {95, 100}},
        {"Up", Qt::Key_Up, none, {100, 95}},
        {"Right", Qt::Key_Right, none, {105, 100}},
        {"Down", Qt::Key_Down, none, {100, 105}},
        {"pad 5 with Num Lock off", Qt::Key_Clear, pad, {100, 100}},
        {"main keyboard 5", Qt::Key_5, none, {100, 100}},
    };
    start();
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        window->move(100, 100);
        QTest::keyClick(window.get(), Qt::Key(row.key), row.modifiers);
        EXPECT_EQ(window->pos(), row.expected);
    }
}

TEST_F(ClockWindow, LeftArrowStopsHalfTheClockOffTheScreen)
{
    start();
    window->move(0, 100);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(window->x(), -200);
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(window->x(), -200);
}

TEST_F(ClockWindow, OnSeveralMonitorsTheClocksOwnMonitorIsTheScreen)
{
    const Monitor left{{0, 0, 1920, 1080}, {0, 0, 1920, 1050}};
    const Monitor right{{1920, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
    screens = ScreenLayout({left, right});
    writeSettings("[Position]\nKeepIt=1\nLeft=2500\nTop=300\n");
    start();
    EXPECT_EQ(window->pos(), QPoint(2500, 300)) << "the stored place on the second monitor";
    QTest::keyClick(window.get(), Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(window->pos(), QPoint(3441, 680));
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(options()->seSize->value(), 410) << "the second monitor is taller than the clock";

    // Its monitor unplugged: onto the remaining one, wholly, and saved there.
    screens = ScreenLayout({left});
    window->screensChanged();
    EXPECT_EQ(window->pos(), QPoint(1510, 640));
    window->close();
    EXPECT_TRUE(settingsText().contains("Left=1510\r\nTop=640") || settingsText().contains("Left=1510\nTop=640"))
        << settingsText().constData();
}

TEST_F(ClockWindow, PadPlusAndMinusResizeThroughTheSizeControl)
{
    start();
    QTest::keyClick(window.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(options()->seSize->value(), 410);
    EXPECT_EQ(skin.CurrentSkin.ClockSize, 410);
    EXPECT_EQ(window->size(), QSize(410, 410)); // rebuilt at once
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(window->size(), QSize(400, 400));
    QTest::keyClick(window.get(), Qt::Key_Plus); // the main keyboard's plus does nothing
    EXPECT_EQ(window->size(), QSize(400, 400));

    options()->seSize->setValue(60);
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(options()->seSize->value(), 50);
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(options()->seSize->value(), 50);
}

TEST_F(ClockWindow, HideKeysInEitherCase)
{
    for (const char key : {'h', 'H', 'm', 'M'}) {
        SCOPED_TRACE(key);
        start();
        QTest::keyClick(window.get(), key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(window->mHide->isChecked());
        EXPECT_TRUE(window->trayIcon()->HideTask());
        window->ShowUp();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->mShow->isChecked());
        window.reset();
    }
}

TEST_F(ClockWindow, OptionsKeyAndRightButtonOpenTheOptionsWindow)
{
    start();
    int seenOpen = 0;
    auto closeWhenOpen = [&] {
        QTimer::singleShot(0, options(), [&] {
            seenOpen += options()->isVisible() ? 1 : 0;
            options()->reject();
        });
    };
    closeWhenOpen();
    QTest::keyClick(window.get(), 'o');
    closeWhenOpen();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(200, 200));
    EXPECT_EQ(seenOpen, 2);
    EXPECT_EQ(options()->pcOptions->currentIndex(), 0);

    // With the clock hidden, the options window opens on the Alarms page.
    window->mHideClick();
    closeWhenOpen();
    window->mPropertiesClick();
    EXPECT_EQ(seenOpen, 3);
    EXPECT_EQ(options()->pcOptions->currentIndex(), TfrmOptions::kAlarmsPage);
}

TEST_F(ClockWindow, TimerKeyShowsElapsedTimeAboveTheToolbar)
{
    start();
    window->move(1200, 600); // near the bottom right corner: the toolbar is held on the screen
    QPoint toolbarPos;
    int faceStateAfterTick = 99;
    QTimer::singleShot(0, timer(), [&] {
        toolbarPos = timer()->pos();
        window->Timer1Timer(); // rebuild requested: the face now shows the elapsed time
        faceStateAfterTick = window->face().faceState();
        EXPECT_EQ(window->clockTime(), 0.0);
        timer()->reject();
    });
    QTest::keyClick(window.get(), 't');
    EXPECT_EQ(toolbarPos.y(), 768 - 70);
    EXPECT_EQ(toolbarPos.x(), 1366 - 70);
    EXPECT_EQ(faceStateAfterTick, 0); // twelve o'clock
    EXPECT_EQ(window->face().faceState(), ClockFace::kRebuildRequested);
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 10); // back to the time of day
}

TEST_F(ClockWindow, FaceStateFollowsTheTicks)
{
    start({QStringLiteral("horavine")}, false);
    EXPECT_EQ(window->face().faceState(), ClockFace::kNotBuilt);
    EXPECT_EQ(window->Tag(), -1);
    // Until the first face: the start-up picture, which is also the window's and the tray's icon.
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_NE(window->grab().toImage().pixel(167, 164), QColor::fromRgb(TfrmZavIro::kBackgroundColor).rgb());
    window->face().RequestRebuild(); // nothing before the first tick
    EXPECT_EQ(window->face().faceState(), ClockFace::kNotBuilt);
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 10);
    window->face().RequestRebuild();
    EXPECT_EQ(window->face().faceState(), ClockFace::kRebuildRequested);
    clock.advanceSeconds(1);
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 10);

    clock.set(Moment(10, 59, 59));
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 59);
    clock.set(Moment(11, 0, 0));
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 0);
    clock.set(Moment(14, 37, 0)); // a jump of the system clock
    window->Timer1Timer();
    EXPECT_EQ(window->face().faceState(), 37);
}

TEST_F(ClockWindow, TickTimerIsReArmedToJustAfterTheNextWholeSecond)
{
    clock.set(Moment(10, 10, 30) + 250 * kOneMillisecond);
    start();
    EXPECT_TRUE(window->tickTimer().isActive());
    EXPECT_TRUE(window->tickTimer().isSingleShot());
    EXPECT_EQ(window->tickTimer().timerType(), Qt::PreciseTimer);
    EXPECT_EQ(window->tickTimer().interval(), 750 + ClockFace::kTickMarginMs);
}

TEST_F(ClockWindow, TicksGoOnWhileAnAlarmWindowIsOpen)
{
    // The alarm hook presents an alarm modally: its loop must still see the next ticks.
    clock.set(Moment(10, 10, 30) + 900 * kOneMillisecond); // ticks fall due about 0.1 s apart
    start();
    int nestedTicks = 0;
    bool presented = false;
    bool presenting = false;
    window->AlarmHook = [&](TDateTime) {
        if (presenting) {
            ++nestedTicks;
            return;
        }
        if (presented)
            return;
        presenting = presented = true;
        QEventLoop modal;
        QTimer::singleShot(500, &modal, &QEventLoop::quit);
        modal.exec();
        presenting = false;
    };
    for (int waited = 0; waited < 3000 && !(presented && !presenting); waited += 50)
        QTest::qWait(50); // the tick timer itself opens the "alarm window"
    EXPECT_TRUE(presented);
    EXPECT_GE(nestedTicks, 1);
}

TEST_F(ClockWindow, ShapeAndAlphaComeFromTheSkin)
{
    const struct
    {
        int notCircular, rounded, transparency;
        QPoint inside, outside;
        int alpha;
    } rows[] = {
        {1, 0, 0, {1, 1}, {0, 0}, 255}, // square: 1-pixel margin
        {1, 0, 30, {398, 398}, {399, 399}, 178},
        {0, 0, 50, {200, 0}, {3, 3}, 128}, // circle touches the edges, corners cut
        {1, 1, 90, {1, 200}, {3, 3}, 128}, // rounded: corners cut
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.notCircular * 100 + row.rounded * 10);
        skin.CurrentSkin.NotCircular = std::uint8_t(row.notCircular);
        skin.CurrentSkin.Rounded = std::uint8_t(row.rounded);
        skin.CurrentSkin.Transparency = std::uint8_t(row.transparency);
        window->face().RebuildFace();
        EXPECT_TRUE(window->mask().contains(row.inside));
        EXPECT_FALSE(window->mask().contains(row.outside));
        EXPECT_EQ(window->mask(), WindowOutline(400, row.notCircular, row.rounded));
        EXPECT_EQ(qRound(window->windowOpacity() * 255), row.alpha);
    }
}

TEST_F(ClockWindow, StayOnTopFollowsTheBoxOnlyWhileShown)
{
    start();
    options()->chkStayOnTop->setChecked(true); // a skin control change: rebuilt at once
    EXPECT_TRUE(window->stayOnTopApplied());
    window->mHideClick();
    options()->chkStayOnTop->setChecked(false);
    EXPECT_TRUE(window->stayOnTopApplied()); // hidden: left as it was
    window->ShowUp();
    EXPECT_TRUE(window->stayOnTopApplied()); // until the next rebuild
    window->face().RebuildFace();
    EXPECT_FALSE(window->stayOnTopApplied());
}

TEST_F(ClockWindow, BrokenSkinFontIsListedInMissingFonts)
{
    QDir(file(QString())).mkpath(QStringLiteral("Fonts"));
    QFile bad(file(QStringLiteral("Fonts/Broken.ttf")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a font at all");
    bad.close();
    start();
    QFile missing(file(QStringLiteral("Fonts/MissingFonts.txt")));
    ASSERT_TRUE(missing.open(QIODevice::ReadOnly));
    EXPECT_TRUE(missing.readAll().contains("Broken.ttf"));
}

} // namespace
} // namespace horavine::test
