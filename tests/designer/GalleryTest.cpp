#include "app/ErrorBox.h"
#include "app/ShellTestApp.h"
#include "common/Picture.h"
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
    void SetUp() override
    {
        test::EnsureApplication();
        SetErrorBoxHandler([this](const QString& text) { m_errors.append(text); });
    }
    void TearDown() override { SetErrorBoxHandler(nullptr); }

    QString skins() const { return m_app.path() + QStringLiteral("/Skins/"); }

    // Each name a file in Skins/<gallery>/: ".jpg" names get a small JPEG, a name ending in "/" a folder, the
    // rest a few bytes.
    void addFiles(const QString& gallery, const QStringList& names, QRgb colour = qRgb(200, 40, 40))
    {
        const QString folder = skins() + gallery + QLatin1Char('/');
        QDir().mkpath(folder);
        QImage picture(40, 10, QImage::Format_RGB32); // stretched to the square in the grid
        picture.fill(colour);
        const QByteArray jpeg = EncodeJpeg(picture);
        for (const QString& name : names) {
            if (name.endsWith(QLatin1Char('/'))) {
                QDir().mkpath(folder + name);
                continue;
            }
            QFile file(folder + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? jpeg : QByteArray("skin"));
        }
    }
    // Skins name0 .. name<count - 1> with their previews.
    void addSkins(const QString& gallery, int count, const QString& name = QStringLiteral("skin"))
    {
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << QStringLiteral("%1%2.jpg").arg(name).arg(i) << QStringLiteral("%1%2.clk").arg(name).arg(i);
        addFiles(gallery, files);
    }

    QStringList hints(const TfmGallery& gallery) const
    {
        QStringList names;
        for (int n = 0; n < gallery.thumbnailCount(); ++n)
            names << gallery.thumbnail(n)->toolTip();
        return names;
    }

    QTemporaryDir m_app;
    QStringList m_errors;
};

} // namespace

