#include "GfxTesting.h"
#include <climits>

namespace {

using DrawBoxTest = GfxTest;

// Right and bottom are exclusive whichever way round the corners are given.
struct Corners {
    int x1, y1, x2, y2;
};
void PrintTo(const Corners& c, std::ostream* out) {
    *out << "(" << c.x1 << ", " << c.y1 << ") to (" << c.x2 << ", " << c.y2 << ")";
}
class BoxCorners : public GfxTest, public ::testing::WithParamInterface<Corners> {};

TEST_P(BoxCorners, CoverTheSameEightByEightSquare) {
    Make(10, 10);
    DrawBox(GetParam().x1, GetParam().y1, GetParam().x2, GetParam().y2, Black, 0x0000FF);
    EXPECT_EQ(TargetPicture(0, 0, 10, 10),
              Rows({"KKKKKKKKWW", "KrrrrrrKWW", "KrrrrrrKWW", "KrrrrrrKWW", "KrrrrrrKWW",
                    "KrrrrrrKWW", "KrrrrrrKWW", "KKKKKKKKWW", "WWWWWWWWWW", "WWWWWWWWWW"}));
}
INSTANTIATE_TEST_SUITE_P(AnyOrder, BoxCorners,
                         ::testing::Values(Corners{0, 0, 8, 8}, Corners{8, 8, 0, 0},
                                           Corners{8, 0, 0, 8}, Corners{0, 8, 8, 0}),
                         [](const auto& info) {
                             const Corners& c = info.param;
                             return "From" + std::to_string(c.x1) + "_" + std::to_string(c.y1) +
                                    "To" + std::to_string(c.x2) + "_" + std::to_string(c.y2);
                         });

TEST_F(DrawBoxTest, NeighboursSevenApartShareTheirBorderLine) {
    Make(16, 4);
    DrawBox(0, 0, 8, 4, Black, 0x0000FF);
    DrawBox(7, 0, 15, 4, Black, 0x00FF00);
    EXPECT_EQ(TargetPicture(0, 0, 16, 4), Rows({"KKKKKKKKKKKKKKKW", "KrrrrrrKggggggKW",
                                                "KrrrrrrKggggggKW", "KKKKKKKKKKKKKKKW"}));
}

// Special border and fill arguments, drawn with foreground green over a blue surface.
struct SpecialCase {
    const char* name;
    Colour border, fill;
    Rows picture;
};
void PrintTo(const SpecialCase& c, std::ostream* out) { *out << c.name; }
class BoxColours : public GfxTest, public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(BoxColours, FollowTheSpecialArguments) {
    Make(4, 3, 0xFF0000);
    SetColours(0x00FF00, White);
    DrawBox(0, 0, 4, 3, GetParam().border, GetParam().fill);
    EXPECT_EQ(TargetPicture(0, 0, 4, 3), GetParam().picture);
}
INSTANTIATE_TEST_SUITE_P(
    Arguments, BoxColours,
    ::testing::Values(
        SpecialCase{"BorderDefault", ColourDefault, 0x0000FF, Rows({"gggg", "grrg", "gggg"})},
        SpecialCase{"FillDefault", Black, ColourDefault, Rows({"KKKK", "KKKK", "KKKK"})},
        SpecialCase{"FillTransparent", Black, ColourTransparent, Rows({"KKKK", "KbbK", "KKKK"})},
        SpecialCase{"HighByteIgnored", 0x7F000000, 0xAA00FFFF, Rows({"KKKK", "KyyK", "KKKK"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawBoxTest, ClipsAtEveryEdgeAndKeepsThePosition) {
    Make(4, 4);
    SetPosition(2, 1);
    DrawBox(-2, -2, 3, 3, Black, 0x0000FF);
    DrawBox(2, 2, 9, 9, 0x00FF00, 0x00FF00);
    DrawBox(1, 0, 1, 3, Black, Black); // no width: covers nothing
    EXPECT_EQ(TargetPicture(0, 0, 4, 4), Rows({"rrKW", "rrKW", "KKgg", "WWgg"}));
    int x, y;
    GetPosition(x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(2, 1));
    DrawBox(INT_MIN, INT_MIN, INT_MAX, INT_MAX, Black, 0x0000FF);
    EXPECT_EQ(TargetPicture(0, 0, 4, 4), Rows({"rrrr", "rrrr", "rrrr", "rrrr"}));
    SetPenWidth(INT_MAX);
    DrawBox(1, 1, 3, 3, 0x00FF00, Black);
    EXPECT_EQ(TargetPicture(0, 0, 4, 4), Rows({"gggg", "gggg", "gggg", "gggg"}));
}

TEST_F(DrawBoxTest, WidePenIsCentredOnTheRing) {
    Make(8, 8);
    SetPenWidth(3);
    DrawBox(2, 2, 7, 7, Black, 0x0000FF);
    EXPECT_EQ(TargetPicture(0, 0, 8, 8), Rows({"WWWWWWWW", "WKKKKKKK", "WKKKKKKK", "WKKKKKKK",
                                               "WKKKrKKK", "WKKKKKKK", "WKKKKKKK", "WKKKKKKK"}));
}

} // namespace
