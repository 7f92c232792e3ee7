#pragma once

// The gallery page: one tab per gallery folder under Skins, and for the selected gallery a grid of preview
// thumbnails, three to a row; a click on one hands its skin file to the options window.

#include "common/AppDir.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollArea;
class QTabBar;

namespace horavine {

class TGalleryThumbnail;

class TfmGallery : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kThumbnailSize = 120;
    static constexpr int kThumbnailPitch = 122;
    static constexpr int kColumns = 3;

    explicit TfmGallery(const AppDir& appDir, QWidget* parent = nullptr);

    // Set by the options window: the skin file of a clicked thumbnail, GalleryFolder() + hint + ".clk" as the
    // folder was when the grid was built.
    std::function<void(const QString& skinPath)> OnThumbnailClick;

    // Refills the tabs from the gallery folders (sorted by name) and selects the first; builds no thumbnails.
    void RefreshGalleryTabs();
    // AppDir's Skins folder + the selected gallery + separator; "" while there is no gallery.
    QString GalleryFolder() const;
    // Replaces the grid with the previewed skins of the selected gallery. A preview that cannot be read is
    // reported in the standard error box and ends the building; the thumbnails made before it stay.
    void BuildThumbnails();
    void ClearThumbnails();

    int thumbnailCount() const { return int(m_thumbnails.size()); }
    TGalleryThumbnail* thumbnail(int n) const { return m_thumbnails.at(size_t(n)); }

    QStringList galleryNames() const { return m_galleries; }
    int galleryIndex() const; // -1 while there is no gallery
    QString galleryName() const; // "" while there is no gallery
    // Select a gallery as code does (remembering and restoring a tab around a refresh): no thumbnails are
    // built. False, and nothing changes, when there is no such gallery.
    bool selectGallery(int index);
    bool selectGallery(const QString& name);

    QTabBar* tbSkins = nullptr;
    QScrollArea* ScrollBox1 = nullptr;

private:
    void tbSkinsChange(int index);

    AppDir m_appDir;
    QStringList m_galleries; // the tab names as the folders have them (the tabs show '&' doubled)
    QWidget* m_grid = nullptr; // the scroll box's content, sized to the rows of thumbnails
    std::vector<TGalleryThumbnail*> m_thumbnails;
    bool m_selectingByCode = false;
    TGalleryThumbnail* m_clicking = nullptr;
};

} // namespace horavine
