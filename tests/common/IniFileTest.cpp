#include "common/IniFile.h"

#include "common/IoError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>
#include <random>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("horavine.ini")); }

    void put(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray contents() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll();
    }

    QTemporaryDir m_dir;
};

const QByteArray kSample = "; Horavine settings\r\n"
                           "Orphan=before any section\r\n"
                           "[Default]\r\n"
                           "Skin = C:\\Clocks\\blue.clk  \r\n"
                           "  onTop=1\r\n"
                           "Quoted=\"  spaced  \"\r\n"
                           "Single='x'\r\n"
                           "Mixed=\"x'\r\n"
                           "Lone=\"\r\n"
                           "Formula=a=b\r\n"
                           ";DigFrm=1\r\n"
                           "Empty=\r\n"
                           "Skin=second wins never\r\n"
                           "\r\n"
                           "[ position ]\r\n"
                           "Left=-200\r\n"
                           "[Default]\r\n"
                           "Later=in a repeated section\r\n";

struct ReadCase
{
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(IniFileTest, ReadsValuesTheWayPrivateProfilesDo)
{
    put(kSample);
    const ReadCase cases[] = {
        {"Default", "Skin", "C:\\Clocks\\blue.clk"}, // blanks around names and value dropped
        {"DEFAULT", "SKIN", "C:\\Clocks\\blue.clk"}, // names compare without case
        {"Default", "OnTop", "1"},
        {"Default", "Quoted", "  spaced  "}, // quotes removed, blanks inside kept
        {"Default", "Single", "x"},
        {"Default", "Mixed", "\"x'"}, // not a matching pair
        {"Default", "Lone", "\""},
        {"Default", "Formula", "a=b"}, // the first '=' ends the key
        {"Default", "Empty", ""},
        {"Default", "DigFrm", "<def>"}, // commented out
        {"Position", "Left", "-200"},
        {"Default", "Later", "<def>"}, // only the first matching section counts
        {"Default", "Orphan", "<def>"},
        {"Size", "LastOne", "<def>"},
    };
    const IniFile ini(path());
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ini.ReadString(c.section, c.key, QStringLiteral("<def>")), QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
    }
}

struct IntegerCase
{
    const char* stored; // nullptr: key missing
    int expected;
};

TEST_F(IniFileTest, ReadsIntegersInDecimalAndHexadecimal)
{
    const int def = 77;
    const IntegerCase cases[] = {
        {"26", 26},          {"0x1A", 26},   {"0X1a", 26},
        {"$1A", 26},         {"-200", -200}, {"+5", 5},
        {"  42  ", 42},      {"\"9\"", 9},   {"-2147483648", INT_MIN},
        {"0xFFFFFFFF", -1}, // a 32-bit pattern
        {"2147483648", def}, // does not fit
        {"0x", def},         {"0x-5", def},  {"12abc", def},
        {"1.5", def},        {"junk", def},  {"", def},
        {nullptr, def},
    };
    for (const IntegerCase& c : cases) {
        put(c.stored ? QByteArray("[Size]\nLastOne=") + c.stored + "\n" : QByteArray("[Size]\n"));
        EXPECT_EQ(IniFile(path()).ReadInteger("Size", "LastOne", def), c.expected) << (c.stored ? c.stored : "missing");
    }
}

struct BoolCase
{
    const char* stored;
    bool def;
    bool expected;
};

TEST_F(IniFileTest, ReadsAnyNonZeroNumberAsTrue)
{
    const BoolCase cases[] = {
        {"1", false, true},    {"0", true, false},    {"5", false, true},
        {"-1", false, true},   {"0x0", true, false},  {"yes", true, true},
        {"yes", false, false}, {nullptr, true, true}, {nullptr, false, false},
    };
    for (const BoolCase& c : cases) {
        put(c.stored ? QByteArray("[Default]\nOnTop=") + c.stored + "\n" : QByteArray());
        EXPECT_EQ(IniFile(path()).ReadBool("Default", "OnTop", c.def), c.expected)
            << (c.stored ? c.stored : "missing") << " default " << c.def;
    }
}

TEST_F(IniFileTest, CutsLongValuesTo2047Characters)
{
    const QByteArray longValue(3000, 'a');
    put("[Default]\nSkin=" + longValue + "\nQuoted=\"" + longValue + "\"\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), QString(2047, QLatin1Char('a')));
    EXPECT_EQ(ini.ReadString("Default", "Quoted", ""), QString(2047, QLatin1Char('a')));

    put("[Default]\nSkin=" + QByteArray(2047, 'b') + "\n");
    EXPECT_EQ(ini.ReadString("Default", "Skin", "").size(), 2047);
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndIsNotCreated)
{
    const IniFile ini(path());
    EXPECT_EQ(ini.ReadString("Default", "DigFrmAMPM", "h:mm:ss AM/PM"), "h:mm:ss AM/PM");
    EXPECT_EQ(ini.ReadInteger("Position", "Left", 0), 0);
    EXPECT_TRUE(ini.ReadBool("Size", "KeepIt", true));
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(IniFileTest, EveryReadSeesTheFileAsItIsNow)
{
    const IniFile ini(path());
    put("[Default]\nSkin=a.clk\n");
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), "a.clk");
    put("[Default]\nSkin=b.clk\n");
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), "b.clk");
}

