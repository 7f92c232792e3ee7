// Where the clock keeps its files: beside a writable executable with its data, else in the
// user's data folder filled from the installed data, never overwriting what the user has.

#include "common/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

class AppFolderTest : public ::testing::Test
{
protected:
    // An install: prefix/bin for the programs, prefix/share/horavine for the shipped data.
    void SetUp() override
    {
        for (const char* file :
             {"default.clk", "Skins/Natural/Autumn.clk", "Textures/Marble.bmp", "Fonts/Comfortaa.ttf"})
            put(QStringLiteral("prefix/share/horavine/") + QLatin1String(file));
        QDir().mkpath(at("prefix/bin"));
    }

    std::string dirOf(const char* relative) const { return AppDir(m_root.filePath(relative)).path().toStdString(); }
    QString at(const QString& relative) const { return QDir::cleanPath(m_root.filePath(relative)); }
    void put(const QString& relative, const QByteArray& bytes = "shipped") const
    {
        QDir().mkpath(QFileInfo(at(relative)).absolutePath());
        QFile f(at(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relative.toStdString();
        f.write(bytes);
    }
    std::string read(const QString& relative) const
    {
        QFile f(at(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
    }

    // dataHome is taken as it stands when it starts with "./", else inside the temporary folder.
    AppFolder folder(const char* exe, const QString& dataHome, bool writable = true) const
    {
        return AppFolder(AppFolder::Place{at(exe),
                                          dataHome.isEmpty() || dataHome.startsWith("./") ? dataHome : at(dataHome),
                                          at("home"), [writable](const QString&) {
                                              return writable;
                                          }});
    }

    QTemporaryDir m_root;
    QStringList m_problems;
};

} // namespace

TEST_F(AppFolderTest, PortableBesideItsDataElseTheUsersDataFolder)
{
    put("portable/default.clk", "portable");
    const struct
    {
        const char* exe;
        const char* dataHome;
        bool writable;
        const char* expected;
    } rows[] = {
        {"portable", "", true, "portable"},
        {"portable", "data", false, "data/horavine"}, // read-only: its files go to the user
        {"prefix/bin", "data", true, "data/horavine"}, // no default.clk beside the executable
        {"prefix/bin", "", true, "home/.local/share/horavine"},
        {"prefix/bin", "./data", true, "home/.local/share/horavine"}, // a relative XDG path is ignored
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.expected);
        const AppDir dir = folder(r.exe, r.dataHome, r.writable).prepare(m_problems);
        EXPECT_EQ(dir.path().toStdString(), dirOf(r.expected));
        EXPECT_TRUE(QFileInfo(dir.file("default.clk")).isFile());
        EXPECT_EQ(QFileInfo(dir.fontsFolder() + "Comfortaa.ttf").isFile(), r.exe == std::string("prefix/bin"));
    }
    EXPECT_TRUE(m_problems.isEmpty()) << m_problems.join('\n').toStdString();

    // The real probe: a temporary folder can be written, a missing one cannot.
    AppFolder::Place probed{at("portable"), {}, at("home"), AppFolder::CanWriteFolder};
    EXPECT_TRUE(AppFolder(probed).isPortable());
    EXPECT_FALSE(AppFolder::CanWriteFolder(at("no/such/folder")));
}

TEST_F(AppFolderTest, UserFilesStayAndNewShippedFilesAppear)
{
    QFile::setPermissions(at("prefix/share/horavine/Textures/Marble.bmp"), QFileDevice::ReadOwner);
    const AppFolder installed = folder("prefix/bin", "data");
    installed.prepare(m_problems);
    EXPECT_TRUE(QFile::permissions(at("data/horavine/Textures/Marble.bmp")) & QFileDevice::WriteOwner);
    put("data/horavine/default.clk", "the user's skin");
    put("data/horavine/Skins/Mine/Own.clk", "own");
    QFile::remove(at("data/horavine/Skins/Natural/Autumn.clk"));

    // A newer version ships another gallery and a changed default skin.
    put("prefix/share/horavine/Skins/Synthetic/Candy.clk", "new gallery");
    put("prefix/share/horavine/default.clk", "newer default");
    installed.prepare(m_problems);
    const struct
    {
        const char* file;
        const char* expected;
    } rows[] = {
        {"default.clk", "the user's skin"},
        {"Skins/Mine/Own.clk", "own"},
        {"Skins/Synthetic/Candy.clk", "new gallery"},
        {"Skins/Natural/Autumn.clk", "shipped"}, // missing again: copied again
    };
    for (const auto& r : rows)
        EXPECT_EQ(read(QStringLiteral("data/horavine/") + r.file), r.expected) << r.file;

    // A read-only portable copy gives the user its data and settings, not its programs.
    for (const char* file : {"stick/default.clk", "stick/horavine", "stick/horavine-cli", "stick/horavine.ini"})
        put(QString::fromLatin1(file), "stick");
    folder("stick", "user", false).prepare(m_problems);
    EXPECT_EQ(read("user/horavine/horavine.ini"), "stick");
    EXPECT_FALSE(QFileInfo::exists(at("user/horavine/horavine"))
                 || QFileInfo::exists(at("user/horavine/horavine-cli")));
    EXPECT_TRUE(m_problems.isEmpty()) << m_problems.join('\n').toStdString();
}

TEST_F(AppFolderTest, LocatingWritesNothingAndAFailureStillGivesTheData)
{
    const AppFolder installed = folder("prefix/bin", "data");
    EXPECT_EQ(installed.locate().path().toStdString(), dirOf("prefix/share/horavine"));
    EXPECT_FALSE(QFileInfo::exists(at("data")));
    installed.prepare(m_problems);
    EXPECT_EQ(installed.locate().path().toStdString(), dirOf("data/horavine"));

    // A user folder that cannot be made (a file stands in its way): the clock shows the shipped
    // data and says why it cannot save.
    put("blocked", "a file");
    EXPECT_EQ(folder("prefix/bin", "blocked").prepare(m_problems).path().toStdString(), dirOf("prefix/share/horavine"));
    ASSERT_EQ(m_problems.size(), 1);
    EXPECT_TRUE(m_problems[0].contains("blocked/horavine")) << m_problems[0].toStdString();

    // Nothing shipped at all: said, not silently a blank clock.
    folder("bare", "fresh").prepare(m_problems);
    EXPECT_EQ(m_problems.size(), 2);
}
