// Dialog units, device pixels per surface pixel, and the process's services.
#include "platform/Program.h"
#include "platform/SurfaceScale.h"
#include "platform/Window.h"
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct UnitCase {
    int units, x, y;
};
void PrintTo(const UnitCase& c, std::ostream* out) {
    *out << c.units << " units: " << c.x << " x " << c.y << " pixels";
}

class DialogUnits : public ::testing::TestWithParam<UnitCase> {};

// x = units * 6 / 4 and y = units * 13 / 8, rounded to the nearest pixel, halves away
// from zero.
TEST_P(DialogUnits, ConvertWithTheBaseUnitsOfTheDialogFont) {
    EXPECT_EQ(DialogUnitsToPixelsX(GetParam().units), GetParam().x);
    EXPECT_EQ(DialogUnitsToPixelsY(GetParam().units), GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Table, DialogUnits,
                         ::testing::Values(UnitCase{0, 0, 0}, UnitCase{1, 2, 2}, UnitCase{3, 5, 5},
                                           UnitCase{4, 6, 7}, UnitCase{13, 20, 21},
                                           UnitCase{121, 182, 197}, UnitCase{160, 240, 260},
                                           UnitCase{-1, -2, -2}, UnitCase{-3, -5, -5}),
                         [](const auto& info) {
                             const int units = info.param.units;
                             return (units < 0 ? "UnitsMinus" : "Units") +
                                    std::to_string(std::abs(units));
                         });

// How many device pixels show a surface pixel: the ratio's nearest whole number, lowered
// until the main window (1200 x 950 surface pixels and a 30-pixel menu bar) fits.
struct ScaleCase {
    double ratio;
    int width, height; // the screen's available area, device pixels
    int k;
};

TEST(SurfaceScale, IsTheNearestWholeRatioThatLetsTheMainWindowFit) {
    const ScaleCase cases[] = {
        {1.25, 1920, 1080, 1}, {1.5, 3840, 2160, 2}, {1.5, 1920, 1080, 1}, // 2400 wide at two
        {2, 2400, 1930, 2},    {2, 2399, 1930, 1},   {2, 2400, 1929, 1},
        {2.5, 5120, 2880, 3},  {3, 3840, 2160, 2},   {0.75, 800, 600, 1}, // rounded up; lowered
    };
    for (const ScaleCase& c : cases)
        EXPECT_EQ(SurfaceScale(c.ratio, c.width, c.height, WindowNeeds{1200, 950, 0, 30}), c.k)
            << "ratio " << c.ratio << " on " << c.width << " x " << c.height;
}

TEST(Program, TheExecutableFolderHoldsThisProgram) {
    std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

} // namespace
