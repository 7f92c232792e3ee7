#include "app/ClockSettings.h"

#include "common/FileList.h"
#include "common/IoError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

class ClockSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString iniPath() const { return m_appDir.file(QStringLiteral("horavine.ini")); }
    void put(const QByteArray& text) const
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray contents() const
    {
        QFile file(iniPath());
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll();
    }
    void makeFile(const QString& path) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_dir;
    AppDir m_appDir{m_dir.path()};
};

// --- reading

TEST_F(ClockSettingsTest, NoFileReadsEveryDefault)
{
    const StartupSettings read = ReadStartupSettings(IniFile(iniPath()));
    EXPECT_FALSE(read.randomSkin);
    EXPECT_EQ(read.randomSkinGallery, QString());
    EXPECT_EQ(read.skin, QString());
    EXPECT_TRUE(read.keepPos);
    EXPECT_EQ(read.left, 0);
    EXPECT_EQ(read.top, 0);
    EXPECT_EQ(read.digFrm, 0);
    EXPECT_EQ(read.digFrmAMPM, QStringLiteral("h:mm:ss AM/PM"));
    EXPECT_EQ(read.digFrm24, QStringLiteral("h:mm:ss"));
    EXPECT_TRUE(read.keepSize);
    EXPECT_EQ(read.lastOne, 0);
    EXPECT_FALSE(read.onTop);
}

TEST_F(ClockSettingsTest, EveryKeyIsReadFromItsSection)
{
    put("[Default]\r\n"
        "RandomSkin=1\r\n"
        "RandomSkinGallery=Natural\r\n"
        "Skin=C:\\Clocks\\blue.clk\r\n"
        "DigFrm=1\r\n"
        "DigFrmAMPM=h:mm a/p\r\n"
        "DigFrm24=hh:nn\r\n"
        "OnTop=1\r\n"
        "[Position]\r\n"
        "KeepIt=0\r\n"
        "Left=-200\r\n"
        "Top=0x20\r\n"
        "[Size]\r\n"
        "KeepIt=0\r\n"
        "LastOne=420\r\n");
    const StartupSettings read = ReadStartupSettings(IniFile(iniPath()));
    EXPECT_TRUE(read.randomSkin);
    EXPECT_EQ(read.randomSkinGallery, QStringLiteral("Natural"));
    EXPECT_EQ(read.skin, QStringLiteral("C:\\Clocks\\blue.clk"));
    EXPECT_FALSE(read.keepPos);
    EXPECT_EQ(read.left, -200);
    EXPECT_EQ(read.top, 32);
    EXPECT_EQ(read.digFrm, 1);
    EXPECT_EQ(read.digFrmAMPM, QStringLiteral("h:mm a/p"));
    EXPECT_EQ(read.digFrm24, QStringLiteral("hh:nn"));
    EXPECT_FALSE(read.keepSize);
    EXPECT_EQ(read.lastOne, 420);
    EXPECT_TRUE(read.onTop);
}

