#include "face/SkinFile.h"

#include "common/AppDir.h"
#include "common/IoError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>

using namespace horavine;

namespace {

struct RecordingHooks : SkinHooks
{
    bool filling = false;
    int refills = 0;
    int rebuilds = 0;
    QStringList activeSkins;
    QStringList missingFonts;

    bool isFillingControls() const override { return filling; }
    void refillSkinControls() override { ++refills; }
    void rebuildFace() override { ++rebuilds; }
    void showActiveSkin(const QString& name) override { activeSkins << name; }
    void reportMissingFont(const QString& message) override { missingFonts << message; }
};

TClockSkin skinWith(const std::function<void(TClockSkin&)>& change)
{
    TClockSkin skin = DefaultSkin();
    change(skin);
    return skin;
}

TClockSkin skinOfSize(int size)
{
    return skinWith([size](TClockSkin& s) { s.ClockSize = size; });
}

class SkinFileTest : public ::testing::Test
{
protected:
    // Writes bytes under the application folder, making folders as needed; returns the full path.
    QString put(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_appDir.file(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    QString put(const QString& name, const TClockSkin& skin) { return put(name, skin.toBytes()); }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Loads one skin from a file of its own and returns what became CurrentSkin.
    TClockSkin loadFrom(const TClockSkin& skin, bool keepSize = false)
    {
        m_files.LoadSkin(put(QStringLiteral("probe.clk"), skin), keepSize);
        return m_state.CurrentSkin;
    }

    QString textures() const { return m_appDir.texturesFolder(); }

    QTemporaryDir m_tmp;
    AppDir m_appDir{m_tmp.path()};
    StaticFontCatalog m_fonts{{"Arial", "DejaVu Sans", "Liberation Serif"}};
    RecordingHooks m_hooks;
    SkinState m_state;
    SkinFile m_files{m_state, m_appDir, m_fonts, &m_hooks};
};

TEST_F(SkinFileTest, ReadsTheFirstRecordAndRefusesShortFiles)
{
    const TClockSkin stored = skinWith([](TClockSkin& s) {
        s.ClockSize = 250;
        s.HourStartColor = 0x00123456;
        s.Reserved237[206] = 0x5A;
    });
    const struct
    {
        int length;
        bool loads;
    } rows[] = {{444, true}, {500, true}, {443, false}, {1, false}, {0, false}};

    for (const auto& row : rows) {
        SCOPED_TRACE(row.length);
        m_state = SkinState();
        m_state.CurrentSkinPath = QStringLiteral("before.clk");
        m_hooks = RecordingHooks();
        const QByteArray bytes = (stored.toBytes() + QByteArray(56, '\x7F')).left(row.length);
        const QString path = put(QStringLiteral("sized.clk"), bytes);

        if (row.loads) {
            m_files.LoadSkin(path, false);
            EXPECT_EQ(m_state.CurrentSkin.toBytes(), stored.toBytes());
            EXPECT_EQ(m_state.CurrentSkinPath, path);
            EXPECT_EQ(m_hooks.rebuilds, 1);
        } else {
            try {
                m_files.LoadSkin(path, false);
                ADD_FAILURE() << "no IoError";
            } catch (const IoError& e) {
                EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
            }
            EXPECT_EQ(m_state.CurrentSkin.toBytes(), DefaultSkin().toBytes());
            EXPECT_EQ(m_state.CurrentSkinPath, QStringLiteral("before.clk"));
            EXPECT_EQ(m_hooks.rebuilds + m_hooks.refills + m_hooks.activeSkins.size(), 0);
        }
    }
}

TEST_F(SkinFileTest, ZeroMidPositionsBecomeFiftyAndNothingElseIsClamped)
{
    const struct
    {
        int hourIn, minIn, hourOut, minOut;
    } rows[] = {{0, 0, 50, 50}, {0, 30, 50, 30}, {70, 0, 70, 50}, {-5, 250, -5, 250}, {1, 1, 1, 1}};

    for (const auto& row : rows) {
        const TClockSkin loaded = loadFrom(skinWith([&](TClockSkin& s) {
            s.HourMidPos = row.hourIn;
            s.MinMidPos = row.minIn;
            s.TicsWidth = 999;
            s.SecStyle = -7;
            s.Transparency = 200;
        }));
        EXPECT_EQ(loaded.HourMidPos, row.hourOut) << row.hourIn << "/" << row.minIn;
        EXPECT_EQ(loaded.MinMidPos, row.minOut) << row.hourIn << "/" << row.minIn;
        EXPECT_EQ(loaded.TicsWidth, 999);
        EXPECT_EQ(loaded.SecStyle, -7);
        EXPECT_EQ(loaded.Transparency, 200);
    }
}

TEST_F(SkinFileTest, PermanentClockSizeKeepsThePositiveSizeOfTheClock)
{
    const struct
    {
        int clockSize, fileSize;
        bool keepSize;
        int expected;
    } rows[] = {
        {400, 250, true, 400}, {400, 250, false, 250}, {400, 0, false, 0},
        {400, 0, true, 400},   {0, 250, true, 250},    {-10, 250, true, 250},
    };

    for (const auto& row : rows) {
        m_state.CurrentSkin.ClockSize = row.clockSize;
        EXPECT_EQ(loadFrom(skinOfSize(row.fileSize), row.keepSize).ClockSize, row.expected)
            << row.clockSize << " " << row.fileSize << " " << row.keepSize;
    }
}

TEST_F(SkinFileTest, FontsNotInstalledBecomeArial)
{
    const struct
    {
        const char* stored;
        const char* expected;
        std::optional<const char*> report;
    } rows[] = {
        {"Arial", "Arial", std::nullopt},
        {"arial", "arial", std::nullopt},
        {"LIBERATION SERIF", "LIBERATION SERIF", std::nullopt},
        {"Default", "Default", std::nullopt},
        {"dEFAULT", "dEFAULT", std::nullopt},
        {"Comic Zans", "Arial", "Missing font ->Comic Zans"},
        {"Arial ", "Arial", "Missing font ->Arial "},
        {"", "Arial", "Missing font ->"},
    };

    for (const auto& row : rows) {
        m_hooks.missingFonts.clear();
        const TClockSkin loaded
            = loadFrom(skinWith([&](TClockSkin& s) { s.DigFont.setText(QString::fromUtf8(row.stored)); }));
        EXPECT_EQ(loaded.DigFont.text(), QString::fromUtf8(row.expected)) << row.stored;
        const QStringList reports = row.report ? QStringList{QString::fromUtf8(*row.report)} : QStringList{};
        EXPECT_EQ(m_hooks.missingFonts, reports) << row.stored;
    }
}

TEST_F(SkinFileTest, MissingFontIsReplacedSilentlyWithoutHooks)
{
    SkinFile quiet(m_state, m_appDir, m_fonts);
    quiet.LoadSkin(put(QStringLiteral("f.clk"), skinWith([](TClockSkin& s) { s.DigFont.setText("Nope"); })), false);
    EXPECT_EQ(m_state.CurrentSkin.DigFont.text(), QStringLiteral("Arial"));
}

TEST_F(SkinFileTest, BareTextureNamesMeanFilesInTheTexturesFolder)
{
    const QString T = QStringLiteral("<T>"); // stands for AppDir's Textures folder
    const struct
    {
        QString stored, expected;
    } rows[] = {
        {"12", "12"},
        {"  12", "  12"},
        {"+12", "+12"},
        {"-3", "-3"},
        {"$C", "$C"},
        {"0x0C", "0x0C"},
        {"X0c", "X0c"},
        {"12a", T + "12a"},
        {"wood.bmp", T + "wood.bmp"},
        {" 12 ", T + " 12 "},
        {"D:\\pics\\wood.bmp", "D:\\pics\\wood.bmp"},
        {"d:wood.bmp", "d:wood.bmp"},
        {"/pics/wood.bmp", "/pics/wood.bmp"},
        {"pics\\wood.bmp", "pics\\wood.bmp"},
        {"", T},
    };

    for (const auto& row : rows) {
        const TClockSkin loaded = loadFrom(skinWith([&](TClockSkin& s) { s.TextureName.setText(row.stored); }));
        QString expected = row.expected;
        expected.replace(T, textures());
        EXPECT_EQ(loaded.TextureName.text(), expected) << row.stored.toStdString();
    }
}

TEST_F(SkinFileTest, TextureFolderAndNameAreCutToTheFieldOnACharacterBoundary)
{
    const int room = 120 - int(textures().toUtf8().size());
    ASSERT_GT(room, 2);
    const struct
    {
        QString name, expectedName;
    } rows[] = {
        {QString(room, 'a'), QString(room, 'a')},
        {QString(room + 5, 'b'), QString(room, 'b')},
        // The two-byte letter would straddle the 120th byte, so it goes as a whole.
        {QString(room - 1, 'c') + QChar(0xE9), QString(room - 1, 'c')},
    };

    for (const auto& row : rows) {
        const TClockSkin loaded = loadFrom(skinWith([&](TClockSkin& s) { s.TextureName.setText(row.name); }));
        EXPECT_EQ(loaded.TextureName.text(), textures() + row.expectedName);
        EXPECT_LE(loaded.TextureName.length, 120);
    }
}

TEST_F(SkinFileTest, SavingStoresOwnTexturesByBareName)
{
    QString otherCase = textures();
    otherCase.replace(QStringLiteral("Textures"), QStringLiteral("textures"));
    const struct
    {
        QString texture, saved;
    } rows[] = {
        {textures() + "wood.bmp", "wood.bmp"},
        {otherCase + "wood.bmp", otherCase + "wood.bmp"},
        {textures() + "sub/wood.bmp", textures() + "sub/wood.bmp"},
        {textures(), ""},
        {"/pics/wood.bmp", "/pics/wood.bmp"},
        {"12", "12"},
    };

    for (const auto& row : rows) {
        m_state.CurrentSkin.TextureName.setText(row.texture);
        const QString path = m_appDir.file(QStringLiteral("saved.clk"));
        m_files.WriteSkinFile(path);
        EXPECT_EQ(m_state.CurrentSkin.TextureName.text(), row.saved) << row.texture.toStdString();
        EXPECT_EQ(ReadSkinRecord(path).TextureName.text(), row.saved) << row.texture.toStdString();
    }
}

TEST_F(SkinFileTest, ChoosesTheGivenFileThenDefaultThenSkinsDefault)
{
    const struct
    {
        bool given, appDefault, skinsDefault;
        QString path;
        int expectedSize; // 400: nothing read, the default skin stays
    } rows[] = {
        {true, true, true, "given.clk", 111},
        {false, true, true, "given.clk", 222},
        {false, false, true, "given.clk", 333},
        {false, false, false, "given.clk", 400},
        {true, true, true, "", 222},
        {false, false, true, "", 333},
        {true, true, true, "Skins", 222}, // a folder is not a skin file
    };

    for (const auto& row : rows) {
        QTemporaryDir tmp;
        const AppDir appDir(tmp.path());
        SkinState state;
        SkinFile files(state, appDir, m_fonts);
        QDir().mkpath(appDir.skinsFolder());
        if (row.given)
            WriteSkinRecord(appDir.file("given.clk"), skinOfSize(111));
        if (row.appDefault)
            WriteSkinRecord(appDir.file("default.clk"), skinOfSize(222));
        if (row.skinsDefault)
            WriteSkinRecord(appDir.skinsFolder() + "default.clk", skinOfSize(333));

        files.LoadSkin(row.path, false);
        EXPECT_EQ(state.CurrentSkin.ClockSize, row.expectedSize)
            << row.given << row.appDefault << row.skinsDefault << " " << row.path.toStdString();
        EXPECT_EQ(state.CurrentSkinPath, row.path);
    }
}

TEST_F(SkinFileTest, EmptyPathInstallsDefaultAndStaysEmpty)
{
    put(QStringLiteral("default.clk"), skinOfSize(333));
    m_state.CurrentSkinPath = QStringLiteral("old.clk");

    m_files.LoadSkin(QString(), false);

    EXPECT_EQ(m_state.CurrentSkin.ClockSize, 333);
    EXPECT_EQ(m_state.CurrentSkinPath, QString());
    EXPECT_EQ(m_hooks.activeSkins, QStringList{QString()});
    EXPECT_EQ(m_files.CurrentSkinFile(), m_appDir.path() + "default.clk");
}

TEST_F(SkinFileTest, NoSkinFileKeepsTheSkinButStillShowsThePath)
{
    m_state.CurrentSkin.ClockSize = 345;
    const TClockSkin before = m_state.CurrentSkin;
    const QString path = m_appDir.skinsFolder() + "Gallery/sunset.clk";

    m_files.LoadSkin(path, false);

    EXPECT_EQ(m_state.CurrentSkin.toBytes(), before.toBytes());
    EXPECT_EQ(m_state.CurrentSkinPath, path);
    EXPECT_EQ(m_hooks.refills, 1);
    EXPECT_EQ(m_hooks.rebuilds, 1);
    EXPECT_EQ(m_hooks.activeSkins, QStringList{"sunset"});
    EXPECT_EQ(m_files.CurrentSkinFile(), path);
}

TEST_F(SkinFileTest, RelativePathsAreFoundInTheApplicationFolder)
{
    put(QStringLiteral("mine.clk"), skinOfSize(111));
    put(QStringLiteral("Skins/Modern/dusk.clk"), skinOfSize(222));
    ASSERT_NE(QDir::currentPath() + "/", m_appDir.path());

    m_files.LoadSkin(QStringLiteral("mine.clk"), false);
    EXPECT_EQ(m_state.CurrentSkin.ClockSize, 111);
    m_files.LoadSkin(QStringLiteral("Skins/Modern/dusk.clk"), false);
    EXPECT_EQ(m_state.CurrentSkin.ClockSize, 222);
    EXPECT_EQ(m_state.CurrentSkinPath, QStringLiteral("Skins/Modern/dusk.clk"));
    EXPECT_EQ(m_hooks.activeSkins, (QStringList{"mine", "dusk"}));
}

TEST_F(SkinFileTest, NothingHappensWhileControlsAreFilled)
{
    const QString path = put(QStringLiteral("x.clk"), skinOfSize(111));
    m_hooks.filling = true;
    m_files.LoadSkin(path, false);
    EXPECT_EQ(m_state.CurrentSkin.ClockSize, 400);
    EXPECT_EQ(m_state.CurrentSkinPath, QString());
    EXPECT_EQ(m_hooks.rebuilds + m_hooks.refills + m_hooks.activeSkins.size(), 0);
}

TEST_F(SkinFileTest, RawRecordIsReadWithoutRepairs)
{
    TClockSkin stored = DefaultSkin();
    stored.HourMidPos = 0;
    stored.TextureName.setText("wood.bmp");
    stored.DigFont.setText("Nope");
    const QString path = put(QStringLiteral("raw.clk"), stored);
    const TClockSkin raw = ReadSkinRecord(path);
    EXPECT_EQ(raw.HourMidPos, 0);
    EXPECT_EQ(raw.TextureName.text(), QStringLiteral("wood.bmp"));
    EXPECT_EQ(raw.DigFont.text(), QStringLiteral("Nope"));
    EXPECT_THROW(ReadSkinRecord(m_appDir.file("absent.clk")), IoError);
}

TEST_F(SkinFileTest, LoadedSkinIsSavedByteForByte)
{
    std::mt19937 random(20240611);
    auto randomByte = [&] {
        return static_cast<std::uint8_t>(random() & 0xFF);
    };
    for (int round = 0; round < 50; ++round) {
        TClockSkin skin = DefaultSkin();
        QByteArray bytes = skin.toBytes();
        for (auto& b : bytes)
            b = static_cast<char>(randomByte());
        skin = TClockSkin::fromBytes(bytes);
        // Fields the loader mends must already be sound; everything else stays random.
        skin.HourMidPos = 1 + int(random() % 99);
        skin.MinMidPos = 1 + int(random() % 99);
        skin.TextureName.setText(QString::number(random() % 20));
        skin.DigFont.setText(round % 2 ? "Arial" : "Default");
        const QByteArray original = skin.toBytes();

        m_files.LoadSkin(put(QStringLiteral("random.clk"), original), false);
        const QString copy = m_appDir.file(QStringLiteral("copy.clk"));
        m_files.WriteSkinFile(copy);
        ASSERT_EQ(bytesOf(copy), original) << "round " << round;
    }
}

TEST_F(SkinFileTest, OwnTextureSurvivesLoadAndSaveByteForByte)
{
    // Loading expands the bare name into the Textures folder; saving shortens it again, and the
    // bytes behind the name come back as the zeros the file had.
    const QByteArray original = skinWith([](TClockSkin& s) { s.TextureName.setText("wood.bmp"); }).toBytes();
    m_files.LoadSkin(put(QStringLiteral("wood.clk"), original), false);
    ASSERT_EQ(m_state.CurrentSkin.TextureName.text(), textures() + "wood.bmp");
    const QString copy = m_appDir.file(QStringLiteral("copy.clk"));
    m_files.WriteSkinFile(copy);
    EXPECT_EQ(bytesOf(copy), original);
}

TEST_F(SkinFileTest, FailedSaveLeavesTheOldFile)
{
    const QByteArray old = skinOfSize(123).toBytes();
    const QString path = put(QStringLiteral("keep.clk"), old);
    m_state.CurrentSkin.ClockSize = 999;
    {
        const test::FileSizeLimit limit(100); // the disk "fills up" inside the record
        EXPECT_THROW(m_files.WriteSkinFile(path), IoError);
    }
    EXPECT_EQ(bytesOf(path), old);

    const QString nowhere = m_appDir.file(QStringLiteral("NoSuchFolder/new.clk"));
    EXPECT_THROW(m_files.WriteSkinFile(nowhere), IoError);
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST_F(SkinFileTest, DamagedFilesGiveOnlyIoErrors)
{
    std::mt19937 random(7);
    const QByteArray valid = DefaultSkin().toBytes();
    for (int round = 0; round < 2000; ++round) {
        const int length = int(random() % 600);
        QByteArray bytes(length, '\0');
        for (int i = 0; i < length; ++i)
            bytes[i] = round % 3 == 0 && i < valid.size() ? valid[i] : static_cast<char>(random() & 0xFF);
        const QString path = put(QStringLiteral("damaged%1.clk").arg(round), bytes);
        const QByteArray before = m_state.CurrentSkin.toBytes();
        m_state.CurrentSkinPath = QStringLiteral("before.clk");

        bool failed = false;
        try {
            m_files.LoadSkin(path, random() % 2 == 0);
        } catch (const IoError&) {
            failed = true;
        }
        ASSERT_EQ(failed, length < 444) << "round " << round;
        if (failed) {
            ASSERT_EQ(m_state.CurrentSkin.toBytes(), before);
            ASSERT_EQ(m_state.CurrentSkinPath, QStringLiteral("before.clk"));
        } else {
            ASSERT_NE(m_state.CurrentSkin.HourMidPos, 0);
            ASSERT_NE(m_state.CurrentSkin.MinMidPos, 0);
            ASSERT_LE(m_state.CurrentSkin.TextureName.storedLength(), 120);
        }

        TClockSkin scratch = TClockSkin::zeroed();
        try {
            ASSERT_TRUE(m_files.ReadSkinFile(path, scratch, false));
        } catch (const IoError&) {
            ASSERT_LT(length, 444);
        }
    }
}

} // namespace
