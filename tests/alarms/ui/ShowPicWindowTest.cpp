#include "alarms/AlarmTestSupport.h"
#include "alarms/FakeAlarmSound.h"
#include "alarms/ui/TfrmShowPic.h"
#include "app/ErrorBox.h"
#include "app/ShellTestApp.h"
#include "common/Picture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
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
        write("chime.wav", "RIFF");
        write("notes.txt", "call the bank");
        write("broken.jpg", "\xff\xd8\xff\xe0 not a picture");
    }
    void TearDown() override { SetErrorBoxHandler(nullptr); }

    QString file(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    void write(const char* name, const char* content) const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) > 0);
    }

    TAlarmRecord pictureAlarm(const char* visual, bool sound, int staysOn) const
    {
        TAlarmRecord alarm = MakeAlarm(akDaily, AtTime(7, 30));
        alarm.Name.setText(QStringLiteral("Wake"));
        alarm.ShowAudioImage = 1;
        alarm.VisualFile.setText(*visual == '/' || *visual == '\0' ? QString::fromUtf8(visual) : file(visual));
        alarm.Sound = sound ? 1 : 0;
        alarm.SoundFile.setText(file("chime.wav"));
        alarm.StaysOn = staysOn;
        return alarm;
    }
    TAlarmRecord documentAlarm(const QString& document) const
    {
        TAlarmRecord alarm = pictureAlarm("WakeUp.jpg", true, 1);
        alarm.ShowAudioImage = 0;
        alarm.DocFile.setText(document);
        return alarm;
    }

    // Presents the alarm; once its window is up, `during` runs in the window's modal loop and is to
    // close it. A window still up after five seconds is closed by force, which fails the test.
    // Returns whether `during` ran, that is whether the window was shown.
    bool present(const TAlarmRecord& alarm, const std::function<void()>& during)
    {
        bool ran = false;
        QTimer step;
        step.setSingleShot(true);
        QObject::connect(&step, &QTimer::timeout, [&] {
            ran = true;
            EXPECT_TRUE(window().isVisible());
            during();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            ADD_FAILURE() << "the window did not close";
            window().reject();
        });
        step.start(0);
        watchdog.start(5000);
        window().ShowAlarm(alarm);
        return ran;
    }

    bool guardsClear() const { return !m_window->SoundPlaying() && !m_window->AlarmShowing(); }
    TfrmShowPic& window() { return *m_window; }
    FakeAlarmSound& sound() { return *m_sound; }

    RecordingOpener* m_opener = nullptr;
    QStringList errors;

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
        bool desktopOpensIt;
        bool opened;
    };
    const Row rows[] = {
        {"notes.txt", true, true},
        {"notes.txt", false, false}, // refused by the desktop: the alarm is not lost
        {"missing.txt", true, false},
        {"", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.document);
        m_opener->opened.clear();
        m_opener->accept = row.desktopOpensIt;
        const QString document = *row.document ? file(row.document) : QString();
        QString text;
        const bool shown = present(documentAlarm(document), [&] {
            text = window().StaticText1->text();
            EXPECT_TRUE(window().AlarmShowing());
            EXPECT_FALSE(window().SoundPlaying());
            EXPECT_FALSE(window().Image1->isVisible());
            window().Image1Click();
        });
        EXPECT_EQ(shown, !row.opened);
        EXPECT_EQ(m_opener->opened.size(), QFileInfo::exists(document) ? 1 : 0);
        EXPECT_EQ(text, row.opened ? QString() : QStringLiteral(" Rinnnng... (Wake)"));
        EXPECT_TRUE(guardsClear());
        EXPECT_EQ(sound().starts, 0);
    }
}

