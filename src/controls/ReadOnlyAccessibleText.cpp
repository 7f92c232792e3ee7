#include "controls/ReadOnlyAccessibleText.h"

#include <algorithm>

namespace horavine {

QString ReadOnlyAccessibleText::text(int startOffset, int endOffset) const
{
    const QString all = shownText();
    // Readers ask for (0, -1) to mean the whole text.
    const qsizetype end = endOffset < 0 ? all.size() : std::min<qsizetype>(endOffset, all.size());
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, end);
    return all.mid(start, end - start);
}

int ReadOnlyAccessibleText::characterCount() const
{
    return int(shownText().size());
}

QString ReadOnlyAccessibleText::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run without attributes covers the whole text.
    const int count = characterCount();
    *startOffset = offset < 0 || offset > count ? -1 : 0;
    *endOffset = offset < 0 || offset > count ? -1 : count;
    return {};
}

} // namespace horavine
