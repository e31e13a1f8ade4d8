#include "base/dpi_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(DpiScale, RoundsToTheNearestPixelAlikeOnBothSidesOfZero)
{
    EXPECT_EQ(scaleToDpi(28, 192), 56);
    EXPECT_EQ(scaleToDpi(5, 144), 8);  // 7.5 rounds up
    EXPECT_EQ(scaleToDpi(-5, 144), -8); // and down alike, so offsets stay symmetric
    EXPECT_EQ(scaleToDpi(3, 120), 4);  // 3.75
    EXPECT_EQ(unscaleFromDpi(749, 192), 375); // 374.5
    EXPECT_EQ(rescaleBetweenDpis(290, 192, 144), 218); // 217.5
}

TEST(DpiScale, AFailedDpiQueryLeavesLengthsAlone)
{
    EXPECT_EQ(scaleToDpi(28, 0), 28);
    EXPECT_EQ(unscaleFromDpi(28, 0), 28);
    EXPECT_EQ(rescaleBetweenDpis(28, -1, 96), 28);
}

} // namespace