TEST_F(IniFileTest, WriteChangesOnlyThatValue)
{
    put(kSample);
    IniFile ini(path());
    ini.WriteString("default", "SKIN", "D:\\other.clk");
    QByteArray expected = kSample;
    expected.replace("Skin = C:\\Clocks\\blue.clk  \r\n", "Skin = D:\\other.clk\r\n");
    EXPECT_EQ(contents(), expected);

    ini.WriteInteger("Position", "Left", 12);
    expected.replace("Left=-200\r\n", "Left=12\r\n");
    EXPECT_EQ(contents(), expected);
}

TEST_F(IniFileTest, WriteAddsKeyAtTheEndOfItsSection)
{
    put("[Default]\r\nSkin=a.clk\r\n; about the window\r\n\r\n[Position]\r\nLeft=3\r\n");
    IniFile ini(path());
    ini.WriteBool("Default", "OnTop", true);
    EXPECT_EQ(contents(), "[Default]\r\nSkin=a.clk\r\nOnTop=1\r\n; about the window\r\n\r\n[Position]\r\nLeft=3\r\n");
    ini.WriteInteger("Position", "Top", -5);
    EXPECT_EQ(contents(),
              "[Default]\r\nSkin=a.clk\r\nOnTop=1\r\n; about the window\r\n\r\n"
              "[Position]\r\nLeft=3\r\nTop=-5\r\n");
    EXPECT_EQ(ini.ReadInteger("Position", "Top", 0), -5);
}

TEST_F(IniFileTest, WriteAddsKeyToASectionWithoutKeysOrFinalLineBreak)
{
    put("[Size]");
    IniFile ini(path());
    ini.WriteBool("Size", "KeepIt", false);
    EXPECT_EQ(contents(), "[Size]\nKeepIt=0\n");
}

TEST_F(IniFileTest, WriteAddsMissingSectionAtTheEndOfTheFile)
{
    put("[Default]\r\nSkin=a.clk");
    IniFile ini(path());
    ini.WriteInteger("Size", "LastOne", 400);
    EXPECT_EQ(contents(), "[Default]\r\nSkin=a.clk\r\n[Size]\r\nLastOne=400\r\n");
}

TEST_F(IniFileTest, WriteCreatesTheFile)
{
    IniFile ini(path());
    ini.WriteString("Default", "RandomSkinGallery", "");
    ini.WriteInteger("Default", "DigFrm", -1);
    EXPECT_EQ(contents(), "[Default]\nRandomSkinGallery=\nDigFrm=-1\n");
    EXPECT_EQ(ini.ReadInteger("Default", "DigFrm", 0), -1);
}

TEST_F(IniFileTest, WrittenLineBreakCannotOpenASection)
{
    put("[Default]\nSkin=a.clk\n");
    IniFile ini(path());
    ini.WriteString("Default", "RandomSkinGallery", "Natural\n[Size]\nLastOne=5");
    EXPECT_EQ(contents(), "[Default]\nSkin=a.clk\nRandomSkinGallery=Natural\n");
    EXPECT_EQ(ini.ReadInteger("Size", "LastOne", 0), 0);
}

TEST_F(IniFileTest, KeepsByteOrderMarkAndWindowsText)
{
    // "café" in Windows-1252 on one line, UTF-8 behind a byte order mark on the first.
    put("\xEF\xBB\xBF[Default]\nSkin=caf\xE9.clk\n");
    IniFile ini(path());
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), QString::fromUtf8("caf\xC3\xA9.clk"));
    ini.WriteString("Default", "RandomSkinGallery", QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(contents(), "\xEF\xBB\xBF[Default]\nSkin=caf\xE9.clk\nRandomSkinGallery=\xC3\xA9t\xC3\xA9\n");
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), QString::fromUtf8("caf\xC3\xA9.clk"));
    EXPECT_EQ(ini.ReadString("Default", "RandomSkinGallery", ""), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
}

