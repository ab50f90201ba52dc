// A text wrapped to a canvas control's width and drawn left, right, centred or justified.
// The expected picture is each line drawn on its own (a justified one word by word), at
// the place the mode gives it, on a second control of the same size.
#include "palette/TextBlock.h"
#include "gfx/CanvasControl.h"
#include "gfx/Drawing.h"
#include "gfx/Text.h"
#include "tests/palette/PaletteTestSupport.h"
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

using namespace palettetest;

namespace {

int standIn;
const auto Window = reinterpret_cast<WindowHandle>(&standIn); // gfx only needs a key
constexpr int BlockId = 1, ReferenceId = 2;
constexpr Colour Paper = 0x00C0FFC0; // the text is drawn without a background
constexpr Colour Ink = 0x00200080;
const std::string Paragraph =
    "El rojo y el azul se mezclan en un violeta profundo que llena toda la tarde de luz fin";

class TextBlockTest : public ::testing::Test {
  protected:
    void SetUp() override { Make(160); }
    void TearDown() override {
        for (int id : {BlockId, ReferenceId}) UnregisterCanvasControl(Window, id);
        DeleteFont(font);
    }
    void Make(int controlWidth) {
        width = controlWidth;
        for (int id : {BlockId, ReferenceId}) {
            UnregisterCanvasControl(Window, id);
            RegisterCanvasControl(Window, id, width, 200, [](const Rect&) {});
            SelectTarget(Window, id, false);
            SetColours(Ink, Paper);
            ClearTarget(ColourDefault);
            SelectFont(font);
        }
    }
    int Width(const std::string& text) { // on the reference, which stays selected
        int w = 0, h = 0;
        MeasureText(text, w, h);
        return w;
    }
    bool SamePixels() {
        const Surface* a = CanvasSurface(Window, BlockId);
        const Surface* b = CanvasSurface(Window, ReferenceId);
        return std::equal(a->Pixels(), a->Pixels() + a->ByteCount() / 4, b->Pixels());
    }

    FontHandle font = CreateFont("Tahoma", 12, 700);
    int width = 0;
};

TEST_F(TextBlockTest, WrappingIsGreedyLosslessAndFits) {
    std::vector<std::string> lines = WrapTextBlock(Paragraph, width);
    ASSERT_GE(lines.size(), 4u);
    std::string joined = lines[0];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The first line keeps 5 pixels free; the second is cut with the blank it starts
        // with, which is dropped afterwards.
        int room = i == 0 ? width - 5 : i == 1 ? width - Width(" ") : width;
        EXPECT_LE(Width(lines[i]), room) << lines[i];
        if (i + 1 == lines.size()) break;
        std::string next = lines[i + 1].substr(0, lines[i + 1].find(' '));
        EXPECT_GT(Width(lines[i] + " " + next), room) << "the next word would have fit";
        joined += " " + lines[i + 1];
    }
    EXPECT_EQ(joined, Paragraph);
}

TEST_F(TextBlockTest, WrappingAlwaysMovesOnAndStopsAtAHundredLines) {
    const std::string word(60, 'W'); // wider than the line: cut, not lost
    std::vector<std::string> lines = WrapTextBlock("ab " + word, width);
    EXPECT_EQ(lines[0], "ab");
    std::string joined;
    for (const std::string& line : lines) joined += line;
    EXPECT_EQ(joined, "ab" + word);
    EXPECT_NE(WrapTextBlock(word, width)[0], "") << "a word wider than the box starts at once";

    auto numbered = [](int i) { return "p" + std::to_string(1000 + i).substr(1); };
    Make(Width(numbered(0)) + 8); // one word a line
    std::string text;
    for (int i = 0; i < 150; ++i) text += numbered(i) + " ";
    lines = WrapTextBlock(text, width);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[98], numbered(98));
    EXPECT_EQ(lines[99].substr(0, 5), numbered(99) + " ") << "the last line keeps the rest";
    EXPECT_NE(lines[99].find(numbered(149)), std::string::npos);

    // Too narrow for any character: one a line, a malformed byte counting as one.
    Make(3);
    EXPECT_EQ(WrapTextBlock("\xDD"
                            "WW",
                            width),
              (std::vector<std::string>{"\xDD", "W", "W"}));
}

