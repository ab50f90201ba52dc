// Dialog units and the process's services.
#include "platform/Program.h"
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

TEST(Program, TheExecutableFolderHoldsThisProgram) {
    std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

} // namespace
