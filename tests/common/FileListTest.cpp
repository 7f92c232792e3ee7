#include "common/FileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dirent.h>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

class FileListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + QDir::separator();
    }

    void makeFile(const QString& name) const
    {
        QFile file(m_folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

    void makeFolder(const QString& name) const { ASSERT_TRUE(QDir(m_folder).mkdir(name)); }

    static QStringList sorted(QStringList list)
    {
        list.sort();
        return list;
    }

    QTemporaryDir m_dir;
    QString m_folder;
};

struct MaskCase
{
    const char* name;
    const char* mask;
    bool matches;
};

TEST(FileMaskTest, MatchesStarAndQuestionMarkWithoutCase)
{
    const MaskCase cases[] = {
        {"a.clk", "*.clk", true},
        {"a.clk", "*.CLK", true},
        {"Sunset.JPG", "*.jpg", true},
        {"a.clkx", "*.clk", false},
        {"a.clk.bak", "*.clk", false},
        {".clk", "*.clk", true},
        {"clk", "*.clk", false},
        {"ab.jpg", "?.jpg", false},
        {"a.jpg", "?.jpg", true},
        {"a.jpg", "a?jpg", true},
        {"abc", "a*b*c", true},
        {"abcb", "a*b", true},
        {"abcd", "a*b", false},
        {"anything", "*", true},
        {"readme", "*.*", true}, // the file search's "*.*" also finds names without a dot
        {"a.b", "*.*", true},
        {"Sunset", "sunset.*", true},
        {"Sunset2", "sunset.*", false},
        {"", "*", true},
        {"a", "", false},
    };
    for (const MaskCase& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

TEST_F(FileListTest, ListsMatchingVisibleFilesOnly)
{
    for (const char* name : {"a.clk", "B.CLK", "c.jpg", ".hidden.clk", "d.clkx", "e.clk"})
        makeFile(name);
    ASSERT_TRUE(QFile::setPermissions(m_folder + "e.clk", QFileDevice::ReadOwner)); // read-only is listed
    makeFolder("folder.clk");
    makeFolder(".hidden");

    QStringList list;
    EXPECT_TRUE(ListFiles(m_folder, "*.clk", list));
    EXPECT_EQ(sorted(list), (QStringList{"B.CLK", "a.clk", "e.clk"}));
    EXPECT_TRUE(ListFiles(m_folder, "*.CLK", list));
    EXPECT_EQ(sorted(list), (QStringList{"B.CLK", "a.clk", "e.clk"}));
    EXPECT_TRUE(ListFiles(m_folder, "*", list));
    EXPECT_EQ(sorted(list), (QStringList{"B.CLK", "a.clk", "c.jpg", "d.clkx", "e.clk"}));
    EXPECT_TRUE(ListFiles(m_folder, "*.png", list));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(FileListTest, ListsVisibleSubfoldersOnly)
{
    for (const char* name : {"Natural", "Synthetic", ".cache"})
        makeFolder(name);
    makeFile("notes.txt");

    QStringList list{"stale"};
    EXPECT_TRUE(ListFolders(m_folder, list));
    EXPECT_EQ(sorted(list), (QStringList{"Natural", "Synthetic"}));
}

TEST_F(FileListTest, MissingFolderGivesFalseAndAnEmptyList)
{
    QStringList list{"stale"};
    EXPECT_FALSE(ListFiles(m_folder + "Skins" + QDir::separator(), "*.clk", list));
    EXPECT_TRUE(list.isEmpty());

    list = {"stale"};
    EXPECT_FALSE(ListFolders(m_folder + "Skins" + QDir::separator(), list));
    EXPECT_TRUE(list.isEmpty());

    makeFile("plain");
    list = {"stale"};
    EXPECT_FALSE(ListFolders(m_folder + "plain" + QDir::separator(), list));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(FileListTest, EmptyFolderGivesTrueAndAnEmptyList)
{
    QStringList list{"stale"};
    EXPECT_TRUE(ListFiles(m_folder, "*.jpg", list));
    EXPECT_TRUE(list.isEmpty());
    list = {"stale"};
    EXPECT_TRUE(ListFolders(m_folder, list));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(FileListTest, KeepsTheFileSystemOrder)
{
    for (const char* name : {"m.clk", "b.clk", "z.clk", "a.clk", "q.clk", "c.clk", "y.clk", "k.clk"})
        makeFile(name);

    QStringList raw;
    DIR* dir = opendir(QFile::encodeName(m_folder).constData());
    ASSERT_NE(dir, nullptr);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            raw.append(QFile::decodeName(entry->d_name));
    }
    closedir(dir);

    QStringList list;
    EXPECT_TRUE(ListFiles(m_folder, "*.clk", list));
    EXPECT_EQ(list, raw);
}

} // namespace
