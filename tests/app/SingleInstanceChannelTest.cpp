// The single-instance channel as other users and odd clients meet it.

#include "app/ActivationListener.h"
#include "app/ChannelFolder.h"
#include "app/SingleInstanceFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTest>
#include <algorithm>
#include <functional>
#include <sys/stat.h>

using namespace horavine;
using namespace horavine::test;

namespace {

constexpr uid_t kNobody = 65534;

void makeFolder(const QString& path, mode_t mode)
{
    ASSERT_EQ(::mkdir(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); // past the umask
}

struct FolderCase
{
    const char* name;
    std::function<void(const QString& row)> prepare; // row holds run/ (private) and tmp/ (shared)
    const char* runtime; // XDG_RUNTIME_DIR relative to the row; "" for unset
    const char* expected; // relative to the row, U standing for the user id; "" for none usable
};

TEST(ChannelFolderTest, TakesTheFirstNameThatIsTheUsersOwnAndPrivate)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = QStringLiteral("tmp/horavine-") + QString::number(::geteuid());
    auto taken = [base](std::function<void(const QString&)> take) {
        return [base, take](const QString& row) {
            take(row + QLatin1Char('/') + base);
        };
    };
    const FolderCase cases[] = {
        {"private runtime folder", {}, "run", "run/horavine"},
        {"runtime folder open to others",
         [](const QString& row) { ::chmod(QFile::encodeName(row + "/run").constData(), 0755); }, "run",
         "tmp/horavine-U"},
        {"first name a link to a private folder",
         taken([](const QString& p) { QFile::link(QFileInfo(p).path() + "/../run", p); }), "", "tmp/horavine-U.1"},
        {"first name ours but open to others", taken([](const QString& p) { makeFolder(p, 0755); }), "",
         "tmp/horavine-U.1"},
        {"every name taken", taken([](const QString& p) {
             for (int i = 0; i < ChannelFolder::kTempCandidates; ++i)
                 QFile(i == 0 ? p : p + "." + QString::number(i)).open(QIODevice::WriteOnly);
         }),
         "", ""},
        {"temporary folder others may rename in",
         [](const QString& row) { ::chmod(QFile::encodeName(row + "/tmp").constData(), 0777); }, "", ""},
    };
    int rowNumber = 0;
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString row = dir.filePath(QString::number(rowNumber++));
        makeFolder(row, 0755);
        makeFolder(row + "/run", 0700);
        makeFolder(row + "/tmp", 01777);
        if (c.prepare)
            c.prepare(row);
        const QString runtime = *c.runtime ? row + "/" + c.runtime : QString();
        QString expected = QString::fromLatin1(c.expected).replace('U', QString::number(::geteuid()));
        if (!expected.isEmpty())
            expected = row + "/" + expected;
        const QString found = ChannelFolder::locate(runtime, row + "/tmp");
        EXPECT_EQ(found.toStdString(), expected.toStdString());
        if (!found.isEmpty()) {
            EXPECT_TRUE(ChannelFolder::isPrivate(found));
        }
    }
    // A folder whose socket names would not fit a local socket's path is not taken either.
    const QString deep = dir.filePath(QString(ChannelFolder::kMaxPathLength, 'd'));
    makeFolder(deep, 01777);
    EXPECT_EQ(ChannelFolder::locate({}, deep).toStdString(), "");
}

// Another user's process: started as nobody, its temporary folder a shared one of the test.
class OtherUserTest : public SingleInstanceFixture
{
protected:
    void SetUp() override
    {
        SingleInstanceFixture::SetUp();
        if (const char* reason = whyNoOtherUser())
            GTEST_SKIP() << reason;
        ASSERT_TRUE(m_shared.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(m_shared.path()).constData(), 01777), 0);
    }

    ChildOptions asNobody() const
    {
        ChildOptions options;
        options.asNobody = true;
        options.tempDir = m_shared.path();
        return options;
    }

    QTemporaryDir m_shared;
};