TEST_F(GalleryTest, ShowsTheSkinsThatHaveBothFilesInNameOrder)
{
    struct Case
    {
        QStringList files;
        QStringList shown;
    };
    const Case cases[] = {
        {{"a.jpg", "b.jpg", "c.clk", "a.clk"}, {"a"}},
        {{"b.jpg", "b.clk", "a10.jpg", "a10.clk", "A.jpg", "A.clk", "a9.jpg", "a9.clk"}, {"A", "a9", "a10", "b"}},
        {{".hidden.jpg", ".hidden.clk", "v.jpg", "v.clk"}, {"v"}},
        {{"U.JPG", "U.clk", "w.jpg", "w.CLK", "dir.jpg/", "dir.clk"}, {"U"}}, // the click loads exactly X.clk
    };
    int gallery = 0;
    for (const Case& c : cases) {
        addFiles(QString::number(gallery), c.files);
        TfmGallery frame(AppDir(m_app.path()));
        frame.RefreshGalleryTabs();
        ASSERT_TRUE(frame.selectGallery(gallery++));
        frame.BuildThumbnails();
        EXPECT_EQ(hints(frame), c.shown) << c.files.join(u' ').toStdString();
    }
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(GalleryTest, ThumbnailsFillRowsOfThreeAndEverySkinIsShown)
{
    addSkins(QStringLiteral("Many"), 104);
    TfmGallery frame(AppDir(m_app.path()));
    frame.RefreshGalleryTabs();
    frame.BuildThumbnails();
    ASSERT_EQ(frame.thumbnailCount(), 104);
    const std::pair<int, QPoint> places[]
        = {{0, {0, 0}}, {2, {244, 0}}, {3, {0, 122}}, {6, {0, 244}}, {103, {122, 4148}}};
    for (const auto& [n, place] : places)
        EXPECT_EQ(frame.thumbnail(n)->geometry(), QRect(place, QSize(120, 120))) << n;
    EXPECT_EQ(frame.ScrollBox1->widget()->height(), 34 * 122 + 120);

    // The 40 × 10 preview fills the square; the 2 pixels between squares show the background.
    const QImage grid = frame.ScrollBox1->widget()->grab(QRect(0, 0, 244, 120)).toImage();
    for (const QPoint p : {QPoint(2, 2), QPoint(117, 117)})
        EXPECT_LT(std::abs(qRed(grid.pixel(p)) - 200) + std::abs(qGreen(grid.pixel(p)) - 40), 20);
    EXPECT_EQ(grid.pixel(121, 60), qRgb(0x33, 0x66, 0x99));
}

TEST_F(GalleryTest, TabsAreTheVisibleGalleryFoldersSortedAndTheFirstIsSelected)
{
    for (const char* name : {"Zeta", "alpha", ".hidden", "Beta 10", "Beta 9", "Rock & Roll"})
        QDir().mkpath(skins() + QString::fromUtf8(name));
    TfmGallery frame(AppDir(m_app.path()));
    frame.RefreshGalleryTabs();
    const QStringList expected = {"alpha", "Beta 9", "Beta 10", "Rock & Roll", "Zeta"};
    EXPECT_EQ(frame.galleryNames(), expected);
    ASSERT_EQ(frame.tbSkins->count(), 5);
    EXPECT_EQ(frame.tbSkins->tabText(3), QStringLiteral("Rock && Roll"));
    EXPECT_EQ(frame.tbSkins->tabRect(0).height(), 25);
    EXPECT_EQ(frame.GalleryFolder(), skins() + QStringLiteral("alpha/"));
    ASSERT_TRUE(frame.selectGallery(QStringLiteral("Rock & Roll")));
    EXPECT_EQ(frame.GalleryFolder(), skins() + QStringLiteral("Rock & Roll/"));
}

TEST_F(GalleryTest, ChangingTheTabRebuildsButSelectingByCodeDoesNot)
{
    addSkins(QStringLiteral("A"), 2);
    addSkins(QStringLiteral("B"), 5);
    TfmGallery frame(AppDir(m_app.path()));
    frame.resize(420, 400);
    frame.show();
    frame.RefreshGalleryTabs();
    EXPECT_EQ(frame.thumbnailCount(), 0);
    frame.BuildThumbnails();
    EXPECT_EQ(frame.thumbnailCount(), 2);
    QTest::mouseClick(frame.tbSkins, Qt::LeftButton, {}, frame.tbSkins->tabRect(1).center());
    EXPECT_EQ(frame.galleryName(), QStringLiteral("B"));
    EXPECT_EQ(frame.thumbnailCount(), 5);

    // Remembering and restoring a tab around a refresh builds nothing.
    frame.ClearThumbnails();
    frame.RefreshGalleryTabs();
    EXPECT_TRUE(frame.selectGallery(QStringLiteral("B")));
    EXPECT_FALSE(frame.selectGallery(QStringLiteral("C")));
    EXPECT_FALSE(frame.selectGallery(2));
    EXPECT_EQ(frame.galleryIndex(), 1);
    EXPECT_EQ(frame.thumbnailCount(), 0);
}

TEST_F(GalleryTest, AClickHandsOverTheSkinFileOfTheGridItWasBuiltFor)
{
    addFiles(QStringLiteral("Natural"), {"Dawn.jpg", "Dawn.clk", "Sunset.jpg", "Sunset.clk"});
    addSkins(QStringLiteral("Synthetic"), 1);
    TfmGallery frame(AppDir(m_app.path()));
    frame.show();
    frame.RefreshGalleryTabs();
    frame.BuildThumbnails();
    QStringList clicked;
    frame.OnThumbnailClick = [&](const QString& path) {
        clicked << path;
        frame.BuildThumbnails(); // the clicked thumbnail is replaced while its click runs
    };
    ASSERT_EQ(frame.thumbnailCount(), 2);
    QTest::mouseClick(frame.thumbnail(1), Qt::LeftButton);
    ASSERT_TRUE(frame.selectGallery(1)); // the save road selects without rebuilding
    QTest::mouseClick(frame.thumbnail(0), Qt::LeftButton);
    const QString sunset = skins() + QStringLiteral("Natural/Sunset.clk");
    const QString dawn = skins() + QStringLiteral("Natural/Dawn.clk");
    EXPECT_EQ(clicked, QStringList({sunset, dawn}));
}

TEST_F(GalleryTest, AThumbnailIsAButtonNamedAfterItsSkin)
{
    addFiles(QStringLiteral("Natural"), {"Sunset.jpg", "Sunset.clk"});
    TfmGallery frame(AppDir(m_app.path()));
    frame.show();
    frame.RefreshGalleryTabs();
    frame.BuildThumbnails();
    QString clicked;
    frame.OnThumbnailClick = [&](const QString& path) {
        clicked = path;
    };
    ASSERT_EQ(frame.thumbnailCount(), 1);
    TGalleryThumbnail* thumbnail = frame.thumbnail(0);
    EXPECT_EQ(thumbnail->toolTip(), QStringLiteral("Sunset"));
    EXPECT_EQ(thumbnail->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(thumbnail);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Sunset"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); // an animated click
    EXPECT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 2000));
    EXPECT_EQ(clicked, skins() + QStringLiteral("Natural/Sunset.clk"));
}

TEST_F(GalleryTest, AnUnreadablePreviewIsReportedAndTheEarlierThumbnailsStay)
{
    addSkins(QStringLiteral("G"), 4);
    QFile damaged(skins() + QStringLiteral("G/skin2.jpg"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a picture");
    damaged.close();
    TfmGallery frame(AppDir(m_app.path()));
    frame.RefreshGalleryTabs();
    frame.BuildThumbnails();
    EXPECT_EQ(hints(frame), QStringList({"skin0", "skin1"}));
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_EQ(m_errors[0], QStringLiteral("Cannot load picture \"%1\": not a JPEG file").arg(damaged.fileName()));
}

TEST_F(GalleryTest, NoGalleryOrAVanishedOneGivesAnEmptyGridSilently)
{
    TfmGallery frame(AppDir(m_app.path()));
    frame.RefreshGalleryTabs(); // no Skins folder at all
    EXPECT_TRUE(frame.galleryNames().isEmpty());
    EXPECT_EQ(frame.galleryIndex(), -1);
    EXPECT_EQ(frame.GalleryFolder(), QString());
    frame.BuildThumbnails();

    addSkins(QStringLiteral("Gone"), 3);
    frame.RefreshGalleryTabs();
    frame.BuildThumbnails();
    EXPECT_EQ(frame.thumbnailCount(), 3);
    ASSERT_TRUE(QDir(skins() + QStringLiteral("Gone")).removeRecursively());
    frame.BuildThumbnails();
    EXPECT_EQ(frame.thumbnailCount(), 0);
    EXPECT_TRUE(m_errors.isEmpty());
}
