#include "gfx/Text.h"
#include "GfxTesting.h"
#include "gfx/CanvasControl.h"
#include <climits>

namespace {

int Width(const std::string& text) {
    int w, h;
    MeasureText(text, w, h);
    return w;
}

std::pair<int, int> Position() {
    int x, y;
    GetPosition(x, y);
    return {x, y};
}

// Texts on a white 120 x 40 surface in a bold 12-point face, as the favourites dialog
// writes them; the face is missing here, so the fallback family draws them.
class TextTest : public GfxTest {
  protected:
    FontHandle font = CreateFont("Tahoma", 12, 700);
    SurfaceHandle page = 0;
    int line = 0; // line height, pixels
    void SetUp() override {
        page = Make(120, 40);
        SelectFont(font);
        NewLine();
        line = Position().second;
        SetPosition(0, 0);
    }
    void TearDown() override {
        GfxTest::TearDown();
        DeleteFont(font);
    }
    // The number of pixels that are not white in [left, right) x [top, bottom).
    int Inked(int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += ReadPixel(x, y) != White;
        return count;
    }
};

struct SplitCase {
    const char* name;
    std::string text, fits; // the width is that of `fits`
    bool wordBreak;
    std::string head, rest;
};
void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.name; }
class SplitText : public TextTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitText, CutsAtTheLongestHeadThatFits) {
    const SplitCase& c = GetParam();
    std::string head = "x", rest = "y";
    SplitTextToWidth(c.text, Width(c.fits), c.wordBreak, head, rest);
    EXPECT_EQ(head, c.head);
    EXPECT_EQ(rest, c.rest);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, SplitText,
    ::testing::Values(SplitCase{"BlankMovesToRest", "abc def", "abc d", true, "abc", " def"},
                      SplitCase{"NoWordBreak", "abc def", "abc d", false, "abc d", "ef"},
                      SplitCase{"LongWordWithBreak", "abcdefgh", "abc", true, "", "abcdefgh"},
                      SplitCase{"LongWordWithoutBreak", "abcdefgh", "abc", false, "abc", "defgh"},
                      SplitCase{"Fits", "abc def", "abc def", true, "abc def", ""},
                      SplitCase{"LeadingBlankIsNoCut", " abcdef", " ab", true, "", " abcdef"},
                      SplitCase{"FirstMisfitIsTheBlank", "ab cd", "ab", true, "ab", " cd"},
                      SplitCase{"MultiByteStaysWhole", "ñññ", "ññ", false, "ññ", "ñ"},
                      SplitCase{"MalformedByteIsOneCharacter",
                                "a\xFF"
                                "bcd",
                                "a\xFF", false, "a\xFF", "bcd"},
                      // Measured as drawn: three replacement marks, not one narrow character.
                      SplitCase{"OverlongSequenceIsMeasuredAsDrawn",
                                "a\xE0\x80\x80"
                                "bcd",
                                "a\xE0\x80\x80", false, "a\xE0\x80\x80", "bcd"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextTest, SplitMayWriteIntoItsOwnText) {
    std::string line = "abc def", rest;
    SplitTextToWidth(line, Width("abc d"), true, line, rest);
    EXPECT_EQ(line, "abc");
    EXPECT_EQ(rest, " def");
}

TEST_F(TextTest, DrawTextStaysInItsBandAndAdvances) {
    SetColours(Black, ColourTransparent);
    SetPosition(10, 5);
    DrawText("Color Seleccionado");
    EXPECT_EQ(Position(), std::pair(10 + Width("Color Seleccionado"), 5));
    EXPECT_GT(Inked(10, 5, 120, 5 + line), 50);
    EXPECT_EQ(Inked(0, 0, 120, 40), Inked(10, 5, 120, 5 + line)); // clipped at the edge
    NewLine();
    EXPECT_EQ(Position(), std::pair(0, 5 + line));
    const Surface* s = &SurfaceOf(page);
    for (int i = 0; i < s->Width() * s->Height(); ++i)
        ASSERT_EQ(s->Pixels()[i] >> 24, 0u) << "pixel " << i;
    ReleaseTarget();
    DrawText("abc");
    NewLine();
    EXPECT_EQ(Position(), std::pair(0, 0));
}

// Texts wholly off the surface, up to the ends of int, draw nothing; the position stops
// at the end of int instead of wrapping round.
TEST_F(TextTest, TextOffTheSurfaceDrawsNothingAndThePositionSaturates) {
    SetColours(Black, 0x0000FF); // an opaque background would show too
    for (auto [x, y] : {std::pair{INT_MIN, 5},
                        {-2000, 5},
                        {120, 5},
                        {INT_MAX - 1, 5},
                        {5, INT_MIN},
                        {5, -line},
                        {5, 40},
                        {5, INT_MAX - 1}}) {
        SetPosition(x, y);
        DrawText("Color Seleccionado");
        EXPECT_EQ(Position().first, x == INT_MAX - 1 ? INT_MAX : x + Width("Color Seleccionado"));
        NewLine();
        EXPECT_EQ(Position().second, y == INT_MAX - 1 ? INT_MAX : y + line);
    }
    EXPECT_EQ(Inked(0, 0, 120, 40), 0);
}

TEST_F(TextTest, OpaqueBackgroundFillsTheCellsTransparentLeavesThem) {
    SetColours(Black, 0x0000FF);
    DrawText("   ");
    int w, h;
    MeasureText("   ", w, h);
    EXPECT_EQ(TargetPicture(0, 0, w + 1, 1), Rows({std::string(w, 'r') + "W"}));
    EXPECT_EQ(ReadPixel(0, h - 1), 0x0000FFu);
    SetColours(Black, ColourTransparent);
    SetPosition(0, 20);
    DrawText("   ");
    EXPECT_EQ(Inked(0, 20, 120, 40), 0);
}

TEST_F(TextTest, JustificationWidensTheBlanksUntilReset) {
    SetTextJustification(GetDrawingContext(), 7, 2);
    DrawText("a b c");
    EXPECT_EQ(Position().first, Width("a b c") + 7);
    SetTextJustification(GetDrawingContext(), 0, 0);
    SetPosition(0, 0);
    DrawText("a b c");
    EXPECT_EQ(Position().first, Width("a b c"));
}

TEST_F(TextTest, TextOnACanvasShowsItsBand) {
    WindowHandle window = reinterpret_cast<WindowHandle>(0x3000);
    std::vector<Rect> shown;
    RegisterCanvasControl(window, 7, 100, 30, [&](const Rect& r) { shown.push_back(r); });
    SelectTarget(window, 7, false);
    SelectFont(font);
    SetPosition(3, 4);
    DrawText("Hola");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::vector({shown[0].left, shown[0].top, shown[0].right, shown[0].bottom}),
              std::vector({3, 4, 3 + Width("Hola"), 4 + line}));
    UnregisterCanvasControl(window, 7);
}

} // namespace
