#include "GfxTesting.h"

namespace {

using ColoursTest = GfxTest;

// From foreground green on background red, SetColours(fore, back); then what
// ClearTarget(-1) leaves on a blue surface and what WritePixel(-1) writes.
struct ColourCase {
    const char* name;
    Colour fore, back, cleared, written;
};
void PrintTo(const ColourCase& c, std::ostream* out) { *out << c.name; }
class SpecialColours : public GfxTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(SpecialColours, SetTheDrawingState) {
    Make(2, 1, 0xFF0000);
    SetColours(0x00FF00, 0x0000FF);
    SetColours(GetParam().fore, GetParam().back);
    ClearTarget(ColourDefault);
    WritePixel(1, 0, ColourDefault);
    EXPECT_EQ(ReadPixel(0, 0), GetParam().cleared);
    EXPECT_EQ(ReadPixel(1, 0), GetParam().written);
}
INSTANTIATE_TEST_SUITE_P(
    Arguments, SpecialColours,
    ::testing::Values(
        ColourCase{"Plain", 0x123456, 0x654321, 0x654321, 0x123456},
        ColourCase{"Defaults", ColourDefault, ColourDefault, SystemButtonFace, SystemWindowText},
        ColourCase{"Unchanged", ColourUnchanged, ColourUnchanged, 0x0000FF, 0x00FF00},
        ColourCase{"TransparentClearsNothing", Black, ColourTransparent, 0xFF0000, Black},
        ColourCase{"LowBitsOnly", ColourTransparent, 0xFF123456, 0x123456, 0xFFFFFE}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColoursTest, PixelsReadBackExactlyAndNothingOutside) {
    Make(3, 2);
    for (Colour c : {0x000001u, 0x010000u, 0xABCDEFu, 0xFFFFFEu}) {
        WritePixel(2, 1, c);
        EXPECT_EQ(ReadPixel(2, 1), c);
    }
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
        WritePixel(x, y, Black);
        EXPECT_EQ(ReadPixel(x, y), NoColour) << x << "," << y;
    }
    int px, py;
    GetPosition(px, py); // the last write moved the position even outside
    EXPECT_EQ(std::pair(px, py), std::pair(0, 2));
    ClearTarget(ColourTransparent);
    GetPosition(px, py);
    EXPECT_EQ(std::pair(px, py), std::pair(0, 0));
    EXPECT_EQ(TargetPicture(0, 0, 3, 2), Rows({"WWW", "WW?"}));
}

} // namespace
