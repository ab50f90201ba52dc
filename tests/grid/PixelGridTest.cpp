// The grid on the paper: mesh lines, the 6 x 6 insides, white beyond; the records; the
// cell under a paper point; repainting a cell in both surfaces.
#include "grid/PixelGrid.h"
#include "GridTesting.h"
#include "app/state/State.h"

namespace {

const Legend colours = {
    {'a', 0x0000C0}, {'b', 0x00C000}, {'c', 0xC00000}, {'d', 0x123456}, {'x', 0x3366FF}};

class PixelGridTest : public EditorTest {};

TEST_F(PixelGridTest, NeighbouringBoxesShareTheirBorderLines) {
    // A black pixel makes a cell black all over, border and inside alike.
    OpenEditor(SurfaceFromPicture({"ab", "cK"}, colours));
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 17, 17, colours), (Rows{
                                                               "KKKKKKKKKKKKKKKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KaaaaaaKbbbbbbKWW",
                                                               "KKKKKKKKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KccccccKKKKKKKKWW",
                                                               "KKKKKKKKKKKKKKKWW",
                                                               "WWWWWWWWWWWWWWWWW",
                                                               "WWWWWWWWWWWWWWWWW",
                                                           }));
}

TEST_F(PixelGridTest, OnePixelImageGivesOneBoxFromZeroToSeven) {
    OpenEditor(SurfaceFromPicture({"d"}, colours));
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 2, 2, colours), (Rows{"KK", "Kd"}));
    EXPECT_EQ(Picture(PaperBitmap, 6, 6, 4, 4, colours), (Rows{"dKWW", "KKWW", "WWWW", "WWWW"}));
}

TEST_F(PixelGridTest, LargestImageFillsThePaperUpToPixel7497) {
    OpenEditor(MaxImageSide, MaxImageSide);
    const Legend last = {{'z', TestColour(1070, 1070)}, {'y', TestColour(1070, 0)}};
    EXPECT_EQ(Picture(PaperBitmap, 7496, 7496, 5, 5, last),
              (Rows{"zKWW-", "KKWW-", "WWWW-", "WWWW-", "-----"}));
    EXPECT_EQ(Picture(PaperBitmap, 7496, 0, 4, 2, last), (Rows{"KKWW", "yKWW"}));
    ExpectPaperMatchesImage();
    int wrongRecords = 0;
    for (int r = 0; r < MaxImageSide; ++r)
        for (int c = 0; c < MaxImageSide; ++c) {
            const GridCell cell = Cell(c, r);
            wrongRecords += cell.realColour != TestColour(c, r) || cell.left != 7 * c ||
                            cell.top != 7 * r || cell.right != 7 * c + 8 ||
                            cell.bottom != 7 * r + 8;
        }
    EXPECT_EQ(wrongRecords, 0);
}

TEST_F(PixelGridTest, BuildLeavesThePaperSelectedAndAllowsARebuild) {
    OpenEditor(12, 10);
    SelectTarget(ImageBitmap);
    BuildGrid(3, 2);
    int w = 0, h = 0;
    GetSurfaceSize(w, h);
    EXPECT_EQ(w, PaperSize);
    EXPECT_TRUE(IsGridCell(2, 1));
    EXPECT_FALSE(IsGridCell(5, 5)); // the first grid is gone
    EXPECT_EQ(GridColumns(), 3);
    EXPECT_EQ(Cell(5, 5).realColour, 0u);
}

struct EmptySize {
    int width, height;
};
void PrintTo(const EmptySize& e, std::ostream* os) { *os << e.width << " x " << e.height; }
class EmptyGridTest : public EditorTest, public ::testing::WithParamInterface<EmptySize> {};

