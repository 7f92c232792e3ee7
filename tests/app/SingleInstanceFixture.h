#pragma once

// Later starts of the clock for the single-instance tests: this same test binary run again with
// only the child entry enabled, the environment telling it which executable path to guard and
// what to do; optionally as another user.

#include "app/ChannelFolder.h"
#include "app/ShellTestApp.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace horavine::test {

inline constexpr char kChildPathVariable[] = "HORAVINE_CHILD_GUARD_PATH";
inline constexpr char kChildModeVariable[] = "HORAVINE_CHILD_GUARD_MODE";
inline constexpr char kChildTargetVariable[] = "HORAVINE_CHILD_GUARD_TARGET";
inline constexpr char kChildRecordVariable[] = "HORAVINE_CHILD_GUARD_RECORD";

// The record as the file holds it; {-1, -1} when there is none to read.
inline SingleInstance::Block readRecord(const QString& path)
{
    SingleInstance::Block block{-1, -1};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return block;
    const QByteArray data = file.read(SingleInstance::kBlockSize);
    if (data.size() == SingleInstance::kBlockSize) {
        // Byte by byte (the record is little-endian here): a copy from the array's data makes some
        // compilers warn about the empty array's one byte.
        const auto field = [&data](int offset) {
            quint32 value = 0;
            for (int i = 3; i >= 0; --i)
                value = value << 8 | quint8(data.at(offset + i));
            return qint32(value);
        };
        block.AppWindow = field(0);
        block.InstanceCount = field(4);
    }
    return block;
}

inline qint32 ownPid()
{
    return qint32(QCoreApplication::applicationPid());
}

struct ChildOptions
{
    bool asNobody = false;
    QString target;
    QString record;
    QString tempDir; // TMPDIR for the child; it then has no XDG_RUNTIME_DIR unless given
    QString runtimeDir;
};

class SingleInstanceFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
    }

    // Every test guards executables of its own, so leftovers of one cannot meet another.
    QString exe(const char* folder = "Clock") const
    {
        m_usedKeys.insert(
            SingleInstance::instanceKey(m_dir.filePath(QString::fromLatin1(folder)) + "/horavine", ::geteuid()));
        return m_dir.filePath(QString::fromLatin1(folder)) + "/horavine";
    }
    QString key(const char* folder = "Clock") const { return SingleInstance::instanceKey(exe(folder), ::geteuid()); }
    // Where this process's guards keep the record of exe(folder).
    QString record(const char* folder = "Clock") const
    {
        return SingleInstance::recordPath(ChannelFolder::forCurrentUser(), key(folder));
    }

    // Another user's process needs root to start and a tool to change user with.
    static const char* whyNoOtherUser()
    {
        if (::geteuid() != 0)
            return "needs root to start a process as another user";
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            return "setpriv is not installed";
        return nullptr;
    }

    QProcess* startChild(const QString& guardedPath, const char* mode, const ChildOptions& options = {})
    {
        auto* child = new QProcess;
        m_children.emplace_back(child);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildPathVariable), guardedPath);
        env.insert(QString::fromLatin1(kChildModeVariable), QString::fromLatin1(mode));
        env.insert(QString::fromLatin1(kChildTargetVariable), options.target);
        env.insert(QString::fromLatin1(kChildRecordVariable), options.record);
        if (!options.tempDir.isEmpty()) {
            env.insert(QStringLiteral("TMPDIR"), options.tempDir);
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        }
        if (!options.runtimeDir.isEmpty())
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), options.runtimeDir);
        child->setProcessEnvironment(env);
        QStringList arguments{QCoreApplication::applicationFilePath(),
                              QStringLiteral("--gtest_also_run_disabled_tests"),
                              QStringLiteral("--gtest_filter=SingleInstanceChild.DISABLED_Start")};
        QString program = arguments.takeFirst();
        if (options.asNobody) {
            arguments.prepend(program);
            arguments = QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                    QStringLiteral("--clear-groups")}
                + arguments;
            program = QStringLiteral("setpriv");
        }
        child->start(program, arguments);
        return child;
    }

    // The child's answer line, "child:registered", "child:refused", ...; empty if none came.
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
        // A child that registered releases its record on the way out.
        for (auto& child : m_children) {
            if (!child->waitForFinished(20000)) {
                child->kill();
                child->waitForFinished(5000);
            }
        }
        // Records stay in the user's folder after a clean exit; a killed copy's socket too.
        QDir folder(ChannelFolder::forCurrentUser());
        for (const QString& key : m_usedKeys) {
            for (const QString& name : folder.entryList({key + QLatin1Char('*')}, QDir::Files | QDir::System))
                folder.remove(name);
        }
    }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_children;
    mutable QSet<QString> m_usedKeys;
};

} // namespace horavine::test