TEST_F(ShowPicWindow, EveryWayOfClosingClearsBothGuardsAndStopsTheSound)
{
    struct Row
    {
        const char* how;
        const char* visual;
        int staysOn;
        std::function<void(TfrmShowPic&, FakeAlarmSound&)> close;
    };
    const Row rows[] = {
        {"click on the picture", "WakeUp.jpg", 1,
         [](TfrmShowPic& w, FakeAlarmSound&) {
             QTest::mouseClick(w.Image1, Qt::LeftButton);
         }},
        {"click on the text", "Call the bank", 1,
         [](TfrmShowPic& w, FakeAlarmSound&) {
             QTest::mouseClick(w.StaticText1, Qt::LeftButton);
         }},
        {"Escape", "WakeUp.jpg", 9999,
         [](TfrmShowPic& w, FakeAlarmSound&) {
             QTest::keyClick(&w, Qt::Key_Escape);
         }},
        {"close box", "WakeUp.jpg", 3,
         [](TfrmShowPic& w, FakeAlarmSound&) {
             w.close();
         }},
        {"end of the sound", "WakeUp.jpg", 0,
         [](TfrmShowPic&, FakeAlarmSound& s) {
             s.advance(10);
         }},
        {"timer", "WakeUp.jpg", 1,
         [](TfrmShowPic& w, FakeAlarmSound& s) {
             EXPECT_TRUE(w.Timer1.isActive());
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
        EXPECT_TRUE(present(pictureAlarm(row.visual, true, row.staysOn), [&] {
            EXPECT_TRUE(window().SoundPlaying() && window().AlarmShowing());
            EXPECT_TRUE(sound().playing);
            row.close(window(), sound());
        }));
        EXPECT_FALSE(window().isVisible());
        EXPECT_TRUE(guardsClear());
        EXPECT_FALSE(sound().playing);
        EXPECT_FALSE(window().Timer1.isActive());
        // A report of the end that arrives now changes nothing.
        sound().end();
        EXPECT_FALSE(window().isVisible());
        EXPECT_GT(sound().stops, stops);
    }
}

TEST_F(ShowPicWindow, ShowAlarmDuringAPresentationDoesNothing)
{
    int nestedReturned = 0;
    present(pictureAlarm("WakeUp.jpg", true, 1), [&] {
        window().ShowAlarm(documentAlarm(file("notes.txt")));
        window().ShowAlarm(pictureAlarm("Other text", false, 0));
        ++nestedReturned;
        EXPECT_TRUE(window().Image1->isVisible());
        EXPECT_EQ(sound().starts, 1);
        window().Image1Click();
    });
    EXPECT_EQ(nestedReturned, 1);
    EXPECT_TRUE(m_opener->opened.isEmpty());
}

TEST_F(ShowPicWindow, AlarmsWithoutAPlayableSoundStayUntilClicked)
{
    struct Row
    {
        const char* why;
        std::function<void(FakeAlarmSound&)> arrange; // before ShowAlarm
        std::function<void(FakeAlarmSound&)> meanwhile; // while the window is up
        int errorReports;
    };
    const Row rows[] = {
        {"the player cannot play the file", [](FakeAlarmSound&) {},
         [](FakeAlarmSound& s) {
             s.fail(QStringLiteral("Cannot play chime.wav"));
             s.fail(QStringLiteral("Cannot play chime.wav"));
         },
         1},
        {"the player refuses the file as it opens", [](FakeAlarmSound& s) { s.refuse = true; }, [](FakeAlarmSound&) {},
         1},
        {"no sound output", [](FakeAlarmSound& s) { s.output = false; }, [](FakeAlarmSound&) {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        errors.clear();
        sound().output = true;
        sound().refuse = false;
        row.arrange(sound());
        EXPECT_TRUE(present(pictureAlarm("C:\\Clock\\Alarm\\Call the bank", true, 1), [&] {
            row.meanwhile(sound());
            EXPECT_EQ(window().StaticText1->text(), QStringLiteral(" Call the bank "));
            EXPECT_FALSE(window().SoundPlaying());
            EXPECT_TRUE(window().AlarmShowing());
            EXPECT_FALSE(window().Timer1.isActive());
            for (int tick = 0; tick < 100; ++tick)
                window().Timer1Timer();
            sound().end();
            EXPECT_TRUE(window().isVisible());
            QTest::mouseClick(window().StaticText1, Qt::LeftButton);
        }));
        EXPECT_EQ(errors.size(), row.errorReports);
        EXPECT_TRUE(guardsClear());
        EXPECT_FALSE(sound().playing);
    }
}

TEST_F(ShowPicWindow, ADamagedPictureRaisesPictureErrorWithNothingLeftOn)
{
    for (bool withSound : {true, false}) {
        EXPECT_THROW(present(pictureAlarm("broken.jpg", withSound, 1), [] {}), PictureError);
        EXPECT_TRUE(guardsClear());
        EXPECT_FALSE(sound().playing);
        EXPECT_FALSE(window().isVisible());
        EXPECT_FALSE(window().Timer1.isActive());
    }
    // The next alarm is presented as usual.
    present(documentAlarm(file("notes.txt")), [] {});
    EXPECT_EQ(m_opener->opened.size(), 1);
}

TEST_F(ShowPicWindow, WindowFitsItsContentInTheMiddleOfTheScreenAndSpeaksToScreenReaders)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    present(pictureAlarm("WakeUp.jpg", false, 0), [&] {
        EXPECT_EQ(window().size(), QSize(320, 240));
        EXPECT_LE((window().frameGeometry().center() - screen.center()).manhattanLength(), 1);
        EXPECT_EQ(window().windowTitle(), QStringLiteral("Your alarm is on !!! / click to close"));
        EXPECT_TRUE(window().windowFlags() & Qt::WindowStaysOnTopHint);
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(window().Image1);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("WakeUp.jpg"));
        ASSERT_NE(picture->actionInterface(), nullptr);
        // A screen reader's press closes the window like a click.
        picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    EXPECT_TRUE(guardsClear());

    present(pictureAlarm("Meeting at 10:30", false, 0), [&] {
        const QLabel& label = *window().StaticText1;
        EXPECT_EQ(label.text(), QStringLiteral(" 30 "));
        EXPECT_EQ(label.font().pixelSize(), 30);
        EXPECT_EQ(label.font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(label.palette().color(QPalette::WindowText), label.palette().color(QPalette::Link));
        EXPECT_EQ(window().size(), label.sizeHint());
        EXPECT_LE((window().frameGeometry().center() - screen.center()).manhattanLength(), 1);
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(window().StaticText1);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->role(), QAccessible::StaticText);
        EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("30"));
        QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&window());
        EXPECT_EQ(dialog->text(QAccessible::Name), window().windowTitle());
        QTest::keyClick(&window(), Qt::Key_Escape);
    });
    EXPECT_TRUE(guardsClear());
}

} // namespace
