#include "app/ActivationListener.h"
#include "app/ChannelFolder.h"
#include "app/SingleInstanceFixture.h"
#include "common/IoError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QTest>
#include <chrono>
#include <cstring>
#include <sys/stat.h>
#include <thread>

using namespace horavine;
using namespace horavine::test;

namespace {

void writeRecord(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(data), data.size());
}

QByteArray blockBytes(qint32 appWindow, qint32 count)
{
    QByteArray data(SingleInstance::kBlockSize, '\0');
    std::memcpy(data.data(), &appWindow, 4);
    std::memcpy(data.data() + 4, &count, 4);
    return data;
}

using SingleInstanceTest = SingleInstanceFixture;

TEST_F(SingleInstanceTest, KeyIsThePathWithoutSeparatorsAndTheUserHashed)
{
    const QString expected
        = QStringLiteral("horavine-c6b4166c362f52f3062023cb0fca06a022fd6608"); // sha1sum of "optHoravinehoravine/0"
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("/opt/Horavine/horavine"), 0), expected);
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("\\opt\\Horavine\\horavine"), 0), expected);
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("optHoravinehoravine"), 0), expected);
    // Nothing but the separators goes: letter case and other characters still tell paths apart,
    // and so does the user.
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/horavine/horavine"), 0), expected);
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/Horavine/horavine "), 0), expected);
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/Horavine/horavine"), 1000), expected);
    // The user id cannot be mistaken for a tail of the path.
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/a1"), 0), SingleInstance::instanceKey("/opt/a", 10));
}

TEST_F(SingleInstanceTest, FirstStartRegistersItselfInAPrivateFolder)
{
    SingleInstance guard(exe());
    EXPECT_FALSE(guard.ActivatePreviousInstance());
    EXPECT_TRUE(guard.warning().isEmpty());
    EXPECT_TRUE(ChannelFolder::isPrivate(guard.folder()));
    const SingleInstance::Block block = readRecord(record());
    EXPECT_EQ(block.InstanceCount, 1);
    EXPECT_EQ(block.AppWindow, ownPid());
    // Neither the record nor the socket is open to anyone else.
    for (const QString& path : {record(), SingleInstance::serverName(guard.folder(), key(), ownPid())}) {
        struct stat info
        {
        };
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
        EXPECT_EQ(info.st_mode & (S_IRWXG | S_IRWXO), 0u) << path.toStdString();
    }
}

TEST_F(SingleInstanceTest, SecondStartOfTheSameExecutableIsRefusedAndTheFirstComesForward)
{
    SingleInstance first(exe());
    int requests = 0;
    first.onActivateRequested = [&requests] {
        ++requests;
    };
    ASSERT_FALSE(first.ActivatePreviousInstance());

    QProcess* child = startChild(exe(), "start");
    EXPECT_EQ(childAnswer(*child), QStringLiteral("child:refused"));
    EXPECT_TRUE(child->waitForFinished(20000));
    EXPECT_EQ(child->exitCode(), 0);

    EXPECT_TRUE(QTest::qWaitFor([&requests] { return requests == 1; }, 5000));
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);
    EXPECT_EQ(readRecord(record()).AppWindow, ownPid());
}

TEST_F(SingleInstanceTest, SecondGuardInTheSameProcessIsRefusedToo)
{
    SingleInstance first(exe());
    int requests = 0;
    first.onActivateRequested = [&requests] {
        ++requests;
    };
    ASSERT_FALSE(first.ActivatePreviousInstance());

    SingleInstance second(exe());
    EXPECT_TRUE(second.ActivatePreviousInstance());
    EXPECT_TRUE(second.ActivatePreviousInstance()); // asked again: the same answer
    EXPECT_TRUE(QTest::qWaitFor([&requests] { return requests == 1; }, 5000));

    second.release(); // a refused copy does not take the first off the count
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);
}

