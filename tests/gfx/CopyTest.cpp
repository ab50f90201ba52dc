#include "GfxTesting.h"
#include <climits>

namespace {

using CopyTest = GfxTest;

// A 3 x 2 source "rgb/bWg" placed at (x, y) on a yellow 4 x 3 target. AND with yellow
// keeps red and green, turns blue black and white yellow.
struct Placement {
    const char* name;
    int x, y;
    Rows copied, anded;
};
void PrintTo(const Placement& c, std::ostream* out) { *out << c.name; }
class CopyAt : public GfxTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(CopyAt, TouchesOnlyTheOverlap) {
    SurfaceHandle source = Make(3, 2);
    Paint(Rows({"rgb", "bWg"}));
    for (MixMode mode : {MixMode::Copy, MixMode::And}) {
        Make(4, 3, 0x00FFFF);
        CopySurfaceAt(source, GetParam().x, GetParam().y, mode);
        EXPECT_EQ(TargetPicture(0, 0, 4, 3),
                  mode == MixMode::Copy ? GetParam().copied : GetParam().anded);
    }
}
const Rows Yellow = Rows({"yyyy", "yyyy", "yyyy"});
INSTANTIATE_TEST_SUITE_P(
    Edges, CopyAt,
    ::testing::Values(
        Placement{"Inside", 1, 1, Rows({"yyyy", "yrgb", "ybWg"}), Rows({"yyyy", "yrgK", "yKyg"})},
        Placement{"Left", -1, 0, Rows({"gbyy", "Wgyy", "yyyy"}), Rows({"gKyy", "ygyy", "yyyy"})},
        Placement{"Right", 2, 0, Rows({"yyrg", "yybW", "yyyy"}), Rows({"yyrg", "yyKy", "yyyy"})},
        Placement{"Top", 0, -1, Rows({"bWgy", "yyyy", "yyyy"}), Rows({"Kygy", "yyyy", "yyyy"})},
        Placement{"Bottom", 0, 2, Rows({"yyyy", "yyyy", "rgby"}), Rows({"yyyy", "yyyy", "rgKy"})},
        Placement{"TopLeft", -2, -1, Rows({"gyyy", "yyyy", "yyyy"}),
                  Rows({"gyyy", "yyyy", "yyyy"})},
        Placement{"BottomRight", 3, 2, Rows({"yyyy", "yyyy", "yyyr"}),
                  Rows({"yyyy", "yyyy", "yyyr"})},
        Placement{"OutsideLeft", -3, 0, Yellow, Yellow},
        Placement{"OutsideBelow", 0, 3, Yellow, Yellow},
        Placement{"FarAway", INT_MAX, INT_MIN, Yellow, Yellow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyTest, PaperOntoTheViewAtItsPlacement) {
    SurfaceHandle paper = Make(7500, 7500, Black);
    Paint(Rows({"g"}));
    WritePixel(700, 350, 0x0000FF);
    WritePixel(1199, 949, 0xFF0000);
    Make(1200, 950);
    CopySurfaceAt(paper, -700, -350, MixMode::And);
    EXPECT_EQ(ReadPixel(0, 0), 0x0000FFu);
    ClearTarget(White);
    CopySurfaceAt(paper, 100, 0, MixMode::And);
    EXPECT_EQ(TargetPicture(98, 0, 4, 1), Rows({"WWgK"}));
    EXPECT_EQ(TargetPicture(0, 949, 101, 1), Rows({std::string(100, 'W') + "K"}));
    CopySurface(paper); // the common part: the whole view
    EXPECT_EQ(ReadPixel(1199, 949), 0xFF0000u);
}

TEST_F(CopyTest, CopySurfaceCopiesTheCommonTopLeftPart) {
    SurfaceHandle wide = Make(4, 1, 0x0000FF);
    Make(2, 3, 0x00FF00);
    CopySurface(wide);
    EXPECT_EQ(TargetPicture(0, 0, 2, 3), Rows({"rr", "gg", "gg"}));
}

TEST_F(CopyTest, CopyOntoItselfShifts) {
    SurfaceHandle self = Make(4, 2);
    Paint(Rows({"rgbK", "KWWW"}));
    CopySurfaceAt(self, 1, 1, MixMode::Copy);
    EXPECT_EQ(TargetPicture(0, 0, 4, 2), Rows({"rgbK", "Krgb"}));
}

TEST_F(CopyTest, PixelBlockIsSizeThenBlueGreenRedZero) {
    Make(2, 2);
    Paint(Rows({"rg", "b"}));
    WritePixel(1, 1, MakeColour(0x11, 0x22, 0x33));
    const std::vector<std::uint8_t> expected{2,    0, 0,    0, 2,    0,    0,    0, // size
                                             0,    0, 0xFF, 0, 0,    0xFF, 0,    0, // r g
                                             0xFF, 0, 0,    0, 0x33, 0x22, 0x11, 0};
    EXPECT_EQ(ReadAllPixels(), expected);
}

} // namespace
