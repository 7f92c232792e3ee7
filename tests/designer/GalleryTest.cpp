#include "app/ShellTestApp.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"
#include "designer/TGalleryThumbnail.h"
#include "designer/TfmGallery.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace horavine;

namespace {

class GalleryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { test::EnsureApplication(); } // before the frame below is made
    void SetUp() override
    {
        SetErrorBoxHandler([this](const QString& text) { m_errors.append(text); });
        m_frame.resize(420, 400);
        m_frame.show();
    }
    void TearDown() override { SetErrorBoxHandler(nullptr); }

    QString skins() const { return m_app.path() + QStringLiteral("/Skins/"); }

    // Files in Skins/<gallery>/: a 40 × 10 red JPEG for "*.jpg", a folder for "name/", a few bytes otherwise.
    void addFiles(const QString& gallery, const QStringList& names)
    {
        QImage picture(40, 10, QImage::Format_RGB32);
        picture.fill(qRgb(200, 40, 40));
        const QByteArray jpeg = EncodeJpeg(picture);
        for (const QString& name : names) {
            QDir().mkpath(skins() + gallery + QLatin1Char('/') + (name.endsWith(u'/') ? name : QString()));
            QFile file(skins() + gallery + QLatin1Char('/') + name);
            if (!name.endsWith(u'/') && file.open(QIODevice::WriteOnly))
                file.write(name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? jpeg : QByteArray("skin"));
        }
    }
    void addSkins(const QString& gallery, int count)
    {
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << QStringLiteral("skin%1.jpg").arg(i) << QStringLiteral("skin%1.clk").arg(i);
        addFiles(gallery, files);
    }
    QStringList hints() const
    {
        QStringList names;
        for (int n = 0; n < m_frame.thumbnailCount(); ++n)
            names << m_frame.thumbnail(n)->toolTip();
        return names;
    }

    QTemporaryDir m_app;
    TfmGallery m_frame{AppDir(m_app.path())};
    QStringList m_errors;
};

} // namespace