TEST_F(OtherUserTest, AnotherUsersCopyOfTheSameExecutableRunsItsOwnClock)
{
    SingleInstance ours(exe());
    int requests = 0;
    ours.onActivateRequested = [&requests] {
        ++requests;
    };
    ASSERT_FALSE(ours.ActivatePreviousInstance());

    // Even told to use our runtime folder, it keeps out of it.
    ChildOptions options = asNobody();
    options.runtimeDir = QFileInfo(ours.folder()).path();
    QProcess* theirs = startChild(exe(), "hold", options);
    EXPECT_EQ(childAnswer(*theirs), QStringLiteral("child:registered"));
    const QString theirFolder = m_shared.filePath(QStringLiteral("horavine-%1").arg(kNobody));
    const QString theirRecord = SingleInstance::recordPath(theirFolder, SingleInstance::instanceKey(exe(), kNobody));
    EXPECT_EQ(QFileInfo(theirFolder).ownerId(), kNobody);
    EXPECT_EQ(readRecord(theirRecord).AppWindow, qint32(theirs->processId()));
    EXPECT_EQ(readRecord(theirRecord).InstanceCount, 1);
    theirs->kill();

    EXPECT_EQ(readRecord(record()).AppWindow, ownPid());
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);
    QTest::qWait(200);
    EXPECT_EQ(requests, 0);
}