TEST_F(ClockSettingsTest, DigFrmIsHeldToTheRadioGroupsRange)
{
    const struct
    {
        int stored;
        int selected;
    } cases[] = {{-5, -1}, {-2, -1}, {-1, -1}, {0, 0}, {1, 1}, {2, 1}, {99, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(ClampDigFormat(c.stored), c.selected);
        put("[Default]\nDigFrm=" + QByteArray::number(c.stored) + "\n");
        EXPECT_EQ(ReadStartupSettings(IniFile(iniPath())).digFrm, c.selected);
    }
}

// --- the skin to start with

TEST_F(ClockSettingsTest, RandomSkinIsOneOfTheGallerysSkinsDrawnByTheGenerator)
{
    const QString gallery = m_appDir.skinsFolder() + QStringLiteral("Natural") + AppDir::separator();
    for (const char* name : {"a.clk", "b.CLK", "c.clk", "a.jpg", "notes.txt"})
        makeFile(gallery + QString::fromLatin1(name));
    const QString stored = QStringLiteral("blue.clk");
    const QSet<QString> skins = {gallery + "a.clk", gallery + "b.CLK", gallery + "c.clk"};

    QSet<QString> seen;
    for (quint32 seed = 1; seed <= 60; ++seed) {
        QRandomGenerator random(seed);
        const QString chosen = ChooseStartupSkin(m_appDir, true, QStringLiteral("Natural"), true, stored, random);
        EXPECT_TRUE(skins.contains(chosen)) << chosen.toStdString();
        seen.insert(chosen);
    }
    EXPECT_EQ(seen, skins); // every skin can come up, pictures and other files never

    // Entry number R of the listing, R drawn once from the generator seeded at start-up.
    QStringList listing;
    ASSERT_TRUE(ListFiles(gallery, QStringLiteral("*.clk"), listing));
    for (quint32 seed : {11u, 12u, 13u}) {
        QRandomGenerator random(seed);
        QRandomGenerator twin(seed);
        EXPECT_EQ(ChooseStartupSkin(m_appDir, true, QStringLiteral("Natural"), true, stored, random),
                  gallery + listing[int(twin.bounded(3u))]);
    }
}

TEST_F(ClockSettingsTest, StoredSkinWhenNoRandomSkinCanBeTaken)
{
    const QString skins = m_appDir.skinsFolder();
    makeFile(skins + QStringLiteral("Natural/a.clk"));
    makeFile(skins + QStringLiteral("Pictures only/a.jpg"));
    const QString stored = QStringLiteral("blue.clk");
    const struct
    {
        const char* name;
        bool randomSkin;
        const char* gallery;
        bool listed;
    } cases[] = {
        {"random skin off", false, "Natural", true},
        {"gallery not in the list", true, "Natural", false},
        {"gallery folder gone", true, "Synthetic", true},
        {"no gallery chosen", true, "", false},
        {"gallery without skins", true, "Pictures only", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QRandomGenerator random(1);
        EXPECT_EQ(ChooseStartupSkin(m_appDir, c.randomSkin, QString::fromLatin1(c.gallery), c.listed, stored, random),
                  stored);
    }
}

TEST_F(ClockSettingsTest, SkinBesideTheExecutableIsStoredByBareName)
{
    const QString app = m_appDir.path();
    QString otherCase = app;
    otherCase[1] = otherCase[1].isUpper() ? otherCase[1].toLower() : otherCase[1].toUpper();
    const struct
    {
        QString current;
        QString stored;
    } cases[] = {
        {app + "blue.clk", "blue.clk"},
        {app + "default.clk", "default.clk"},
        {QString(), "default.clk"}, // no skin loaded yet: the default skin file
        {app + "Skins/Natural/Sunset.clk", app + "Skins/Natural/Sunset.clk"},
        {"/elsewhere/blue.clk", "/elsewhere/blue.clk"},
        {otherCase + "blue.clk", otherCase + "blue.clk"}, // letter case counts
        {"blue.clk", "blue.clk"}, // a bare name as the settings gave it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current.toStdString());
        EXPECT_EQ(SkinSettingValue(c.current, m_appDir), c.stored);
    }
}

// --- writing

struct WrittenKey
{
    const char* section;
    const char* key;
    const char* value;
};

const PermanentOptions kKnownOptions = {true, QStringLiteral("Natural"), true, true, true, 1};
const QPoint kKnownPos(-12, 34);
constexpr int kKnownSize = 420;

// What WriteSettings must write for the known state, in its order.
// clang-format off
const WrittenKey kKnownWrites[] = {
    {"Default", "Skin", "blue.clk"},
    {"Default", "OnTop", "1"},
    {"Default", "DigFrm", "1"},
    {"Position", "KeepIt", "1"},
    {"Position", "Left", "-12"},
    {"Position", "Top", "34"},
    {"Size", "KeepIt", "1"},
    {"Size", "LastOne", "420"},
    {"Default", "RandomSkin", "1"},
    {"Default", "RandomSkinGallery", "Natural"},
};
// clang-format on

TEST_F(ClockSettingsTest, WriteSettingsWritesEveryKeyAfterTheAlarms)
{
    bool alarmsSaved = false;
    IniFile ini(iniPath());
    WriteSettings(ini, kKnownOptions, kKnownPos, kKnownSize, QStringLiteral("blue.clk"), [&] {
        EXPECT_EQ(contents(), QByteArray("<missing>")); // nothing written before the alarms
        alarmsSaved = true;
    });
    EXPECT_TRUE(alarmsSaved);
    EXPECT_EQ(contents(),
              QByteArray("[Default]\n"
                         "Skin=blue.clk\n"
                         "OnTop=1\n"
                         "DigFrm=1\n"
                         "RandomSkin=1\n"
                         "RandomSkinGallery=Natural\n"
                         "[Position]\n"
                         "KeepIt=1\n"
                         "Left=-12\n"
                         "Top=34\n"
                         "[Size]\n"
                         "KeepIt=1\n"
                         "LastOne=420\n"));
}

TEST_F(ClockSettingsTest, RefusedWriteStopsAtThatKeyInWritingOrder)
{
    const int count = int(std::size(kKnownWrites));
    for (int written = 0; written < count; ++written) {
        SCOPED_TRACE(testing::Message() << "refused at " << kKnownWrites[written].key);
        QTemporaryDir scratchDir;
        IniFile expected(scratchDir.filePath(QStringLiteral("horavine.ini")));
        for (int i = 0; i < written; ++i)
            expected.WriteString(kKnownWrites[i].section, kKnownWrites[i].key, kKnownWrites[i].value);
        QFile expectedFile(expected.fileName());
        const QByteArray before = expectedFile.open(QIODevice::ReadOnly) ? expectedFile.readAll() : "<missing>";

        QFile::remove(iniPath());
        IniFile ini(iniPath());
        test::FileSizeLimit limit(written == 0 ? 0 : before.size()); // the next key no longer fits
        ASSERT_TRUE(limit.active());
        try {
            WriteSettings(ini, kKnownOptions, kKnownPos, kKnownSize, QStringLiteral("blue.clk"), nullptr);
            ADD_FAILURE() << "no error";
        } catch (const IoError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(iniPath()));
        }
        EXPECT_EQ(contents(), before);
    }
}

TEST_F(ClockSettingsTest, PositionIsLeftAsItWasWhileNotKept)
{
    put("[Position]\nKeepIt=1\nLeft=5\nTop=6\n");
    PermanentOptions options = kKnownOptions;
    options.lastPos = false;
    IniFile ini(iniPath());
    WriteSettings(ini, options, kKnownPos, kKnownSize, QStringLiteral("blue.clk"), nullptr);
    const StartupSettings read = ReadStartupSettings(ini);
    EXPECT_FALSE(read.keepPos);
    EXPECT_EQ(read.left, 5);
    EXPECT_EQ(read.top, 6);
}

TEST_F(ClockSettingsTest, SizeIsWrittenAsZeroWhileNotKept)
{
    PermanentOptions options = kKnownOptions;
    options.keepSize = false;
    options.digFormat = -1;
    options.randomSkinGallery.clear(); // none selected
    IniFile ini(iniPath());
    WriteSettings(ini, options, kKnownPos, kKnownSize, QStringLiteral("blue.clk"), nullptr);
    EXPECT_EQ(ini.ReadString("Size", "KeepIt", "?"), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Size", "LastOne", "?"), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString("Default", "DigFrm", "?"), QStringLiteral("-1"));
    EXPECT_EQ(ini.ReadString("Default", "RandomSkinGallery", "?"), QString());
}

TEST_F(ClockSettingsTest, FailedAlarmSaveWritesNoKey)
{
    const QByteArray old = "[Default]\nSkin=old.clk\n";
    put(old);
    IniFile ini(iniPath());
    EXPECT_THROW(WriteSettings(ini, kKnownOptions, kKnownPos, kKnownSize, QStringLiteral("blue.clk"),
                               [] { throw IoError(QStringLiteral("Cannot write Alarms.cfg")); }),
                 IoError);
    EXPECT_EQ(contents(), old);
}

} // namespace
