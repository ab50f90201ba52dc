// The journal of strokes and the unsaved edits, fed by RepaintCell alone: what a step
// holds, how far back it reaches, and when the picture counts as saved.
#include "grid/Journal.h"
#include "GridTesting.h"
#include "grid/PixelGrid.h"
#include "grid/SavedPicture.h"
#include "state/State.h"

namespace {

const Legend colours = {{'a', 0x0000C0}, {'b', 0x00C000}, {'x', 0x3366FF}, {'y', 0x102030}};

class JournalTest : public GridModelTest {
  protected:
    // One stroke painting the cells of the picture's 'x' and 'y' letters, row by row.
    static void Stroke(const Rows& paint) {
        BeginStroke();
        for (int r = 0; r < static_cast<int>(paint.size()); ++r)
            for (int c = 0; c < static_cast<int>(paint[r].size()); ++c)
                if (paint[r][c] != '.') RepaintCell(c, r, colours.at(paint[r][c]));
        EndStroke();
    }
    static Rows Image() { return Picture(ImageBitmap, 0, 0, 3, 2, colours); }
    static void ExpectSteps(bool undo, bool redo) {
        EXPECT_EQ(CanUndo(), undo);
        EXPECT_EQ(CanRedo(), redo);
    }
};

// Undo and redo through the same RepaintCell, each cell once per step with its colour
// from before the stroke, however often the stroke changed it; a stroke that changes no
// colour is no step; a new step drops what could have been redone.
TEST_F(JournalTest, StepsGoBackAndForthExactly) {
    OpenEditor(SurfaceFromPicture({"aba", "bab"}, colours));
    ExpectSteps(false, false);
    Stroke({"x.x", ".x."});
    Stroke({"yy.", "..y"});
    Stroke({"xx.", "..x"}); // the second stroke again, over the same cells
    Stroke({"..x", "b.."}); // colours they have already: no step
    EXPECT_EQ(UndoableSteps(), 3u);
    EXPECT_EQ(Image(), (Rows{"xxx", "bxx"}));

    EXPECT_TRUE(UndoStep());
    EXPECT_EQ(Image(), (Rows{"yyx", "bxy"}));
    EXPECT_TRUE(UndoStep());
    EXPECT_EQ(Image(), (Rows{"xbx", "bxb"}));
    ExpectSteps(true, true);
    EXPECT_TRUE(RedoStep());
    EXPECT_EQ(Image(), (Rows{"yyx", "bxy"}));
    ExpectPaperMatchesImage();

    Stroke({"b..", "..."});
    ExpectSteps(true, false);
    EXPECT_FALSE(RedoStep());
    EXPECT_TRUE(UndoStep());
    EXPECT_TRUE(UndoStep());
    EXPECT_TRUE(UndoStep());
    EXPECT_EQ(Image(), (Rows{"aba", "bab"}));
    EXPECT_FALSE(UndoStep());
    ExpectPaperMatchesImage();
}

TEST_F(JournalTest, KeepsTheNewest200StepsAndUndoStopsThere) {
    OpenEditor(1, 1);
    auto nth = [](int i) { return MakeColour(i, 0, 9); };
    for (int i = 1; i <= 205; ++i) {
        BeginStroke();
        RepaintCell(0, 0, nth(i));
        EndStroke();
    }
    EXPECT_EQ(UndoableSteps(), JournalMaxSteps);
    int undone = 0;
    while (UndoStep()) ++undone;
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(Picture(ImageBitmap, 0, 0, 1, 1, {{'5', nth(5)}}), Rows{"5"});
    BuildGrid(1, 1); // a picture loaded: an empty journal
    ExpectSteps(false, false);
}

// On the largest picture a stroke over every cell takes 18 MB: three fit in 64 MB with the
// journal's index of cells, a fourth pushes the oldest out. A stroke that paints every
// cell five times still holds each cell once.
TEST_F(JournalTest, NeverHoldsMoreThan64MB) {
    OpenEditor(MaxImageSide, MaxImageSide);
    auto paintAll = [](Colour colour) {
        for (int r = 0; r < MaxImageSide; ++r)
            for (int c = 0; c < MaxImageSide; ++c) RepaintCell(c, r, colour);
    };
    BeginStroke();
    for (Colour colour : {0x000001u, 0x000002u, 0x000003u, 0x000004u, 0x000005u}) paintAll(colour);
    EndStroke();
    EXPECT_LE(JournalBytes(), JournalMaxBytes);
    for (Colour colour : {0x000006u, 0x000007u, 0x000008u, 0x000009u}) {
        BeginStroke();
        paintAll(colour);
        EndStroke();
        EXPECT_LE(JournalBytes(), JournalMaxBytes);
    }
    EXPECT_EQ(UndoableSteps(), 3u);
    EXPECT_GT(JournalBytes(), JournalMaxBytes / 2);
    BuildGrid(MaxImageSide, MaxImageSide); // loaded as it is now: every cell 0x000009
    BeginStroke();
    paintAll(0x000001);
    paintAll(0x000002);
    EndStroke();
    EXPECT_TRUE(UndoStep());
    ExpectPaperMatchesImage();
    int wrong = 0;
    for (int r = 0; r < MaxImageSide; ++r)
        for (int c = 0; c < MaxImageSide; ++c)
            wrong += ReadPixel(SurfaceOf(ImageBitmap), c, r) != 0x000009;
    EXPECT_EQ(wrong, 0);
}

// Unsaved means cells that differ from the picture as loaded or last saved, whichever
// way they came back to it.
TEST_F(JournalTest, UnsavedEditsFollowTheCellsNotTheSteps) {
    OpenEditor(SurfaceFromPicture({"aba", "bab"}, colours));
    EXPECT_FALSE(HasUnsavedEdits());
    Stroke({"xy.", "..."});
    EXPECT_TRUE(HasUnsavedEdits());
    UndoStep();
    EXPECT_FALSE(HasUnsavedEdits());
    RedoStep();
    Stroke({"ab.", "..."}); // painted back by hand
    EXPECT_FALSE(HasUnsavedEdits());
    Stroke({"..y", "..."});
    std::vector<Colour> written = PictureColours();
    Stroke({"...", "..x"}); // painted while the save's message is up: not in the file
    MarkPictureSaved(std::move(written));
    EXPECT_TRUE(HasUnsavedEdits());
    UndoStep();
    EXPECT_FALSE(HasUnsavedEdits());
    UndoStep();
    EXPECT_TRUE(HasUnsavedEdits());
    RedoStep();
    EXPECT_FALSE(HasUnsavedEdits());
    Stroke({"...", "y.."});
    BuildGrid(3, 2); // a picture loaded: nothing unsaved
    EXPECT_FALSE(HasUnsavedEdits());
}

} // namespace
