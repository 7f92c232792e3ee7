#include "common/GalleryListing.h"

#include <gtest/gtest.h>

namespace horavine {
namespace {

TEST(SortNames, CaseAccentsAndNumbersInTheOrderPeopleRead)
{
    const struct
    {
        QStringList given;
        QStringList expected;
    } cases[] = {
        {{"Skin 10", "skin 9", "Skin 2"}, {"Skin 2", "skin 9", "Skin 10"}},
        {{"Zebra", "Été", "apple", "Eagle"}, {"apple", "Eagle", "Été", "Zebra"}},
        {{"a007", "a7", "a06", "a 7b"}, {"a 7b", "a06", "a7", "a007"}},
        {{"b", "B", "a"}, {"a", "B", "b"}}, // equal but for case: a fixed order
        {{"x99999999999999999999", "x100000000000000000000"}, {"x99999999999999999999", "x100000000000000000000"}},
        {{"", "1", "a"}, {"", "1", "a"}},
    };
    for (const auto& c : cases) {
        QStringList names = c.given;
        SortNames(names);
        EXPECT_EQ(names, c.expected) << c.given.join(u'|').toStdString();
    }
}

} // namespace
} // namespace horavine
