// SPDX-License-Identifier: GPL-3.0-or-later
// Ice-bank figures for inputs that no window produces: defined, and exact where they fit.

#include "IceBankCalc.h"

#include <gtest/gtest.h>

#include <limits>

using namespace IceBank;

TEST(ComputeIceBank, NoRunningHoursNeedNoCapacity)
{
    const IceBankResult r = ComputeIceBank({10000, 30, 0, TubeSizeIndex::SevenEighthsInch});
    EXPECT_EQ(r.RequiredCapacity, 0);
    EXPECT_EQ(r.Choice.Count, 1);
    EXPECT_EQ(r.Choice.ModelCode, "2HC-2.2");
}

TEST(ComputeIceBank, LargestRawInputsKeepEveryFigure)
{
    // 2147483647 l x 1.163 x 254 K / 1 h x 1.2 = 761245157149.31 W: 11447296 units of the
    // largest model, 457891840 hp; 798563368.96 m2 and 16026214400 m of 5/8 inch tube,
    // beyond 32 bits.
    const IceBankResult r =
        ComputeIceBank({std::numeric_limits<std::int32_t>::max(), 255, 1, TubeSizeIndex::FiveEighthsInch});
    EXPECT_EQ(r.RequiredCapacity, 761'245'157'149);
    EXPECT_EQ(r.Choice.Count, 11'447'296);
    EXPECT_EQ(r.Choice.ModelCode, "6G-40.2");
    EXPECT_EQ(r.ExchangeSurface, 798'563'368);
    EXPECT_EQ(r.TubeLength, 16'026'214'400);
}
