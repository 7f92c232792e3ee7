// The clock on a desktop: its end when a save fails, the command keys under a held key, and the
// timer toolbar placed by its frame.

#include "ClockWindowFixture.h"
#include "controls/WindowFrame.h"
#include "support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace horavine::test {
namespace {

using ClockDesktop = ClockWindowFixture;

// What run writes to stderr. A pipe takes it: the file-size limit of a "full disk" leaves pipes alone.
QByteArray CaptureStderr(const std::function<void()>& run)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "(no pipe)";
    std::fflush(stderr);
    const int saved = ::dup(2);
    ::dup2(fds[1], 2);
    ::close(fds[1]);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    QByteArray text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    ::close(fds[0]);
    return text;
}

TEST_F(ClockDesktop, SessionEndWithAFailedSaveEndsAtOnceAndTellsStderr)
{
    const struct
    {
        const char* name;
        bool fullDisk; // else a folder stands where the settings file goes: no write succeeds, not even as root
        const char* message;
    } rows[] = {
        {"full disk: the alarm file goes first", true, "horavine: Cannot write \""},
        {"settings file cannot be written", false, "horavine: Unable to write to "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        alarms.push_back(TAlarmRecord{});
        int closed = 0;
        window->OnClosed = [&] {
            ++closed;
        };
        QByteArray err;
        if (row.fullDisk) {
            const FileSizeLimit full(0);
            ASSERT_TRUE(full.active());
            err = CaptureStderr([&] { window->EndSession(); });
        } else {
            ASSERT_TRUE(QDir(file(QString())).mkpath(QStringLiteral("horavine.ini")));
            err = CaptureStderr([&] { window->EndSession(); });
            QDir(file(QString())).rmdir(QStringLiteral("horavine.ini"));
        }
        EXPECT_EQ(closed, 1);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->settingsOpen()); // released: a later close writes nothing
        EXPECT_TRUE(window->saveFailedAtEnd());
        EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString(); // no box, no question
        EXPECT_TRUE(err.startsWith(row.message)) << err.toStdString();
        EXPECT_TRUE(err.endsWith('\n'));
        window.reset();
        messages.clear();
        alarms.clear();
    }
}

TEST_F(ClockDesktop, UsersCloseWithAFailedSaveAsksAndTheAnswerDecides)
{
    const struct
    {
        const char* name;
        bool closeAnyway;
    } rows[] = {{"No: the window stays with its settings", false}, {"Yes: the clock ends unsaved", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        start();
        closeUnsaved = row.closeAnyway;
        int closed = 0;
        window->OnClosed = [&] {
            ++closed;
        };
        ASSERT_TRUE(QDir(file(QString())).mkpath(QStringLiteral("horavine.ini")));
        const QByteArray err = CaptureStderr([&] { window->mExitClick(); });
        QDir(file(QString())).rmdir(QStringLiteral("horavine.ini"));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages.first().startsWith(QStringLiteral("Unable to write to ")));
        EXPECT_TRUE(messages.first().endsWith(QStringLiteral("\n\nClose the clock without saving?")));
        EXPECT_EQ(closed, row.closeAnyway ? 1 : 0);
        EXPECT_EQ(window->isVisible(), !row.closeAnyway);
        EXPECT_EQ(window->settingsOpen(), !row.closeAnyway);
        EXPECT_FALSE(window->saveFailedAtEnd());
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
        window.reset();
        messages.clear();
    }
}

TEST_F(ClockDesktop, SessionEndWhileTheUsersQuestionIsUpEndsAndTellsStderr)
{
    start();
    int closed = 0;
    window->OnClosed = [&] {
        ++closed;
    };
    window->AskCloseUnsaved = [&](const QString&) {
        window->EndSession(); // SIGTERM while the question waits for an answer
        return false;
    };
    ASSERT_TRUE(QDir(file(QString())).mkpath(QStringLiteral("horavine.ini")));
    const QByteArray err = CaptureStderr([&] { window->mExitClick(); });
    EXPECT_GE(closed, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->settingsOpen());
    EXPECT_TRUE(window->saveFailedAtEnd()); // known before the program's loop returns
    EXPECT_TRUE(err.contains("Unable to write to ")) << err.toStdString();
}