TEST_F(GalleryTest, ShowsTheVisibleSkinsThatHaveBothFilesInNameOrder)
{
    const std::pair<QStringList, QStringList> cases[] = {
        {{"a.jpg", "b.jpg", "c.clk", "a.clk"}, {"a"}},
        {{"b.jpg", "b.clk", "a10.jpg", "a10.clk", "A.jpg", "A.clk", "a9.jpg", "a9.clk"}, {"A", "a9", "a10", "b"}},
        {{".hidden.jpg", ".hidden.clk", "v.jpg", "v.clk"}, {"v"}},
        {{"U.JPG", "U.clk", "w.jpg", "w.CLK", "dir.jpg/", "dir.clk"}, {"U"}}, // a click loads exactly X.clk
    };
    for (int i = 0; i < 4; ++i)
        addFiles(QString::number(i), cases[i].first);
    m_frame.RefreshGalleryTabs();
    ASSERT_EQ(m_frame.galleryNames(), QStringList({"0", "1", "2", "3"}));
    for (int i = 0; i < 4; ++i) {
        m_frame.selectGallery(i);
        m_frame.BuildThumbnails();
        EXPECT_EQ(hints(), cases[i].second) << i;
    }
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(GalleryTest, ThumbnailsFillRowsOfThreeAndEverySkinIsShown)
{
    addSkins(QStringLiteral("Many"), 104);
    m_frame.RefreshGalleryTabs();
    m_frame.BuildThumbnails();
    ASSERT_EQ(m_frame.thumbnailCount(), 104);
    const std::pair<int, QPoint> places[] = {{0, {0, 0}}, {2, {244, 0}}, {6, {0, 244}}, {103, {122, 4148}}};
    for (const auto& [n, place] : places)
        EXPECT_EQ(m_frame.thumbnail(n)->geometry(), QRect(place, QSize(120, 120))) << n;
    EXPECT_EQ(m_frame.ScrollBox1->widget()->height(), 34 * 122 + 120);
    // The 40 × 10 preview fills its square; the 2 pixels between squares show the background.
    const QImage grid = m_frame.ScrollBox1->widget()->grab(QRect(0, 0, 244, 120)).toImage();
    for (const QPoint corner : {QPoint(1, 1), QPoint(118, 118)})
        EXPECT_TRUE(qRed(grid.pixel(corner)) > 180 && qGreen(grid.pixel(corner)) < 70) << corner.x();
    EXPECT_EQ(grid.pixel(121, 60), qRgb(0x33, 0x66, 0x99));
}

TEST_F(GalleryTest, TabsAreTheVisibleGalleryFoldersSortedAndOnlyTheUsersChoiceRebuilds)
{
    m_frame.RefreshGalleryTabs(); // no Skins folder at all: no tab, no folder, an empty grid and no message
    EXPECT_EQ(m_frame.GalleryFolder(), QString());
    EXPECT_EQ(m_frame.galleryIndex(), -1);
    m_frame.BuildThumbnails();
    EXPECT_EQ(m_frame.thumbnailCount(), 0);

    addSkins(QStringLiteral("Beta 9"), 2);
    addSkins(QStringLiteral("Rock & Roll"), 5);
    for (const char* name : {"Zeta", "alpha", ".hidden", "Beta 10"})
        QDir().mkpath(skins() + QString::fromUtf8(name));
    m_frame.RefreshGalleryTabs();
    EXPECT_EQ(m_frame.galleryNames(), QStringList({"alpha", "Beta 9", "Beta 10", "Rock & Roll", "Zeta"}));
    EXPECT_EQ(m_frame.tbSkins->tabText(3), QStringLiteral("Rock && Roll"));
    EXPECT_EQ(m_frame.tbSkins->tabRect(0).height(), 25);
    EXPECT_EQ(m_frame.GalleryFolder(), skins() + QStringLiteral("alpha/"));

    QTest::mouseClick(m_frame.tbSkins, Qt::LeftButton, {}, m_frame.tbSkins->tabRect(3).center());
    EXPECT_EQ(m_frame.GalleryFolder(), skins() + QStringLiteral("Rock & Roll/"));
    EXPECT_EQ(m_frame.thumbnailCount(), 5);
    // Remembering and restoring a tab around a refresh (the save road) builds nothing.
    m_frame.ClearThumbnails(); // the save road photographs the clock over the bare background
    EXPECT_EQ(m_frame.ScrollBox1->viewport()->grab().toImage().pixel(200, 200), qRgb(0x33, 0x66, 0x99));
    m_frame.RefreshGalleryTabs();
    EXPECT_TRUE(m_frame.selectGallery(QStringLiteral("Beta 9")));
    EXPECT_FALSE(m_frame.selectGallery(QStringLiteral("Gamma")) || m_frame.selectGallery(5));
    EXPECT_EQ(m_frame.galleryIndex(), 1);
    EXPECT_EQ(m_frame.thumbnailCount(), 0);
    ASSERT_TRUE(QDir(m_frame.GalleryFolder()).removeRecursively());
    m_frame.BuildThumbnails(); // the gallery vanished since the tabs were made
    EXPECT_EQ(m_frame.thumbnailCount(), 0);
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(GalleryTest, AThumbnailIsAButtonThatHandsOverTheSkinFileOfItsGrid)
{
    addFiles(QStringLiteral("Natural"), {"Dawn.jpg", "Dawn.clk", "Sunset.jpg", "Sunset.clk"});
    addSkins(QStringLiteral("Synthetic"), 1);
    m_frame.RefreshGalleryTabs();
    m_frame.BuildThumbnails();
    QStringList clicked;
    m_frame.OnThumbnailClick = [&](const QString& path) {
        clicked << path;
        m_frame.BuildThumbnails(); // the clicked thumbnail is replaced while its click runs
    };
    ASSERT_EQ(m_frame.thumbnailCount(), 2);
    QTest::mouseClick(m_frame.thumbnail(1), Qt::LeftButton);
    ASSERT_TRUE(m_frame.selectGallery(1)); // selected without rebuilding: the grid still shows Natural

    QAccessibleInterface* dawn = QAccessible::queryAccessibleInterface(m_frame.thumbnail(0));
    ASSERT_TRUE(dawn && dawn->actionInterface());
    EXPECT_EQ(dawn->role(), QAccessible::Button);
    EXPECT_EQ(dawn->text(QAccessible::Name), QStringLiteral("Dawn"));
    EXPECT_EQ(m_frame.thumbnail(0)->toolTip(), QStringLiteral("Dawn"));
    dawn->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // an animated click
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.size() == 2; }, 2000));
    EXPECT_EQ(clicked, QStringList({skins() + "Natural/Sunset.clk", skins() + "Natural/Dawn.clk"}));
}

TEST_F(GalleryTest, AnUnreadablePreviewIsReportedAndTheEarlierThumbnailsStay)
{
    addSkins(QStringLiteral("G"), 4);
    QFile damaged(skins() + QStringLiteral("G/skin2.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate) && damaged.write("not a picture") > 0);
    damaged.close();
    m_frame.RefreshGalleryTabs();
    m_frame.BuildThumbnails();
    EXPECT_EQ(hints(), QStringList({"skin0", "skin1"}));
    EXPECT_EQ(m_errors,
              QStringList(QStringLiteral("Cannot load picture \"%1\": not a JPEG file").arg(damaged.fileName())));
}
