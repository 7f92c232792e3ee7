#include "common/IoError.h"
#include "common/SafeFile.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

TEST(SafeFile, ReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    WriteFileAtomically(path, QByteArray(1000, 'x'));
    WriteFileAtomically(path, QByteArray("short"));
    EXPECT_EQ(ReadFileBytes(path), QByteArray("short"));
    EXPECT_EQ(ReadFileBytes(path, 3), QByteArray("sho"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.bin")}); // no temp file left
}

TEST(SafeFile, FailedWriteLeavesThePreviousFileByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    const QByteArray old(600, 'o');
    WriteFileAtomically(path, old);
    {
        const test::FileSizeLimit limit(1024); // the disk "fills up" after 1 KiB
        EXPECT_THROW(WriteFileAtomically(path, QByteArray(4096, 'n')), IoError);
    }
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.bin")});
}

TEST(SafeFile, MissingFolderOrFileIsAnIoErrorNamingTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/a.bin"));
    try {
        WriteFileAtomically(path, "x");
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(path));
    }
    EXPECT_THROW(ReadFileBytes(path), IoError);
    EXPECT_THROW(ReadFileBytes(dir.path()), IoError); // a folder is not a file
}
