#include "common/TextAround.h"

#include <gtest/gtest.h>

using namespace horavine;

TEST(TextAround, CutsASentenceIntoTheLabelsAroundItsBoxes)
{
    struct Row
    {
        const char* sentence;
        int boxes;
        QStringList pieces;
    };
    const Row rows[] = {
        // The English rows come out as the labels always were.
        {"Every %1 days.", 1, {"Every ", "days."}},
        {"Size %1 pixels", 1, {"Size ", "pixels"}},
        {"Middle color pos.  %1 %", 1, {"Middle color pos.  ", "%"}},
        {"From%1 %  to%2 %", 2, {"From", "%  to", "%"}},
        // Another language's order: the box first, or nothing after it.
        {"%1 Tage lang", 1, {"", "Tage lang"}},
        {"Alle %1", 1, {"Alle ", ""}},
        // Only the one space after a box is the layout's gap.
        {"a %1  b", 1, {"a ", " b"}},
        // A translation that lost its box keeps its words in front and leaves the rest empty.
        {"Jeden Tag", 1, {"", "Jeden Tag"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextAround(QString::fromUtf8(row.sentence), row.boxes), row.pieces) << row.sentence;
}
