// SPDX-License-Identifier: GPL-3.0-or-later
// Engine loads for arguments that no window produces: they stay defined and exact.

#include "Tools.h"

#include <gtest/gtest.h>

using namespace Tools;

TEST(WallLoad, AreasOfVeryLargeRoomsDoNotOverflow)
{
    // 60 000 m sides: envelope 3.6e9 + 2 x 3.6e9 + 2 x 3.6e9 = 1.8e10 m2 at 30 K, floor
    // 3.6e9 m2 at 10 K, 0.25 W per m2 and K: 1.35e11 + 9e9 W, unscaled for a pre-cooler.
    EXPECT_EQ(WallLoad(60000, 60000, 60000, ProcessKind::PreCooler, 0.25, 5, 35, 20), 1.44e11);
    // The largest sides: 65535 x 65535 is past 32 bits on its own.
    const double largest = 65535.0 * 65535.0;
    EXPECT_EQ(WallLoad(65535, 65535, 65535, ProcessKind::PreCooler, 0.25, 5, 35, 20),
              5 * largest * 0.25 * 30 + largest * 0.25 * 10);
}
