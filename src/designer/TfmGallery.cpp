#include "designer/TfmGallery.h"

#include "common/GalleryListing.h"
#include "common/IoError.h"
#include "common/Picture.h"
#include "controls/ErrorBox.h"
#include "designer/TGalleryThumbnail.h"

#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>

namespace horavine {

namespace {

// Tabs of a fixed 25 pixels, whatever the style would make of the font.
class GalleryTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override { return withHeight(QTabBar::tabSizeHint(index)); }
    QSize minimumTabSizeHint(int index) const override { return withHeight(QTabBar::minimumTabSizeHint(index)); }

private:
    static QSize withHeight(QSize size) { return {size.width(), 25}; }
};

constexpr int kGridWidth = (TfmGallery::kColumns - 1) * TfmGallery::kThumbnailPitch + TfmGallery::kThumbnailSize;

} // namespace

TfmGallery::TfmGallery(const AppDir& appDir, QWidget* parent)
    : QWidget(parent)
    , m_appDir(appDir)
{
    setObjectName(QStringLiteral("fmGallery"));

    tbSkins = new GalleryTabBar(this);
    tbSkins->setObjectName(QStringLiteral("tbSkins"));
    tbSkins->setExpanding(false);
    tbSkins->setDrawBase(true);
    connect(tbSkins, &QTabBar::currentChanged, this, &TfmGallery::tbSkinsChange);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->verticalScrollBar()->setTracking(true);
    ScrollBox1->setCursor(Qt::PointingHandCursor);
    QPalette background = ScrollBox1->palette();
    background.setColor(QPalette::Window, QColor(0x33, 0x66, 0x99));
    background.setColor(QPalette::Base, QColor(0x33, 0x66, 0x99));
    ScrollBox1->setPalette(background);
    ScrollBox1->setMinimumWidth(kGridWidth + style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                + 2 * ScrollBox1->frameWidth());

    // The thumbnails sit at fixed places in a plain widget: a layout would rearrange the whole grid once for
    // every thumbnail added.
    m_grid = new QWidget;
    m_grid->setObjectName(QStringLiteral("galleryGrid"));
    m_grid->resize(kGridWidth, 0);
    ScrollBox1->setWidget(m_grid);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tbSkins);
    layout->addWidget(ScrollBox1, 1);
}

void TfmGallery::RefreshGalleryTabs()
{
    const QScopedValueRollback byCode(m_selectingByCode, true);
    while (tbSkins->count() > 0)
        tbSkins->removeTab(0);
    m_galleries = ListGalleries(m_appDir.skinsFolder());
    for (const QString& name : m_galleries) {
        QString caption = name;
        tbSkins->addTab(caption.replace(QLatin1Char('&'), QStringLiteral("&&"))); // '&' would mark a shortcut
    }
    if (!m_galleries.isEmpty())
        tbSkins->setCurrentIndex(0);
}

int TfmGallery::galleryIndex() const
{
    const int index = tbSkins->currentIndex();
    return index >= 0 && index < m_galleries.size() ? index : -1;
}

QString TfmGallery::galleryName() const
{
    const int index = galleryIndex();
    return index < 0 ? QString() : m_galleries.at(index);
}

QString TfmGallery::GalleryFolder() const
{
    const int index = galleryIndex();
    return index < 0 ? QString() : m_appDir.skinsFolder() + m_galleries.at(index) + AppDir::separator();
}

bool TfmGallery::selectGallery(int index)
{
    if (index < 0 || index >= m_galleries.size())
        return false;
    const QScopedValueRollback byCode(m_selectingByCode, true);
    tbSkins->setCurrentIndex(index);
    return true;
}

bool TfmGallery::selectGallery(const QString& name)
{
    return selectGallery(int(m_galleries.indexOf(name)));
}

void TfmGallery::tbSkinsChange(int)
{
    if (!m_selectingByCode)
        BuildThumbnails();
}

void TfmGallery::ClearThumbnails()
{
    for (TGalleryThumbnail* thumbnail : m_thumbnails) {
        // The thumbnail whose click is running (its handler may rebuild the grid) goes once the click is over.
        if (thumbnail == m_clicking) {
            thumbnail->hide();
            thumbnail->deleteLater();
        } else {
            delete thumbnail;
        }
    }
    m_thumbnails.clear();
    m_grid->resize(kGridWidth, 0);
}

void TfmGallery::BuildThumbnails()
{
    ClearThumbnails();
    ScrollBox1->verticalScrollBar()->setValue(0);
    const QString folder = GalleryFolder();
    if (folder.isEmpty())
        return;

    QString error;
    m_grid->setUpdatesEnabled(false);
    for (const GallerySkin& skin : ListPreviewedSkins(folder)) {
        QImage picture;
        try {
            picture = LoadPictureScaled(skin.picturePath, QSize(kThumbnailSize, kThumbnailSize));
        } catch (const IoError& e) {
            error = e.message();
            break;
        }
        const int n = thumbnailCount();
        auto* thumbnail = new TGalleryThumbnail(picture, skin.name, skin.skinPath, m_grid);
        thumbnail->setGeometry((n % kColumns) * kThumbnailPitch, (n / kColumns) * kThumbnailPitch, kThumbnailSize,
                               kThumbnailSize);
        connect(thumbnail, &QAbstractButton::clicked, this, [this, thumbnail] {
            const QScopedValueRollback clicking(m_clicking, thumbnail);
            if (OnThumbnailClick)
                OnThumbnailClick(thumbnail->skinPath());
        });
        thumbnail->show();
        m_thumbnails.push_back(thumbnail);
    }
    const int rows = (thumbnailCount() + kColumns - 1) / kColumns;
    m_grid->resize(kGridWidth, rows == 0 ? 0 : (rows - 1) * kThumbnailPitch + kThumbnailSize);
    m_grid->setUpdatesEnabled(true);

    if (!error.isEmpty())
        ShowErrorBox(this, error);
}

} // namespace horavine
