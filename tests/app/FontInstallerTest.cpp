#include "app/FontInstaller.h"

#include "app/ShellTestApp.h"
#include "common/IoError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

const QString kSystemFont = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

class FontInstallerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        if (!QFile::exists(kSystemFont))
            GTEST_SKIP() << "needs " << kSystemFont.toStdString() << " (scripts/install-deps)";
    }

    void TearDown() override { InstallFonts(m_appDir, false, m_registry); }

    QString fonts() const { return m_appDir.fontsFolder(); }
    void makeFontsFolder() const { ASSERT_TRUE(QDir().mkpath(fonts())); }
    void copyGoodFont(const QString& name) const { ASSERT_TRUE(QFile::copy(kSystemFont, fonts() + name)); }
    void writeBrokenFont(const QString& name) const
    {
        QByteArray noise(4096, '\0');
        QRandomGenerator random(7);
        for (char& byte : noise)
            byte = char(random.bounded(256));
        QFile file(fonts() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(noise);
    }
    QByteArray missingFontsText() const
    {
        QFile file(MissingFontsPath(m_appDir));
        if (!file.open(QIODevice::ReadOnly))
            return "<none>";
        return file.readAll();
    }
    QStringList familiesAdded() const
    {
        QStringList families;
        for (int id : m_registry.ids())
            families += QFontDatabase::applicationFontFamilies(id);
        return families;
    }

    QTemporaryDir m_dir;
    AppDir m_appDir{m_dir.path()};
    FontRegistry m_registry;
};

TEST_F(FontInstallerTest, GoodFontsAreAddedByFullPathAndBrokenOnesListed)
{
    makeFontsFolder();
    copyGoodFont(QStringLiteral("Readout.TTF")); // a name the system's own search never finds
    writeBrokenFont(QStringLiteral("Broken.ttf"));
    writeBrokenFont(QStringLiteral("Another broken.ttf"));
    copyGoodFont(QStringLiteral("Ignored.otf"));

    const QStringList missing = InstallFonts(m_appDir, true, m_registry);

    EXPECT_EQ(m_registry.ids().size(), 1);
    EXPECT_TRUE(familiesAdded().contains(QStringLiteral("DejaVu Sans")));
    ASSERT_EQ(missing.size(), 2);
    EXPECT_TRUE(missing.contains(QStringLiteral("Broken.ttf")));
    EXPECT_TRUE(missing.contains(QStringLiteral("Another broken.ttf")));
    // One name a line, CRLF, in the order the folder was listed (which is the order returned).
    EXPECT_EQ(missingFontsText(), (missing[0] + "\r\n" + missing[1] + "\r\n").toUtf8());
}

TEST_F(FontInstallerTest, NothingFailingLeavesAnOlderListAlone)
{
    makeFontsFolder();
    copyGoodFont(QStringLiteral("One.ttf"));
    QFile older(MissingFontsPath(m_appDir));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("From an earlier run.ttf\r\n");
    older.close();

    EXPECT_TRUE(InstallFonts(m_appDir, true, m_registry).isEmpty());
    EXPECT_EQ(m_registry.ids().size(), 1);
    EXPECT_EQ(missingFontsText(), QByteArray("From an earlier run.ttf\r\n"));
}

TEST_F(FontInstallerTest, NoFontsFolderDoesNothing)
{
    EXPECT_TRUE(InstallFonts(m_appDir, true, m_registry).isEmpty());
    EXPECT_TRUE(m_registry.isEmpty());
    EXPECT_FALSE(QDir(fonts()).exists());
}

TEST_F(FontInstallerTest, DiagnosticModeShowsTheNameInsteadOfWritingTheList)
{
    makeFontsFolder();
    writeBrokenFont(QStringLiteral("Broken.ttf"));
    QStringList shown;
    m_registry.diagnosticMessage = [&shown](const QString& message) {
        shown.append(message);
    };

    EXPECT_EQ(InstallFonts(m_appDir, true, m_registry), QStringList{QStringLiteral("Broken.ttf")});
    EXPECT_EQ(shown, QStringList{QStringLiteral("Missing font - Broken.ttf")});
    EXPECT_EQ(missingFontsText(), QByteArray("<none>"));
}

TEST_F(FontInstallerTest, ClosingRemovesTheFontsAgain)
{
    makeFontsFolder();
    copyGoodFont(QStringLiteral("One.ttf"));
    copyGoodFont(QStringLiteral("Two.ttf"));
    InstallFonts(m_appDir, true, m_registry);
    const QList<int> ids = m_registry.ids();
    ASSERT_EQ(ids.size(), 2);

    EXPECT_TRUE(InstallFonts(m_appDir, false, m_registry).isEmpty());
    EXPECT_TRUE(m_registry.isEmpty());
    for (int id : ids)
        EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).isEmpty()) << "font " << id << " still there";
}

TEST_F(FontInstallerTest, UnwritableListIsAnErrorButTheFontsStayAdded)
{
    makeFontsFolder();
    copyGoodFont(QStringLiteral("Good.ttf"));
    writeBrokenFont(QStringLiteral("Broken.ttf"));
    test::FileSizeLimit full(4); // the list needs 12 bytes
    ASSERT_TRUE(full.active());

    EXPECT_THROW(InstallFonts(m_appDir, true, m_registry), IoError);
    EXPECT_EQ(m_registry.ids().size(), 1);
    EXPECT_FALSE(QFile::exists(MissingFontsPath(m_appDir)));
}

TEST(SystemFontCatalogTest, KnowsAddedFamiliesWithoutRegardToCase)
{
    test::EnsureApplication();
    SystemFontCatalog catalog;
    EXPECT_FALSE(catalog.hasFamily(QStringLiteral("No Such Family 4711")));
    const QStringList families = QFontDatabase::families();
    if (families.isEmpty())
        GTEST_SKIP() << "no fonts on this system";
    EXPECT_TRUE(catalog.hasFamily(families.front()));
    EXPECT_TRUE(catalog.hasFamily(families.front().toUpper()));
    EXPECT_TRUE(catalog.hasFamily(families.front().toLower()));
}

} // namespace
