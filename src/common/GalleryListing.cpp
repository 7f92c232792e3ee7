#include "common/GalleryListing.h"

#include "common/FileList.h"

#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

namespace horavine {

namespace {

// Runs of digits compared as numbers, everything else character by character. Written here rather than through
// QCollator: the collator loads the ICU collation data (over a megabyte resident) into a clock
// that lists its galleries at every start, and file names need no language's rules.
int CompareNaturally(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Leading zeros do not count; then the longer run is the larger number.
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i] == u'0')
                ++i;
            while (j < b.size() && b[j] == u'0')
                ++j;
            const qsizetype digitsA = i;
            const qsizetype digitsB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            if (i - digitsA != j - digitsB)
                return i - digitsA < j - digitsB ? -1 : 1;
            if (const int order = a.sliced(digitsA, i - digitsA).compare(b.sliced(digitsB, j - digitsB)))
                return order;
            if (i - startA != j - startB) // "7" before "007"
                return i - startA < j - startB ? -1 : 1;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

// What a name is compared by: letters without their accents and case, so "Été" sorts among the E's.
QString SortKey(const QString& name)
{
    QString key = name.normalized(QString::NormalizationForm_KD);
    key.removeIf([](QChar c) { return c.isMark(); });
    return key.toCaseFolded();
}

} // namespace

void SortNames(QStringList& names)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString& name : names)
        keyed.emplace_back(SortKey(name), name);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = CompareNaturally(a.first, b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = keyed[size_t(i)].second;
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
