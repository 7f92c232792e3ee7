#include "alarms/AlarmTestSupport.h"
#include "alarms/FakeAlarmSound.h"
#include "alarms/ui/SnoozeButton.h"
#include "alarms/ui/TfrmShowPic.h"
#include "app/ShellTestApp.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace horavine;
using namespace horavine::test;

namespace {

class RecordingOpener : public DocumentOpener
{
public:
    bool open(const QString& path) override
    {
        opened << path;
        return accept;
    }
    QStringList opened;
    bool accept = true;
};

class ShowPicWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        auto sound = std::make_unique<FakeAlarmSound>();
        auto opener = std::make_unique<RecordingOpener>();
        m_sound = sound.get();
        m_opener = opener.get();
        m_window = std::make_unique<TfrmShowPic>(std::move(sound), std::move(opener));
        SetErrorBoxHandler([this](const QString& text) { errors << text; });
        ASSERT_TRUE(QFile::copy(QStringLiteral(HORAVINE_SOURCE_DIR "/data/Alarm/WakeUp.jpg"), file("WakeUp.jpg")));
        for (const char* name : {"chime.wav", "notes.txt", "broken.jpg"}) {
            QFile f(file(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("\xff\xd8\xff\xe0 no picture") > 0);
        }
    }
    void TearDown() override { SetErrorBoxHandler(nullptr); }

    QString file(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    // visual: a file of the test folder when it exists there, else the text itself.
    TAlarmRecord alarm(const char* visual, bool sound, int staysOn, const char* document = nullptr) const
    {
        TAlarmRecord a = MakeAlarm(akDaily, AtTime(7, 30));
        a.Name.setText(QStringLiteral("Wake"));
        a.ShowAudioImage = document ? 0 : 1;
        a.VisualFile.setText(QFile::exists(file(visual)) ? file(visual) : QString::fromUtf8(visual));
        a.Sound = sound ? 1 : 0;
        a.SoundFile.setText(file("chime.wav"));
        a.DocFile.setText(document && *document ? file(document) : QString());
        a.StaysOn = staysOn;
        return a;
    }

    // Presents the alarm; once its window is up, `during` runs in the window's modal loop and is to
    // close it. A window still up after five seconds is closed by force, which fails the test.
    // Returns whether the window was shown.
    // With snoozeMinutes above 0 Snooze is offered; snoozedFor then holds the answer.
    bool present(const TAlarmRecord& alarm, const std::function<void()>& during, int snoozeMinutes = 0)
    {
        bool shown = false;
        QTimer step, watchdog;
        step.setSingleShot(true);
        watchdog.setSingleShot(true);
        QObject::connect(&step, &QTimer::timeout, [&] {
            shown = window().isVisible();
            during();
        });
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            ADD_FAILURE() << "the window did not close";
            window().reject();
        });
        step.start(0);
        watchdog.start(5000);
        if (snoozeMinutes > 0)
            snoozedFor = window().ShowAlarmOfferingSnooze(alarm, snoozeMinutes);
        else
            window().ShowAlarm(alarm);
        return shown;
    }

    bool guardsClear() const { return !m_window->SoundPlaying() && !m_window->AlarmShowing(); }
    TfrmShowPic& window() { return *m_window; }
    FakeAlarmSound& sound() { return *m_sound; }

    RecordingOpener* m_opener = nullptr;
    QStringList errors;
    std::optional<int> snoozedFor;

private:
    QTemporaryDir m_dir;
    FakeAlarmSound* m_sound = nullptr;
    std::unique_ptr<TfrmShowPic> m_window;
};

TEST_F(ShowPicWindow, DocumentAlarmsOpenTheDocumentOrShowTheRinnnngText)
{
    struct Row
    {
        const char* document;
        bool desktopOpensIt, opened;
    } const rows[] = {
        {"notes.txt", true, true},
        {"notes.txt", false, false}, // refused by the desktop: the alarm is not lost
        {"missing.txt", true, false},
        {"", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.document);
        m_opener->accept = row.desktopOpensIt;
        QString text;
        EXPECT_EQ(present(alarm("WakeUp.jpg", true, 1, row.document),
                          [&] {
                              text = window().StaticText1->text();
                              EXPECT_TRUE(window().AlarmShowing() && !window().Image1->isVisible());
                              window().Image1Click();
                          }),
                  !row.opened);
        EXPECT_EQ(text, row.opened ? QString() : QStringLiteral(" Rinnnng... (Wake)"));
        EXPECT_TRUE(guardsClear());
    }
    EXPECT_EQ(m_opener->opened, QStringList(2, file("notes.txt")));
    EXPECT_EQ(sound().starts, 0);
}

