#pragma once

// What the gallery page shows: the galleries under the gallery root and, in one gallery, the skins that have a
// preview picture. Both sorted by name, so the page looks the same on every file system.

#include <QString>
#include <QStringList>
#include <vector>

namespace horavine {

// Letter case and accents ignored and runs of digits compared by value ("Skin 2" before "Skin 10"), the same
// whatever the session's locale, so the order does not change with the machine; names that differ only in letter
// case keep a fixed order between them.
void SortNames(QStringList& names);

// The gallery folders under skinsFolder (ending with a separator), sorted; empty when it does not exist.
QStringList ListGalleries(const QString& skinsFolder);

struct GallerySkin
{
    QString name; // the base name: the thumbnail's hint
    QString picturePath;
    QString skinPath;
};

// The skins X of galleryFolder (ending with a separator) that have both X.jpg (any letter case of the extension, as
// the file mask matches) and X.clk (exactly the file a click loads), sorted by name. A preview without its skin and
// a skin without a preview are left out; hidden files are never listed.
std::vector<GallerySkin> ListPreviewedSkins(const QString& galleryFolder);

} // namespace horavine