TEST_F(SingleInstanceTest, CopiesInDifferentFoldersRunSideBySide)
{
    SingleInstance one(exe("One"));
    SingleInstance two(exe("Two"));
    EXPECT_FALSE(one.ActivatePreviousInstance());
    EXPECT_FALSE(two.ActivatePreviousInstance());
    EXPECT_NE(one.key(), two.key());

    QProcess* child = startChild(exe("Three"), "start");
    EXPECT_EQ(childAnswer(*child), QStringLiteral("child:registered"));
}

TEST_F(SingleInstanceTest, AfterReleaseTheNextStartIsAFirstInstance)
{
    {
        SingleInstance first(exe());
        ASSERT_FALSE(first.ActivatePreviousInstance());
        first.release();
        first.release(); // twice does not count down twice
        EXPECT_EQ(readRecord(record()).InstanceCount, 0);
    }
    SingleInstance next(exe());
    EXPECT_FALSE(next.ActivatePreviousInstance());
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);

    QProcess* child = startChild(exe(), "start");
    EXPECT_EQ(childAnswer(*child), QStringLiteral("child:refused"));
}

TEST_F(SingleInstanceTest, MoreInstancesAreAdmittedUpToTheLimit)
{
    SingleInstance first(exe());
    SingleInstance second(exe());
    SingleInstance third(exe());
    ASSERT_FALSE(first.ActivatePreviousInstance(2));
    EXPECT_FALSE(second.ActivatePreviousInstance(2));
    EXPECT_EQ(readRecord(record()).InstanceCount, 2);
    EXPECT_TRUE(third.ActivatePreviousInstance(2));
    EXPECT_EQ(readRecord(record()).InstanceCount, 2);
    second.release();
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);
}

struct LeftRecordCase
{
    const char* name;
    QByteArray record;
    bool leftoverSocketFile; // at the server name of the pid on record
};

// A record left by a copy that crashed, or damaged: the start registers and counts itself once.
TEST_F(SingleInstanceTest, StaleOrDamagedRecordDoesNotBlock)
{
    constexpr qint32 kDeadPid = 0x7ffffff0; // above any process id the system hands out
    const LeftRecordCase cases[] = {
        {"dead copy, no socket", blockBytes(kDeadPid, 1), false},
        {"dead copy, socket file left", blockBytes(kDeadPid, 1), true},
        {"our own id, socket file left", blockBytes(ownPid(), 1), true},
        {"short record", QByteArray("\x01\x02\x03", 3), false},
        {"negative count", blockBytes(kDeadPid, -5), false},
        {"absurd count and window", blockBytes(-1, 0x7fffffff), false},
    };
    int row = 0;
    for (const LeftRecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray folder = "Left" + QByteArray::number(row++);
        const QString path = record(folder.constData());
        writeRecord(path, c.record);
        const qint32 pidOnRecord = readRecord(path).AppWindow;
        const QString socketFile = SingleInstance::serverName(QFileInfo(path).path(), key(folder), pidOnRecord);
        if (c.leftoverSocketFile) {
            QFile file(socketFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }

        SingleInstance guard(exe(folder.constData()));
        EXPECT_FALSE(guard.ActivatePreviousInstance());
        EXPECT_EQ(readRecord(path).InstanceCount, 1);
        EXPECT_EQ(readRecord(path).AppWindow, ownPid());
        if (pidOnRecord != ownPid()) {
            EXPECT_FALSE(QFile::exists(socketFile));
        }
        guard.release();
        QFile::remove(path);
    }
}

TEST_F(SingleInstanceTest, RecordThatIsNotAFileIsReportedNotFollowed)
{
    const QString folder = ChannelFolder::forCurrentUser();
    const QString aside = m_dir.filePath(QStringLiteral("aside"));
    writeRecord(aside, blockBytes(1, 1));
    // A folder or a link in the record's place: a clear error, and the link's target untouched.
    ASSERT_TRUE(QDir(folder).mkdir(QFileInfo(record("Folder")).fileName()));
    ASSERT_TRUE(QFile::link(aside, record("Link")));
    for (const char* name : {"Folder", "Link"}) {
        SCOPED_TRACE(name);
        SingleInstance guard(exe(name));
        try {
            guard.ActivatePreviousInstance();
            ADD_FAILURE() << "no error";
        } catch (const IoError& error) {
            EXPECT_TRUE(error.message().contains(record(name))) << error.message().toStdString();
        }
    }
    EXPECT_EQ(readRecord(aside).AppWindow, 1);
    QDir(folder).rmdir(QFileInfo(record("Folder")).fileName());
    QFile::remove(record("Link"));
}

TEST_F(SingleInstanceTest, CopyThatWasKilledDoesNotBlockTheNextStart)
{
    QProcess* child = startChild(exe(), "hold");
    ASSERT_EQ(childAnswer(*child), QStringLiteral("child:registered"));
    const qint32 childPid = qint32(child->processId());
    child->kill(); // no chance to release: the record and its socket stay behind
    ASSERT_TRUE(child->waitForFinished(5000));
    EXPECT_EQ(readRecord(record()).AppWindow, childPid);
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);

    SingleInstance next(exe());
    EXPECT_FALSE(next.ActivatePreviousInstance());
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);
    EXPECT_EQ(readRecord(record()).AppWindow, ownPid());
}

