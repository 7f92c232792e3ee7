#include "app/SingleInstance.h"

#include "app/ShellTestApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSharedMemory>
#include <QSystemSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

using namespace horavine;

namespace {

// A later start is this same test binary run again with only the child test below enabled; the
// environment tells it which executable path to guard and what to do.
constexpr char kChildPathVariable[] = "HORAVINE_CHILD_GUARD_PATH";
constexpr char kChildModeVariable[] = "HORAVINE_CHILD_GUARD_MODE";

SingleInstance::Block readBlock(const QString& key)
{
    QSharedMemory memory(key);
    SingleInstance::Block block{-1, -1};
    if (!memory.attach(QSharedMemory::ReadOnly))
        return block;
    const char* data = static_cast<const char*>(memory.constData());
    std::memcpy(&block.AppWindow, data, 4);
    std::memcpy(&block.InstanceCount, data + 4, 4);
    return block;
}

void writeBlock(QSharedMemory& memory, const SingleInstance::Block& block)
{
    char* data = static_cast<char*>(memory.data());
    std::memcpy(data, &block.AppWindow, 4);
    std::memcpy(data + 4, &block.InstanceCount, 4);
}

qint32 ownPid()
{
    return qint32(QCoreApplication::applicationPid());
}

class SingleInstanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
    }

    // Every test guards executables of its own, so leftovers of one cannot meet another.
    QString exe(const char* folder = "Clock") const
    {
        return m_dir.filePath(QString::fromLatin1(folder)) + "/horavine";
    }
    QString key(const char* folder = "Clock") const { return SingleInstance::instanceKey(exe(folder)); }

    QProcess* startChild(const QString& guardedPath, const char* mode)
    {
        auto* child = new QProcess;
        m_children.emplace_back(child);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildPathVariable), guardedPath);
        env.insert(QString::fromLatin1(kChildModeVariable), QString::fromLatin1(mode));
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_also_run_disabled_tests"),
                      QStringLiteral("--gtest_filter=SingleInstanceChild.DISABLED_Start")});
        return child;
    }

    // The child's answer line, "child:registered" or "child:refused"; empty if none came.
    static QString childAnswer(QProcess& child)
    {
        QByteArray out;
        for (int waited = 0; waited < 20000 && !out.contains("child:"); waited += 100) {
            child.waitForReadyRead(100);
            out += child.readAllStandardOutput();
        }
        const qsizetype at = out.indexOf("child:");
        if (at < 0)
            return {};
        return QString::fromLatin1(out.mid(at).split('\n').front()).trimmed();
    }

    void TearDown() override
    {
        // A child that registered releases its record on the way out; killing it early would
        // leave a stale record behind in the system.
        for (auto& child : m_children) {
            if (!child->waitForFinished(20000)) {
                child->kill();
                child->waitForFinished(5000);
            }
        }
    }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_children;
};

TEST_F(SingleInstanceTest, KeyIsThePathWithoutSeparatorsHashed)
{
    const QString expected
        = QStringLiteral("horavine-55d5f8ff08fc5070e27984a5fab99fc13786b68a"); // sha1sum of the joined name
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("/opt/Horavine/horavine")), expected);
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("\\opt\\Horavine\\horavine")), expected);
    EXPECT_EQ(SingleInstance::instanceKey(QStringLiteral("optHoravinehoravine")), expected);
    // Nothing but the separators goes: letter case and other characters still tell paths apart.
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/horavine/horavine")), expected);
    EXPECT_NE(SingleInstance::instanceKey(QStringLiteral("/opt/Horavine/horavine ")), expected);
}

TEST_F(SingleInstanceTest, FirstStartRegistersItself)
{
    SingleInstance guard(exe());
    EXPECT_FALSE(guard.ActivatePreviousInstance());
    const SingleInstance::Block block = readBlock(key());
    EXPECT_EQ(block.InstanceCount, 1);
    EXPECT_EQ(block.AppWindow, ownPid());
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
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);
    EXPECT_EQ(readBlock(key()).AppWindow, ownPid());
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
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);
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
    }
    QSharedMemory holder(key()); // keeps the record alive so its count can be seen
    if (holder.attach()) {
        EXPECT_EQ(readBlock(key()).InstanceCount, 0);
    }

    SingleInstance next(exe());
    EXPECT_FALSE(next.ActivatePreviousInstance());
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);

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
    EXPECT_EQ(readBlock(key()).InstanceCount, 2);
    EXPECT_TRUE(third.ActivatePreviousInstance(2));
    EXPECT_EQ(readBlock(key()).InstanceCount, 2);
    second.release();
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);
}