TEST_P(EmptyGridTest, HasNoCellsAndDrawsNothing) {
    OpenEditor(4, 4);
    SelectTarget(PaperBitmap);
    ClearTarget(White);
    SelectTarget(ViewBitmap);
    BuildGrid(GetParam().width, GetParam().height);
    int w = 0, h = 0;
    GetSurfaceSize(w, h);
    EXPECT_EQ(w, ViewWidth); // the target did not change
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 3, 3), (Rows{"WWW", "WWW", "WWW"}));
    for (int c = -1; c <= 5; ++c) EXPECT_FALSE(IsGridCell(c, 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, EmptyGridTest,
                         ::testing::Values(EmptySize{0, 5}, EmptySize{5, 0}, EmptySize{-3, 4}));

struct CellAtCase {
    int paperX, paperY;
    int column, row;
    bool isCell; // in a 12 x 10 grid
};
void PrintTo(const CellAtCase& p, std::ostream* os) { *os << p.paperX << ", " << p.paperY; }
class CellAtTest : public EditorTest, public ::testing::WithParamInterface<CellAtCase> {};

TEST_P(CellAtTest, DividesBySevenTowardZero) {
    OpenEditor(12, 10);
    const CellAtCase& p = GetParam();
    const CellPosition cell = CellAt(p.paperX, p.paperY);
    EXPECT_EQ(cell.column, p.column);
    EXPECT_EQ(cell.row, p.row);
    EXPECT_EQ(IsGridCell(cell.column, cell.row), p.isCell);
}

// A shared border line belongs to the next cell; 7W and 7H lie past the grid; negative
// points truncate toward zero.
INSTANTIATE_TEST_SUITE_P(
    Points, CellAtTest,
    ::testing::Values(CellAtCase{6, 13, 0, 1, true}, CellAtCase{7, 14, 1, 2, true},
                      CellAtCase{83, 69, 11, 9, true}, CellAtCase{84, 20, 12, 2, false},
                      CellAtCase{20, 70, 2, 10, false}, CellAtCase{-3, -6, 0, 0, true},
                      CellAtCase{-7, 5, -1, 0, false}, CellAtCase{5, -7, 0, -1, false}));

class RepaintCellTest : public EditorTest {
  protected:
    void SetUp() override { OpenEditor(SurfaceFromPicture({"abc", "cda", "bcd"}, colours)); }
};

TEST_F(RepaintCellTest, ChangesTheInsideInBothSurfacesAndKeepsTheRecord) {
    const Rows before = Picture(PaperBitmap, 0, 0, 22, 22, colours);
    RepaintCell(1, 1, colours.at('x'));
    EXPECT_EQ(Picture(PaperBitmap, 0, 7, 22, 8, colours), (Rows{
                                                              "KKKKKKKKKKKKKKKKKKKKKK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KccccccKxxxxxxKaaaaaaK",
                                                              "KKKKKKKKKKKKKKKKKKKKKK",
                                                          }));
    ExpectPaperMatchesImage(); // the other cells are as the image shows them
    EXPECT_EQ(Picture(ImageBitmap, 0, 0, 3, 3, colours), (Rows{"abc", "cxa", "bcd"}));
    EXPECT_EQ(Cell(1, 1).realColour, colours.at('d'));

    RepaintCell(1, 1, Cell(1, 1).realColour); // the load-time look comes back
    EXPECT_EQ(Picture(PaperBitmap, 0, 0, 22, 22, colours), before);
    EXPECT_EQ(Picture(ImageBitmap, 0, 0, 3, 3, colours), (Rows{"abc", "cda", "bcd"}));
}

TEST_F(RepaintCellTest, APositionOutsideTheGridChangesNothing) {
    RepaintCell(3, 0, colours.at('x'));
    RepaintCell(-1, 2, colours.at('x'));
    EXPECT_EQ(Picture(PaperBitmap, 21, 0, 9, 2), (Rows{"KWWWWWWWW", "KWWWWWWWW"}));
    ExpectPaperMatchesImage();
}

// A colour value that is no pixel (a capture outside the canvas answers 0xFFFFFFFF) must
// still leave the paper and the image showing the same colour.
class SpecialColourTest : public RepaintCellTest, public ::testing::WithParamInterface<Colour> {};

TEST_P(SpecialColourTest, PaperAndImageAgree) {
    RepaintCell(2, 1, GetParam());
    ExpectPaperMatchesImage();
    EXPECT_EQ(Picture(PaperBitmap, 14, 7, 8, 1), Rows{"KKKKKKKK"});
}

INSTANTIATE_TEST_SUITE_P(Values, SpecialColourTest,
                         ::testing::Values(ColourDefault, ColourTransparent, ColourUnchanged));

} // namespace