TEST_F(OtherUserTest, AnotherUserCanNeitherMakeOurClockActNorTouchItsRecord)
{
    SingleInstance ours(exe());
    int requests = 0;
    ours.onActivateRequested = [&requests] {
        ++requests;
    };
    ASSERT_FALSE(ours.ActivatePreviousInstance());
    const QString server = SingleInstance::serverName(ours.folder(), ours.key(), ownPid());

    ChildOptions options = asNobody();
    options.target = server;
    options.record = record();
    QProcess* intruder = startChild(exe(), "poke", options);
    EXPECT_EQ(childAnswer(*intruder), QStringLiteral("child:poke socket=no record=no"));
    QTest::qWait(200);
    EXPECT_EQ(requests, 0);

    // Our own later start still gets through.
    EXPECT_TRUE(ActivationListener::send(server, SingleInstance::kAnswerTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([&requests] { return requests == 1; }, 5000));
}

TEST_F(OtherUserTest, NamesSquattedByAnotherUserDoNotStopOurClock)
{
    const QString base = m_shared.filePath(QStringLiteral("horavine-%1").arg(::geteuid()));
    ChildOptions squat = asNobody();
    squat.target = base;
    QProcess* squatter = startChild(exe(), "squat", squat);
    ASSERT_EQ(childAnswer(*squatter), QStringLiteral("child:squatted"));

    // Our starts, with the same temporary folder: the first runs, the second finds it.
    ChildOptions ourOptions;
    ourOptions.tempDir = m_shared.path();
    QProcess* first = startChild(exe(), "hold", ourOptions);
    EXPECT_EQ(childAnswer(*first), QStringLiteral("child:registered"));
    QProcess* second = startChild(exe(), "start", ourOptions);
    EXPECT_EQ(childAnswer(*second), QStringLiteral("child:refused"));

    const QString used = base + QStringLiteral(".3"); // past the open folder, the link and the file
    EXPECT_TRUE(ChannelFolder::isPrivate(used));
    EXPECT_EQ(readRecord(SingleInstance::recordPath(used, key())).AppWindow, qint32(first->processId()));
    first->kill();
}

struct ClientCase
{
    const char* name;
    QByteArray sent;
    bool hangUp; // the client closes after sending; otherwise it waits to be dropped
};

using SingleInstanceChannelTest = SingleInstanceFixture;

TEST_F(SingleInstanceChannelTest, OnlyTheOneRequestMakesTheClockComeForward)
{
    SingleInstance guard(exe());
    int requests = 0;
    guard.onActivateRequested = [&requests] {
        ++requests;
    };
    ASSERT_FALSE(guard.ActivatePreviousInstance());
    const QString server = SingleInstance::serverName(guard.folder(), guard.key(), ownPid());

    const ClientCase cases[] = {
        {"garbage", "hello\n", false},
        {"near miss", "activatex\n", false},
        {"other case", "ACTIVATE\n", false},
        {"request without its line end", "activate", true},
        {"oversize", QByteArray(1 << 20, 'a'), false},
        {"request after too much", QByteArray(ActivationListener::kMaxRequestBytes, 'a') + "\nactivate\n", false},
        {"says nothing", "", false},
        {"open without a file", "open \n", false},
        {"open of a relative path", "open Skins/Neon.clk\n", false},
        {"open with a carriage return", "open /tmp/a.clk\r\n", false},
        {"open with a NUL in the path", QByteArray("open /tmp/a\0b.clk\n", 18), false},
        {"open of a path too long", "open /" + QByteArray(ActivationListener::kMaxRequestBytes, 'a') + "\n", false},
    };
    for (const ClientCase& c : cases) {
        SCOPED_TRACE(c.name);
        QLocalSocket client;
        client.connectToServer(server);
        ASSERT_TRUE(client.waitForConnected(1000));
        client.write(c.sent);
        client.flush();
        if (c.hangUp)
            client.disconnectFromServer();
        // Dropped by the clock by its timeout at the latest, without the test's loop stalling.
        EXPECT_TRUE(QTest::qWaitFor([&client] { return client.state() == QLocalSocket::UnconnectedState; },
                                    ActivationListener::kRequestTimeoutMs + 2000));
        QTest::qWait(50);
        EXPECT_EQ(requests, 0);
    }

    // Clients that hold connections open do not keep the request out once they are dropped, and
    // while a few hang on the clock still answers at once.
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < ActivationListener::kMaxOpenConnections + 4; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(server);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&silent] {
            return std::all_of(silent.begin(), silent.end(),
                               [](const auto& s) { return s->state() == QLocalSocket::UnconnectedState; });
        },
        ActivationListener::kRequestTimeoutMs + 2000));
    QLocalSocket lingering;
    lingering.connectToServer(server);
    ASSERT_TRUE(lingering.waitForConnected(1000));
    QTest::qWait(50);
    EXPECT_TRUE(ActivationListener::send(server, SingleInstance::kAnswerTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([&requests] { return requests == 1; }, ActivationListener::kRequestTimeoutMs / 2));
    EXPECT_EQ(lingering.state(), QLocalSocket::ConnectedState);
}

TEST_F(SingleInstanceChannelTest, ALaterStartHandsOverTheSkinFileItWasGiven)
{
    SingleInstance first(exe());
    int activations = 0;
    QStringList opened;
    first.onActivateRequested = [&activations] {
        ++activations;
    };
    first.onOpenRequested = [&opened](const QString& file) {
        opened.append(file);
    };
    ASSERT_FALSE(first.ActivatePreviousInstance());
    // A path as a user may have it: spaces and letters beyond ASCII.
    const QString file = QStringLiteral("/home/anna/Mes skins/Lagune d\u00E9t\u00E9.clk");
    const QString server = SingleInstance::serverName(first.folder(), first.key(), ownPid());
    ASSERT_TRUE(ActivationListener::send(server, SingleInstance::kAnswerTimeoutMs, file));
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return !opened.isEmpty(); }, ActivationListener::kRequestTimeoutMs));
    EXPECT_EQ(opened, QStringList{file});
    EXPECT_EQ(activations, 1) << "it comes forward too";
    ASSERT_TRUE(ActivationListener::send(server, SingleInstance::kAnswerTimeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([&activations] { return activations == 2; }, ActivationListener::kRequestTimeoutMs));
    EXPECT_EQ(opened.size(), 1) << "a plain start opens nothing";
}

} // namespace