// Too narrow for any character, a control takes one a line: a character as RFC 3629
// counts it, so 0xC0, 0xC1 and 0xF5-0xFF start none and stand alone, each a line.
TEST_F(TextBlockTest, TooNarrowForOneCharacterTakesOneALine) {
    Make(1);
    const std::string text = "\xC0\x80\xC1\xBF"
                             "a\xC3\xB1\xE2\x82\xAC\xF0\x9D\x84\x9E"
                             "\xF5\x80\x80\x80\xF7\xBF\xFF";
    EXPECT_EQ(WrapTextBlock(text, width),
              (std::vector<std::string>{"\xC0", "\x80", "\xC1", "\xBF", "a", "\xC3\xB1",
                                        "\xE2\x82\xAC", "\xF0\x9D\x84\x9E", "\xF5", "\x80", "\x80",
                                        "\x80", "\xF7", "\xBF", "\xFF"}));
}

// A word that fits the box goes whole to the next line, the first word when it does not
// fit the first line's room, and a later one when it fits only without the blank kept at
// the cut before it; only a word wider than the box is cut.
TEST_F(TextBlockTest, AWordThatFitsTheBoxGoesWholeToTheNextLine) {
    Make(Width("violeta") + 2);
    EXPECT_EQ(WrapTextBlock("violeta y", width), (std::vector<std::string>{"", "violeta", "y"}));
    Make(Width("mmmmmm")); // " mmmmm" fits, " mmmmmm" does not
    ASSERT_LE(Width(" mmmmm"), width);
    EXPECT_EQ(WrapTextBlock("xx mmmmmm ggg", width),
              (std::vector<std::string>{"xx", "", "mmmmmm", "ggg"}));
}

// A remainder no longer than the line before is taken to fit as it stands.
TEST_F(TextBlockTest, AnUnsplitSecondLineKeepsItsLeadingBlank) {
    Make(Width("mmmm") + 6);
    EXPECT_EQ(WrapTextBlock("mmmm mm", width), (std::vector<std::string>{"mmmm", " mm"}));
}

struct ModeCase {
    const char* name;
    int mode;
    int (*start)(int W, int w); // a line's left edge before x0 is added
};
void PrintTo(const ModeCase& c, std::ostream* out) { *out << c.name; }
class TextBlockModeTest : public TextBlockTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TextBlockModeTest, LinesAreDrawnWhereTheModeSays) {
    // Lines of ten, nine (and "x") and seven equal words: the widest, one of at least 0.8
    // of it and one of less.
    auto words = [](int n) {
        std::string text = "mmmm";
        while (--n > 0) text += " mmmm";
        return text;
    };
    Make(Width(words(10)) + 5);
    const std::string text = words(10) + " " + words(9) + " x " + words(7);
    const int x0 = 2, y0 = 5;
    std::vector<std::string> lines = WrapTextBlock(text, width);
    ASSERT_EQ(lines.size(), 3u);
    int widest = 0, spread = 0;
    for (const std::string& line : lines) widest = std::max(widest, Width(line));
    // A justified line word by word, the missing width shared out over its blanks, the
    // first blanks taking one pixel more; the others whole.
    SetColours(Ink, ColourTransparent);
    SetPosition(x0, y0);
    for (const std::string& line : lines) {
        int w = Width(line), x = 0, y = 0;
        GetPosition(x, y);
        x = GetParam().start(width, w) + x0;
        SetPosition(x, y);
        const bool justify = GetParam().mode == AlignJustify && w < widest && w >= 0.8 * widest;
        spread += justify;
        if (!justify) DrawText(line);
        std::vector<std::string> words;
        std::stringstream in(line);
        for (std::string word; justify && std::getline(in, word, ' ');) words.push_back(word);
        const int blanks = static_cast<int>(words.size()) - 1, extra = widest - w;
        for (int k = 0; k <= blanks; ++k) {
            SetPosition(x, y);
            DrawText(words[k]);
            x += Width(words[k]) + Width(" ") + extra / blanks + (k < extra % blanks);
        }
        NewLine();
    }
    EXPECT_EQ(spread, GetParam().mode == AlignJustify ? 1 : 0);
    DrawTextBlock(Window, BlockId, text, GetParam().mode, x0, y0, font, Ink);
    EXPECT_TRUE(SamePixels());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TextBlockModeTest,
    ::testing::Values(ModeCase{"Left", AlignLeft, [](int, int) { return 0; }},
                      ModeCase{"Right", AlignRight, [](int W, int w) { return W - w - 3; }},
                      // The exact half, a half pixel going to the even neighbour.
                      ModeCase{"Centre", AlignCentre,
                               [](int W, int w) { return int(std::nearbyint((W - w) / 2.0)); }},
                      ModeCase{"Justify", AlignJustify, [](int, int) { return 0; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextBlockTest, UnknownModeDrawsNothing) {
    DrawTextBlock(Window, BlockId, Paragraph, 135, 1, 1, font, Ink);
    EXPECT_TRUE(SamePixels());
}

} // namespace