TEST_F(SingleInstanceTest, StartsAtTheSameInstantLeaveExactlyOneRunning)
{
    constexpr int kStarts = 6;
    std::vector<QProcess*> starts;
    for (int i = 0; i < kStarts; ++i)
        starts.push_back(startChild(exe(), "hold")); // a copy that runs holds on until killed
    int registered = 0;
    int refused = 0;
    for (QProcess* start : starts) {
        const QString answer = childAnswer(*start);
        registered += answer == QStringLiteral("child:registered");
        refused += answer == QStringLiteral("child:refused");
    }
    EXPECT_EQ(registered, 1);
    EXPECT_EQ(refused, kStarts - 1);
    EXPECT_EQ(readRecord(record()).InstanceCount, 1);

    for (QProcess* start : starts) {
        start->kill();
        start->waitForFinished(5000);
    }
    QFile::remove(record());
}

// Runs only inside a child started by the single-instance tests.
TEST(SingleInstanceChild, DISABLED_Start)
{
    const QString path = qEnvironmentVariable(kChildPathVariable);
    if (path.isEmpty())
        GTEST_SKIP() << "only run as a later start by the single-instance tests";
    EnsureApplication();
    const QString mode = qEnvironmentVariable(kChildModeVariable);
    const QString target = qEnvironmentVariable(kChildTargetVariable);
    QByteArray answer;
    if (mode == QLatin1String("poke")) {
        // Another user trying to make our clock act, or to read or spoil its record.
        const bool answered = ActivationListener::send(target, SingleInstance::kAnswerTimeoutMs);
        QFile record(qEnvironmentVariable(kChildRecordVariable));
        const bool opened = record.open(QIODevice::ReadWrite);
        answer = QByteArray("poke socket=") + (answered ? "yes" : "no") + " record=" + (opened ? "yes" : "no");
    } else if (mode == QLatin1String("squat")) {
        // Another user taking the names our clock would use first: an open folder, a link, a file.
        const QByteArray base = QFile::encodeName(target);
        bool done = ::mkdir(base.constData(), 0777) == 0 && ::chmod(base.constData(), 0777) == 0;
        done = done && ::symlink(base.constData(), (base + ".1").constData()) == 0;
        QFile file(target + QStringLiteral(".2"));
        done = done && file.open(QIODevice::WriteOnly);
        answer = done ? "squatted" : "squat failed";
    } else {
        SingleInstance guard(path);
        const bool refused = guard.ActivatePreviousInstance();
        answer = refused ? "refused" : "registered";
        if (!refused && mode == QLatin1String("hold")) {
            std::printf("\nchild:%s\n", answer.constData());
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::seconds(60)); // until the parent kills it
            return;
        }
    }
    std::printf("\nchild:%s\n", answer.constData());
    std::fflush(stdout);
}

} // namespace