TEST_F(ClockDesktop, AutoRepeatedPressesGiveNoCommand)
{
    const struct
    {
        const char* name;
        int key;
        const char* text;
        QPoint pos;
    } rows[] = {
        {"h", Qt::Key_H, "h", {100, 100}},
        {"M", Qt::Key_M, "M", {100, 100}},
        {"o", Qt::Key_O, "o", {100, 100}},
        {"T", Qt::Key_T, "T", {100, 100}},
        {"a held arrow keeps nudging", Qt::Key_Left, "", {95, 100}},
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window->move(100, 100);
        bool opened = false;
        QTimer::singleShot(0, window.get(), [&] { // closes a window the key should not have opened
            for (QDialog* dialog : {static_cast<QDialog*>(window->options()), static_cast<QDialog*>(window->timer())}) {
                opened = opened || (dialog && dialog->isVisible());
                if (dialog && dialog->isVisible())
                    dialog->reject();
            }
        });
        QKeyEvent event(QEvent::KeyPress, row.key, Qt::NoModifier, QString::fromLatin1(row.text), true);
        QCoreApplication::sendEvent(window.get(), &event);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window->isClockShown());
        EXPECT_FALSE(opened);
        EXPECT_EQ(window->pos(), row.pos);
    }
}

// A key held down repeats as a release and a press at the same time stamp; Qt flags the pair only
// when it sees both at once. Each row is a sequence of events on a clock that has just got the focus.
TEST_F(ClockDesktop, HeldKeyIsKnownByTheFocusAndByTheTimeStamps)
{
    const quint32 h = 43; // the scan code of "h" on a usual X keyboard; any code will do here
    struct KeyStep
    {
        QEvent::Type type;
        quint32 code;
        quint64 time;
    };
    const struct
    {
        const char* name;
        bool downAtFocus;
        std::vector<KeyStep> steps; // the last one is the press that is judged
        bool hides;
    } rows[] = {
        {"a fresh press", false, {{QEvent::KeyPress, h, 1000}}, true},
        {"still down from before the focus", true, {{QEvent::KeyPress, h, 1000}}, false},
        {"another key with the same character", true, {{QEvent::KeyPress, h + 1, 1000}}, true},
        {"let go after the focus, then pressed",
         true,
         {{QEvent::KeyRelease, h, 900}, {QEvent::KeyPress, h, 1000}},
         true},
        {"a repeat Qt took for a release and a press",
         false,
         {{QEvent::KeyRelease, h, 1000}, {QEvent::KeyPress, h, 1000}},
         false},
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::bitset<256> down;
        down[h] = row.downAtFocus;
        window->setKeysDownProvider([down] { return down; });
        QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(window.get(), &focus);
        for (const KeyStep& step : row.steps) {
            QKeyEvent event(step.type, Qt::Key_H, Qt::NoModifier, step.code, 0, 0, QStringLiteral("h"));
            event.setTimestamp(step.time);
            QCoreApplication::sendEvent(window.get(), &event);
        }
        EXPECT_EQ(!window->isClockShown(), row.hides);
        window->ShowUp();
    }
}

TEST_F(ClockDesktop, TimerToolbarsFrameStandsDirectlyBelowTheClock)
{
    const struct
    {
        const char* name;
        QPoint clock;
        QPoint clockAfterTick; // the clock follows the toolbar's outer top edge
    } rows[] = {
        {"room below", {100, 50}, {100, 50}},
        {"at the top left corner", {0, 0}, {0, 0}},
        {"toolbar held 70 pixels above the screen's bottom", {900, 368}, {900, 698 - 400}},
    };
    start();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window->move(row.clock);
        QRect toolbar;
        QPoint clockAfterTick;
        bool framed = false;
        QTimer::singleShot(0, timer(), [&] {
            framed = FrameKnown(timer()); // the offscreen platform frames the toolbar as a window manager would
            toolbar = OuterGeometry(timer());
            window->Timer1Timer();
            clockAfterTick = window->pos();
            timer()->reject();
        });
        QTest::keyClick(window.get(), 't');
        ASSERT_TRUE(framed);
        EXPECT_EQ(toolbar.top(), std::min(row.clock.y() + 400, 768 - 70));
        EXPECT_EQ(clockAfterTick, row.clockAfterTick);
        EXPECT_EQ(clockAfterTick.y() + 400, toolbar.top()); // the title bar is not under the clock
        // Centred by the outer width: the two centres at most half a pixel apart.
        EXPECT_LE(std::abs(2 * toolbar.left() + toolbar.width() - (2 * clockAfterTick.x() + 400)), 1);
    }
}

} // namespace
} // namespace horavine::test