TEST_F(ShowPicWindow, EveryWayOfClosingClearsBothGuardsAndStopsTheSound)
{
    using Close = std::function<void(TfrmShowPic&, FakeAlarmSound&)>;
    struct Row
    {
        const char *how, *visual;
        int staysOn;
        Close close;
    } const rows[] = {
        {"picture clicked", "WakeUp.jpg", 1,
         [](auto& w, auto&) {
             QTest::mouseClick(w.Image1, Qt::LeftButton);
         }},
        {"text clicked", "Call the bank", 1,
         [](auto& w, auto&) {
             QTest::mouseClick(w.StaticText1, Qt::LeftButton);
         }},
        {"Escape", "WakeUp.jpg", 9999,
         [](auto& w, auto&) {
             QTest::keyClick(&w, Qt::Key_Escape);
         }},
        {"close box", "WakeUp.jpg", 3,
         [](auto& w, auto&) {
             w.close();
         }},
        {"end of the sound", "WakeUp.jpg", 0,
         [](auto&, auto& s) {
             s.advance(10);
         }},
        {"timer", "WakeUp.jpg", 1,
         [](auto& w, auto& s) {
             for (int tick = 1; tick <= 62; ++tick) {
                 s.advance(1);
                 w.Timer1Timer();
                 EXPECT_EQ(w.isVisible(), tick < 62) << tick;
             }
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        const int stops = sound().stops;
        EXPECT_TRUE(present(alarm(row.visual, true, row.staysOn), [&] {
            EXPECT_TRUE(window().SoundPlaying() && window().AlarmShowing() && sound().playing);
            EXPECT_EQ(window().Timer1.isActive(), row.staysOn > 0);
            // A second alarm meanwhile is not presented.
            window().ShowAlarm(alarm("", true, 0, "notes.txt"));
            window().ShowAlarm(alarm("Other", true, 0));
            EXPECT_TRUE(m_opener->opened.isEmpty());
            row.close(window(), sound());
        }));
        EXPECT_TRUE(guardsClear() && !window().isVisible() && !window().Timer1.isActive());
        EXPECT_FALSE(sound().playing);
        EXPECT_GT(sound().stops, stops);
        sound().end(); // a report of the end that comes now changes nothing
        EXPECT_TRUE(guardsClear() && !window().isVisible());
    }
    EXPECT_EQ(sound().starts, 7 + 5);
}

TEST_F(ShowPicWindow, AlarmsWithoutAPlayableSoundStayUntilClicked)
{
    struct Row
    {
        const char* why;
        std::function<void(FakeAlarmSound&)> before, meanwhile;
        int errorReports;
    } const rows[] = {
        {"the player fails while playing", [](auto&) {},
         [](auto& s) { s.fail(QStringLiteral("bad")), s.fail(QStringLiteral("bad")); }, 1},
        {"the player refuses the file as it opens", [](auto& s) { s.refuse = true; }, [](auto&) {}, 1},
        {"no sound output", [](auto& s) { s.output = false; }, [](auto&) {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        errors.clear();
        row.before(sound());
        EXPECT_TRUE(present(alarm("C:\\Clock\\Alarm\\Call the bank", true, 1), [&] {
            row.meanwhile(sound());
            EXPECT_EQ(window().StaticText1->text(), QStringLiteral(" Call the bank "));
            EXPECT_TRUE(!window().SoundPlaying() && window().AlarmShowing() && !window().Timer1.isActive());
            for (int tick = 0; tick < 100; ++tick)
                window().Timer1Timer();
            sound().end();
            EXPECT_TRUE(window().isVisible());
            QTest::mouseClick(window().StaticText1, Qt::LeftButton);
        }));
        EXPECT_EQ(errors.size(), row.errorReports);
        EXPECT_TRUE(guardsClear());
        sound().output = true;
        sound().refuse = false;
    }
}

TEST_F(ShowPicWindow, ADamagedPictureRaisesPictureErrorWithNothingLeftOn)
{
    for (bool withSound : {true, false}) {
        EXPECT_THROW(present(alarm("broken.jpg", withSound, 1), [] {}), PictureError);
        EXPECT_TRUE(guardsClear() && !window().isVisible() && !window().Timer1.isActive());
        EXPECT_FALSE(sound().playing);
    }
    present(alarm("", false, 0, "notes.txt"), [] {}); // the next alarm is presented as usual
    EXPECT_EQ(m_opener->opened.size(), 1);
}

TEST_F(ShowPicWindow, WindowFitsItsContentInTheMiddleOfTheScreenAndSpeaksToScreenReaders)
{
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    present(alarm("WakeUp.jpg", false, 0), [&] {
        EXPECT_EQ(window().size(), QSize(320, 240));
        EXPECT_LE((window().frameGeometry().center() - middle).manhattanLength(), 1);
        EXPECT_EQ(window().windowTitle(), QStringLiteral("Your alarm is on !!! / click to close"));
        EXPECT_TRUE(window().windowFlags() & Qt::WindowStaysOnTopHint);
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(window().Image1);
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("WakeUp.jpg"));
        ASSERT_NE(picture->actionInterface(), nullptr);
        picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // closes like a click
    });
    EXPECT_TRUE(guardsClear());

    present(alarm("Meeting at 10:30", false, 0), [&] {
        const QLabel& label = *window().StaticText1;
        EXPECT_EQ(label.font().pixelSize(), 30);
        EXPECT_EQ(label.font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(label.palette().color(QPalette::WindowText), label.palette().color(QPalette::Link));
        EXPECT_EQ(window().size(), label.sizeHint());
        EXPECT_LE((window().frameGeometry().center() - middle).manhattanLength(), 1);
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(window().StaticText1);
        EXPECT_EQ(text->role(), QAccessible::StaticText);
        EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("30"));
        // The window names the alarm that rings, for a screen reader that announces it.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&window())->text(QAccessible::Name),
                  QStringLiteral("Alarm \"Wake\" is ringing"));
        QTest::keyClick(&window(), Qt::Key_Escape);
    });
    EXPECT_TRUE(guardsClear());
}

TEST_F(ShowPicWindow, TheKeyboardAnswersTheAlarmAndSnoozeIsOfferedForPicturesAndTextsOnly)
{
    struct Row
    {
        const char* document;
        std::vector<Qt::Key> keys; // none: the button's press action, as a screen reader gives it
        std::optional<int> snoozedFor;
    } const rows[] = {
        {nullptr, {Qt::Key_Escape}, std::nullopt},
        {nullptr, {Qt::Key_Return}, std::nullopt},
        {nullptr, {Qt::Key_Enter}, std::nullopt},
        {nullptr, {Qt::Key_Space}, std::nullopt},
        {nullptr, {Qt::Key_S}, 5},
        {nullptr, {}, 5},
        {"missing.txt", {Qt::Key_S, Qt::Key_Escape}, std::nullopt}, // the text standing in for a document
    };
    for (const Row& row : rows) {
        snoozedFor = 99;
        EXPECT_TRUE(present(
            alarm("WakeUp.jpg", true, 9999, row.document),
            [&] {
                EXPECT_TRUE(QTest::qWaitForWindowActive(&window())); // keys reach it at once
                EXPECT_EQ(window().btnSnooze->isVisible(), row.document == nullptr);
                QAccessibleInterface* button = QAccessible::queryAccessibleInterface(window().btnSnooze);
                EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Snooze"));
                if (row.keys.empty())
                    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                for (Qt::Key key : row.keys)
                    QTest::keyClick(&window(), key);
            },
            5));
        EXPECT_EQ(snoozedFor, row.snoozedFor) << row.keys.size();
        EXPECT_TRUE(guardsClear() && !window().isVisible() && !sound().playing);
    }
    present(
        alarm("WakeUp.jpg", true, 9999), [&] { window().btnSnooze->menu()->actions()[2]->trigger(); }, 10);
    EXPECT_EQ(snoozedFor, 15); // the menu's third length
}

} // namespace
