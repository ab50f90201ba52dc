// "Deshacer" and "Rehacer" for strokes made on the canvas: each stroke is one step, taken
// back and put back exactly, in the picture and on the paper, out of sight too.
#include "CanvasTesting.h"
#include "grid/ColourTools.h"
#include "grid/Journal.h"
#include "grid/PixelGrid.h"
#include "platform/Messages.h"
#include "state/State.h"

namespace {

constexpr Colour X = 0x3366FF; // the current colour; in no pixel of the image

struct StrokeCase {
    const char* name;
    int mode, fillW, fillH;
    std::vector<std::pair<int, int>> cells; // pressed on the first, dragged over the rest
};
void PrintTo(const StrokeCase& s, std::ostream* os) { *os << s.name; }

class UndoTest : public EditorTest, public ::testing::WithParamInterface<StrokeCase> {
  protected:
    void SetUp() override { OpenEditor(20, 20); }
    // The top-left 12 x 12 cells, on the paper and in the image.
    static std::pair<Rows, Rows> Look() {
        return {Picture(PaperBitmap, 0, 0, 85, 85, {{'x', X}}),
                Picture(ImageBitmap, 0, 0, 12, 12, {{'x', X}})};
    }
};

TEST_P(UndoTest, AStrokeIsOneStepTakenBackAndPutBackExactly) {
    const StrokeCase& stroke = GetParam();
    // An earlier stroke, which stays. Its release is not seen (it happened outside the
    // canvas): the next press still starts a step of its own.
    LeftButtonMode = EditCapturedColour;
    CurrentColour = 0x00FF00;
    Press(ViewX(5), ViewY(5));
    const auto before = Look();
    LeftButtonMode = stroke.mode;
    fillWidth = static_cast<std::int16_t>(stroke.fillW);
    fillHeight = static_cast<std::int16_t>(stroke.fillH);
    CurrentColour = X;
    Press(ViewX(stroke.cells[0].first), ViewY(stroke.cells[0].second));
    for (auto [column, row] : stroke.cells) Move(ViewX(column), ViewY(row));
    Release(0, 0);
    const auto after = Look();
    ASSERT_NE(after, before);
    EXPECT_EQ(UndoableSteps(), 2u);

    // Out of sight: the paper is moved away, and stays where it is.
    Key(VK_END);
    const Placement placement = PaperPlacement;
    const unsigned long compositions = Compositions();
    UndoStroke();
    EXPECT_EQ(Look(), before);
    EXPECT_EQ(Compositions(), compositions + 1);
    RedoStroke();
    EXPECT_EQ(Look(), after);
    EXPECT_EQ(Compositions(), compositions + 2);
    EXPECT_EQ(PaperPlacement.left, placement.left);
    EXPECT_EQ(PaperPlacement.top, placement.top);
    ExpectPaperMatchesImage();
    RedoStroke(); // nothing to put back: not even a recomposition
    EXPECT_EQ(Compositions(), compositions + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, UndoTest,
    ::testing::Values(
        StrokeCase{"Cells", EditCapturedColour, 0, 0, {{1, 1}, {2, 1}, {5, 5}, {2, 1}}},
        StrokeCase{"Block", EditCapturedColourMultiple, 4, 3, {{4, 4}}},
        StrokeCase{"Drag", EditCapturedColourMultiple, 3, 3, {{0, 0}, {2, 1}, {4, 6}}},
        StrokeCase{"RealColours", EditRealColourMultiple, 6, 6, {{3, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A press that changes no cell, panning and a stroke ended outside the picture make no step.
TEST_F(UndoTest, WhatChangesNoCellMakesNoStep) {
    LeftButtonMode = EditRealColour;
    Press(ViewX(3), ViewY(3));
    Release(ViewX(3), ViewY(3));
    LeftButtonMode = MovePaper;
    Press(600, 500);
    Move(500, 400);
    Release(500, 400);
    EXPECT_FALSE(CanUndo());
}

} // namespace
