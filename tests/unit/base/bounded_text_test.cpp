#include "base/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(BoundedText, StartsEmptyAndCutsAtTheBufferEnd)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    BoundedText text(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    text.append("Tandor").append(": ").append("Documents");
    EXPECT_STREQ(buffer, "Tandor:");
    EXPECT_EQ(std::strlen(buffer), sizeof buffer - 1);
}

TEST(BoundedText, NullAppendChangesNothing)
{
    char buffer[16];
    BoundedText text(buffer, sizeof buffer);
    text.append("abc").append(nullptr).append("d");
    EXPECT_STREQ(buffer, "abcd");
}

TEST(BoundedText, OneByteBufferHoldsOnlyTheTerminator)
{
    char buffer[1] = {'x'};
    BoundedText text(buffer, sizeof buffer);
    text.append("abc");
    EXPECT_STREQ(buffer, "");
}

TEST(BoundedText, TooltipOfSixtyFourBytesKeepsSixtyThreeCharacters)
{
    char tooltip[64];
    BoundedText text(tooltip, sizeof tooltip);
    text.append("Tandor scanning directories").append(": ").append(
        "C:\\Documents and Settings\\Someone\\Start Menu\\Programs\\Accessories\\");
    EXPECT_EQ(std::strlen(tooltip), 63u);
}
