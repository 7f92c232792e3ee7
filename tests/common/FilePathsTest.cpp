#include "common/FilePaths.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

using namespace horavine;

TEST(FilePaths, NamePartsAcceptBothSeparatorsAndDrives)
{
    struct Row
    {
        QString path;
        bool hasFolder;
        QString folder, name, nameWithoutExt;
    };
    const Row rows[] = {
        {"wood.bmp", false, "", "wood.bmp", "wood"},
        {"D:\\pics\\wood.bmp", true, "D:\\pics\\", "wood.bmp", "wood"},
        {"/home/u/Skins/Sunset.clk", true, "/home/u/Skins/", "Sunset.clk", "Sunset"},
        {"C:wood.bmp", true, "C:", "wood.bmp", "wood"},
        {"mixed/dir\\file.tar.gz", true, "mixed/dir\\", "file.tar.gz", "file.tar"},
        {"dir.d/noext", true, "dir.d/", "noext", "noext"},
        {"12", false, "", "12", "12"},
        {"", false, "", "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path.toStdString());
        EXPECT_EQ(HasFolderPart(r.path), r.hasFolder);
        EXPECT_EQ(ExtractFilePath(r.path), r.folder);
        EXPECT_EQ(ExtractFileName(r.path), r.name);
        EXPECT_EQ(FileNameWithoutExt(r.path), r.nameWithoutExt);
    }
    EXPECT_EQ(ChangeFileExt(QStringLiteral("a/b.c/sky.jpg"), QStringLiteral(".clk")), QStringLiteral("a/b.c/sky.clk"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("a.b/sky"), QStringLiteral(".clk")), QStringLiteral("a.b/sky.clk"));
}

TEST(NumberText, ReadsDecimalAndTheThreeHexPrefixes)
{
    struct Row
    {
        const char* text;
        std::optional<int> value;
    };
    const Row rows[] = {
        {"12", 12},         {"  12", 12},      {"+12", 12},      {"-12", -12},     {"$C", 12},
        {"$c", 12},         {"x0C", 12},       {"X0c", 12},      {"0x0C", 12},     {"0X0c", 12},
        {"-$10", -16},      {"$FFFFFFFF", -1}, {"2147483647", 2147483647},          {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN},            {"12a", std::nullopt},              {"12 ", std::nullopt},
        {"", std::nullopt}, {" ", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt}, {"+", std::nullopt},
        {"$123456789", std::nullopt},          {"wood.bmp", std::nullopt},         {"0", 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ParseInteger(QString::fromLatin1(r.text)), r.value) << r.text;
}