TEST_F(IniFileTest, KeyNamesReadAloneWhateverTheirValueIsWrittenIn)
{
    // UTF-8 names beside Windows-1252 values from an older install, and the other way round; a value
    // rewritten in UTF-8 must not change how the name before it reads.
    put("[Default]\nZ\xC3\xA4hler=caf\xE9\nG\xE4ste=na\xC3\xAFve\nSk\xC3\xAF=\x96\n");
    struct Row
    {
        QString key;
        QString value;
    };
    const Row rows[] = {
        {QStringLiteral("Zähler"), QStringLiteral("café")},
        {QStringLiteral("Gäste"), QStringLiteral("naïve")},
        {QStringLiteral("Skï"), QStringLiteral("–")},
    };
    IniFile ini(path());
    for (const Row& r : rows)
        EXPECT_EQ(ini.ReadString("Default", r.key, "<none>"), r.value) << r.key.toStdString();
    for (const Row& r : rows) {
        ini.WriteString("Default", r.key, "neu");
        EXPECT_EQ(ini.ReadString("Default", r.key, "<none>"), "neu") << r.key.toStdString();
    }
    EXPECT_EQ(contents(), "[Default]\nZ\xC3\xA4hler=neu\nG\xE4ste=neu\nSk\xC3\xAF=neu\n");
}

TEST_F(IniFileTest, ByteOrderMarksCountOnlyAtTheFileStart)
{
    // A doubled mark at the start, as an editor that adds one to any file leaves it.
    put("\xEF\xBB\xBF\xEF\xBB\xBF[Default]\nSkin=a.clk\n");
    IniFile ini(path());
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), "a.clk");
    // Anywhere else U+FEFF is part of a name: a key that begins with one is written, found again
    // and replaced by the next write.
    const QString key = QStringLiteral("\uFEFF; Key");
    for (const QString& section : {QStringLiteral("Default"), QStringLiteral("\uFEFFNew")}) {
        ini.WriteString(section, key, "v");
        EXPECT_EQ(ini.ReadString(section, key, "<none>"), "v") << section.toStdString();
        ini.WriteString(section, key, "w");
        EXPECT_EQ(ini.ReadString(section, key, "<none>"), "w") << section.toStdString();
        EXPECT_EQ(ini.ReadString(section, "Key", "<none>"), "<none>") << section.toStdString();
    }
    EXPECT_EQ(contents().count("w\n"), 2);
    EXPECT_EQ(ini.ReadString("Default", "Skin", ""), "a.clk");
}

TEST_F(IniFileTest, RefusedWriteNamesTheFullPath)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.ini")));
    const QString refused[] = {
        m_dir.filePath(QStringLiteral("no-such-folder/horavine.ini")),
        m_dir.filePath(QStringLiteral("folder.ini")), // a folder where the file should be
    };
    for (const QString& target : refused) {
        IniFile ini(target);
        try {
            ini.WriteBool("Default", "OnTop", true);
            ADD_FAILURE() << "write succeeded: " << target.toStdString();
        } catch (const IoError& e) {
            EXPECT_EQ(e.message(),
                      "Unable to write to " + QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
        }
    }
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileAsItWas)
{
    const QByteArray original = "[Default]\r\nSkin=a.clk\r\n; keep me\r\n";
    put(original);
    IniFile ini(path());

    bool thrown = false;
    {
        const test::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        try {
            ini.WriteString("Default", "Skin", QString(20000, QLatin1Char('z')));
        } catch (const IoError& e) {
            thrown = true;
            EXPECT_EQ(e.message(),
                      "Unable to write to " + QDir::toNativeSeparators(QFileInfo(path()).absoluteFilePath()));
        }
    }

    EXPECT_TRUE(thrown);
    EXPECT_EQ(contents(), original);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"horavine.ini"});
}

} // namespace

TEST_F(IniFileTest, DamagedFilesReadAndTakeWritesWithoutHarm)
{
    // Random bytes biased towards the characters that shape an INI file.
    std::mt19937 random(7);
    const char shaping[] = "[]=;\r\n \"'\x00\xC3\xA9\xFF" "Default";
    // Each write is a durable save, so a few hundred files keep the test quick.
    for (int round = 0; round < 250; ++round) {
        QByteArray bytes(static_cast<int>(random() % 400), '\0');
        for (char& b : bytes)
            b = random() % 2 ? shaping[random() % (sizeof shaping - 1)] : static_cast<char>(random() & 0xFF);
        put(bytes);

        IniFile ini(path());
        ini.ReadString("Default", "Skin", "x");
        ini.ReadInteger("Position", "Left", 0);
        const QString value = QStringLiteral("v%1").arg(round);
        ini.WriteString("Default", "Skin", value);
        ASSERT_EQ(ini.ReadString("Default", "Skin", "x"), value) << "round " << round;
        ini.WriteInteger("Size", "LastOne", round);
        ASSERT_EQ(ini.ReadInteger("Size", "LastOne", -1), round) << "round " << round;
    }
}
