// How many device pixels show a surface pixel: the ratio's nearest whole number, lowered
// until the main window (1200 x 950 surface pixels and a 30-pixel menu bar) fits.
#include "platform/SurfaceScale.h"
#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    double ratio;
    int width, height; // the screen's available area, device pixels
    int k;
};

TEST(SurfaceScale, IsTheNearestWholeRatioThatLetsTheMainWindowFit) {
    const ScaleCase cases[] = {
        {1, 1920, 1080, 1},    {1.25, 1920, 1080, 1},
        {1.5, 3840, 2160, 2},  {1.5, 1920, 1080, 1},  // two would be 2400 wide
        {1.75, 2560, 2048, 2}, {1.75, 2560, 1600, 1}, // 1930 high at two
        {2, 2400, 1930, 2},    {2, 2399, 1930, 1},
        {2, 2400, 1929, 1},    {2.5, 5120, 2880, 3}, // a half rounds up
        {3, 3840, 2160, 2},                          // lowered one step
        {3, 5760, 3240, 3},    {0.75, 800, 600, 1},  // never below one, fitting or not
    };
    for (const ScaleCase& c : cases)
        EXPECT_EQ(SurfaceScale(c.ratio, c.width, c.height, WindowNeeds{1200, 950, 0, 30}), c.k)
            << "ratio " << c.ratio << " on " << c.width << " x " << c.height;
}

} // namespace
