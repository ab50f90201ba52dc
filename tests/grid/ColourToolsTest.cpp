// The left-button paint tools: one cell, or a block hanging right and down from the cell
// under the mouse, on a 30 x 30 image.
#include "GridTesting.h"
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "platform/Window.h"

namespace {

class ColourToolsTest : public EditorTest {
  protected:
    static constexpr Colour X = 0x3366FF; // the current colour; in no pixel of the image

    void SetUp() override {
        OpenEditor(30, 30);
        CurrentColour = X;
    }
    void Use(int mode, int fillW = 0, int fillH = 0) {
        LeftButtonMode = mode;
        fillWidth = static_cast<std::int16_t>(fillW);
        fillHeight = static_cast<std::int16_t>(fillH);
    }
    void PressCell(int column, int row) { Press(ViewX(column), ViewY(row)); }
    // Image pixels from (column, row): 'x' painted with X, '.' as loaded, '?' otherwise.
    Rows Painted(int column, int row, int w, int h) {
        Rows rows = Picture(ImageBitmap, column, row, w, h, {{'x', X}});
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                if (ReadImage(column + i, row + j) == TestColour(column + i, row + j))
                    rows[j][i] = '.';
        return rows;
    }
    Colour ReadImage(int column, int row) {
        SelectTarget(ImageBitmap);
        return ReadPixel(column, row);
    }
};

TEST_F(ColourToolsTest, BlockHangsRightAndDownFromTheCellUnderTheMouse) {
    Use(EditCapturedColourMultiple, 3, 3);
    PaperPlacement.left = -35;
    PaperPlacement.top = -70;
    PressCell(10, 20);
    EXPECT_EQ(Painted(9, 19, 5, 5), (Rows{".....", ".xxx.", ".xxx.", ".xxx.", "....."}));
    EXPECT_EQ(Compositions(), 1u);
    ExpectPaperMatchesImage();
    EXPECT_EQ(Cell(11, 21).realColour, TestColour(11, 21)); // records never change
}

TEST_F(ColourToolsTest, BlockOverTheLastCellPaintsOnlyThatCell) {
    Use(EditCapturedColourMultiple, 3, 3);
    PressCell(29, 29);
    EXPECT_EQ(Painted(27, 27, 3, 3), (Rows{"...", "...", "..x"}));
    EXPECT_EQ(Picture(PaperBitmap, 209, 209, 3, 3, {{'x', X}}), (Rows{"xKW", "KKW", "WWW"}));
}

TEST_F(ColourToolsTest, RealColourToolsRestoreTheLoadTimeLook) {
    const Rows paperBefore = Picture(PaperBitmap, 0, 0, 60, 60, {{'x', X}});
    Use(EditCapturedColourMultiple, 4, 2);
    PressCell(3, 4);
    Use(EditCapturedColour);
    PressCell(1, 1);
    ASSERT_NE(Picture(PaperBitmap, 0, 0, 60, 60, {{'x', X}}), paperBefore);
    Use(EditRealColourMultiple, 4, 2);
    PressCell(3, 4);
    Use(EditRealColour);
    PressCell(1, 1);
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 60, 60, {{'x', X}}), paperBefore);
    EXPECT_EQ(Painted(0, 0, 8, 8), Rows(8, "........"));
}

TEST_F(ColourToolsTest, RealColourOnAnUnpaintedCellStillRecomposes) {
    const Rows paperBefore = Picture(PaperBitmap, 0, 0, 30, 30);
    Surface* canvas = CanvasSurface(Window(), CanvasControlId);
    canvas->Row(100)[500] = PixelFromColour(X); // a stale pixel over white paper
    Use(EditRealColour);
    PressCell(2, 2);
    EXPECT_EQ(Compositions(), 1u);
    EXPECT_EQ(ColourFromPixel(canvas->Row(100)[500]), White);
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 30, 30), paperBefore);
}

struct FillCase {
    int mode, width, height;
};
void PrintTo(const FillCase& f, std::ostream* os) {
    *os << "mode " << f.mode << ", " << f.width << " x " << f.height;
}
class EmptyBlockTest : public ColourToolsTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(EmptyBlockTest, PaintsNothingButRecomposes) {
    Use(GetParam().mode, GetParam().width, GetParam().height);
    CurrentColour = X;
    PressCell(5, 5);
    EXPECT_EQ(Painted(4, 4, 3, 3), Rows(3, "..."));
    EXPECT_EQ(Compositions(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EmptyBlockTest,
                         ::testing::Values(FillCase{EditCapturedColourMultiple, 0, 3},
                                           FillCase{EditCapturedColourMultiple, 3, 0},
                                           FillCase{EditCapturedColourMultiple, -2, -2},
                                           FillCase{EditCapturedColourMultiple, 3, -1},
                                           FillCase{EditRealColourMultiple, 0, 0}));

class OffTheImageTest : public ColourToolsTest, public ::testing::WithParamInterface<int> {};

TEST_P(OffTheImageTest, APressSevenPixelsLeftOfThePaperPaintsNothingAtAll) {
    Use(GetParam(), 3, 3);
    PaperPlacement.left = 100;
    Press(93, ViewY(2)); // paper x = -7: column -1, though the block would reach the image
    EXPECT_EQ(Compositions(), 0u);
    EXPECT_TRUE(painting);
    EXPECT_EQ(Painted(0, 0, 3, 4), Rows(4, "..."));
}

INSTANTIATE_TEST_SUITE_P(Modes, OffTheImageTest,
                         ::testing::Values(EditCapturedColour, EditRealColour,
                                           EditCapturedColourMultiple, EditRealColourMultiple));

TEST_F(ColourToolsTest, AStrokePaintsOnlyWhereTheMouseIsReported) {
    Use(EditCapturedColour);
    Move(ViewX(1), ViewY(1)); // no stroke yet
    EXPECT_EQ(Compositions(), 0u);
    Press(ViewX(30) + 7, ViewY(1)); // white paper right of the image: starts the stroke
    EXPECT_TRUE(painting);
    EXPECT_EQ(Compositions(), 0u);
    Move(ViewX(1), ViewY(1));
    Move(ViewX(6), ViewY(1)); // the cells between are not painted
    Move(ViewX(6), ViewY(1)); // the same cell again is a step of its own
    EXPECT_EQ(Compositions(), 3u);
    Release(ViewX(6), ViewY(1));
    EXPECT_FALSE(painting);
    Move(ViewX(8), ViewY(1));
    EXPECT_EQ(Painted(0, 1, 9, 1), Rows{".x....x.."});
    EXPECT_EQ(Compositions(), 3u);
}

TEST_F(ColourToolsTest, ChangingTheModeLeavesTheStrokeOn) {
    Use(EditCapturedColour);
    PressCell(1, 1);
    Use(MovePaper);
    Release(ViewX(1), ViewY(1)); // a release in MovePaper mode does not end the stroke
    EXPECT_TRUE(painting);
    Use(EditCapturedColour);
    Move(ViewX(2), ViewY(1));
    EXPECT_EQ(Painted(1, 1, 2, 1), Rows{"xx"});
}

} // namespace
