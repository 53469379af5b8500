#include "resources/StringTable.h"

#include <gtest/gtest.h>

using vantor::LoadString;

TEST(StringTable, FindsKnownIdsAndNothingElse) {
    EXPECT_EQ(LoadString(133), "Definitions");
    EXPECT_EQ(LoadString(136), "Startups");
    EXPECT_EQ(LoadString(180), "???");
    EXPECT_TRUE(LoadString(0).empty());
    EXPECT_TRUE(LoadString(-1).empty());
    EXPECT_TRUE(LoadString(99999).empty());
}
