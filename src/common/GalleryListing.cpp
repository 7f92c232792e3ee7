#include "common/GalleryListing.h"

#include "common/FileList.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace horavine {

void SortNames(QStringList& names)
{
    // Qt's collator ignores numeric mode for the C locale, which is what a bare session has.
    QCollator collator{QLocale(QLocale::English)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

QStringList ListGalleries(const QString& skinsFolder)
{
    QStringList names;
    ListFolders(skinsFolder, names);
    SortNames(names);
    return names;
}

std::vector<GallerySkin> ListPreviewedSkins(const QString& galleryFolder)
{
    QStringList pictures;
    std::vector<GallerySkin> skins;
    if (galleryFolder.isEmpty() || !ListFiles(galleryFolder, QStringLiteral("*.jpg"), pictures))
        return skins;
    SortNames(pictures);
    for (const QString& picture : pictures) {
        const QString name = picture.chopped(4); // the mask guarantees the four characters of ".jpg"
        // x.jpg and x.JPG are one skin on a file system that tells them apart; the first in order shows it.
        if (!skins.empty() && skins.back().name == name)
            continue;
        const QString skinPath = galleryFolder + name + QStringLiteral(".clk");
        if (QFileInfo(skinPath).isFile())
            skins.push_back({name, galleryFolder + picture, skinPath});
    }
    return skins;
}

} // namespace horavine