struct StaleCase
{
    const char* name;
    bool ownProcessId; // the dead copy had the id this process has now (ids are reused)
    bool leftoverSocketFile;
};

TEST_F(SingleInstanceTest, StaleRecordWithoutAnAnsweringCopyDoesNotBlock)
{
    constexpr qint32 kDeadPid = 0x7ffffff0; // above any process id the system hands out
    const StaleCase cases[] = {
        {"dead copy, no socket", false, false},
        {"dead copy, socket file left", false, true},
        {"our own id, socket file left", true, true},
    };
    int row = 0;
    for (const StaleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray folder = "Stale" + QByteArray::number(row++);
        const QString staleKey = key(folder.constData());
        const qint32 deadPid = c.ownProcessId ? ownPid() : kDeadPid;

        QSharedMemory stale(staleKey);
        ASSERT_TRUE(stale.create(SingleInstance::kBlockSize));
        writeBlock(stale, {deadPid, 1});
        const QString deadServer = SingleInstance::serverName(staleKey, deadPid);
        const QString socketFile = QDir::tempPath() + QLatin1Char('/') + deadServer;
        if (c.leftoverSocketFile) {
            QFile file(socketFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }

        SingleInstance guard(exe(folder.constData()));
        EXPECT_FALSE(guard.ActivatePreviousInstance());
        EXPECT_EQ(readBlock(staleKey).InstanceCount, 1);
        EXPECT_EQ(readBlock(staleKey).AppWindow, ownPid());
        if (!c.ownProcessId) {
            EXPECT_FALSE(QFile::exists(socketFile));
        }
        QFile::remove(socketFile);
    }
}

TEST_F(SingleInstanceTest, CopyThatWasKilledDoesNotBlockTheNextStart)
{
    // The copy that makes the lock deletes it when it ends; a killed one cannot, so the lock is
    // made here to keep the test from leaving one in the system.
    QSystemSemaphore lockOwner(SingleInstance::lockKey(key()), 1, QSystemSemaphore::Open);
    QProcess* child = startChild(exe(), "hold");
    ASSERT_EQ(childAnswer(*child), QStringLiteral("child:registered"));
    const qint32 childPid = qint32(child->processId());
    child->kill(); // no chance to release: the record and its socket stay behind
    ASSERT_TRUE(child->waitForFinished(5000));
    // Looked at through a holder: the last holder to let go of a record discards it, and it is
    // the record as the killed copy left it that the next start must get past.
    QSharedMemory holder(key());
    ASSERT_TRUE(holder.attach());
    EXPECT_EQ(readBlock(key()).AppWindow, childPid);
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);

    SingleInstance next(exe());
    EXPECT_FALSE(next.ActivatePreviousInstance());
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);
    EXPECT_EQ(readBlock(key()).AppWindow, ownPid());
}

TEST_F(SingleInstanceTest, StartsAtTheSameInstantLeaveExactlyOneRunning)
{
    QSystemSemaphore lockOwner(SingleInstance::lockKey(key()), 1, QSystemSemaphore::Open); // see above
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
    EXPECT_EQ(readBlock(key()).InstanceCount, 1);

    for (QProcess* start : starts) {
        start->kill();
        start->waitForFinished(5000);
    }
    // Takes the killed copy's record over and releases it, so nothing stays in the system.
    SingleInstance cleanup(exe());
    EXPECT_FALSE(cleanup.ActivatePreviousInstance());
}

// Runs only inside a child started by the tests above.
TEST(SingleInstanceChild, DISABLED_Start)
{
    const QString path = qEnvironmentVariable(kChildPathVariable);
    if (path.isEmpty())
        GTEST_SKIP() << "only run as a later start by the single-instance tests";
    test::EnsureApplication();
    SingleInstance guard(path);
    const bool refused = guard.ActivatePreviousInstance();
    std::printf("\nchild:%s\n", refused ? "refused" : "registered");
    std::fflush(stdout);
    if (!refused && qEnvironmentVariable(kChildModeVariable) == QLatin1String("hold"))
        std::this_thread::sleep_for(std::chrono::seconds(60)); // until the parent kills it
}

} // namespace
