#include "grid/PixelGrid.h"
#include "gfx/Drawing.h"
#include "grid/GridPaper.h"
#include "grid/Journal.h"
#include "grid/Recovery.h"
#include "grid/SavedPicture.h"
#include "grid/ShownView.h"
#include "state/State.h"
#include <vector>

namespace {

// The grid stores only what cannot be derived: each cell's colour at build time, row by
// row. A cell's box follows from its position (4 bytes per cell).
struct Grid {
    int columns = 0, rows = 0;
    std::vector<Colour> realColours;
};
Grid grid;

// Paints grid cell (column, row) in paint on the paper and in the image; answers the
// image pixel's colour before.
Colour PaintCell(int column, int row, Colour paint) {
    const GridCell cell = Cell(column, row);
    const Colour before = ReadPixel(SurfaceOf(ImageBitmap), column, row);
    Surface& paper = SurfaceOf(PaperBitmap);
    const std::uint64_t stamp = paper.Stamp();
    const Rect drawn = DrawBox(paper, cell.left, cell.top, cell.right, cell.bottom, Black, paint);
    NotePaperChange(drawn, stamp, paper.Stamp());
    SelectTarget(ImageBitmap);
    WritePixel(column, row, paint);
    return before;
}

} // namespace

// A new picture: an empty journal, and nothing unsaved.
void BuildGrid(int imageWidth, int imageHeight) {
    grid = Grid{};
    StartJournal(imageWidth, imageHeight);
    StartSavedPicture({}, 0, 0);
    if (imageWidth <= 0 || imageHeight <= 0) return;
    grid.columns = imageWidth;
    grid.rows = imageHeight;
    grid.realColours = ReadImageColours(SurfaceOf(ImageBitmap), imageWidth, imageHeight);
    StartSavedPicture(grid.realColours, imageWidth, imageHeight);
    PaintGridBoxes(SurfaceOf(PaperBitmap), grid.realColours, imageWidth, imageHeight);
    SelectTarget(PaperBitmap); // where drawing the last box would have left it
}

bool IsGridCell(int column, int row) {
    return column >= 0 && column < grid.columns && row >= 0 && row < grid.rows;
}

CellPosition CellAt(int paperX, int paperY) {
    // C++ division truncates toward zero: -6..-1 give column (row) 0.
    return {paperX / CellPitch, paperY / CellPitch};
}

GridCell Cell(int column, int row) {
    if (!IsGridCell(column, row)) return GridCell{};
    const int left = CellPitch * column, top = CellPitch * row;
    const auto index = static_cast<std::size_t>(row) * grid.columns + column;
    return {left, top, left + BoxExtent, top + BoxExtent, grid.realColours[index]};
}

int GridColumns() { return grid.columns; }
int GridRows() { return grid.rows; }

void RepaintCell(int column, int row, Colour colour) {
    if (!IsGridCell(column, row)) return;
    // Only the 24 colour bits are painted: the drawing operations read the special values
    // -1 and -2 (a captured "no colour", say) differently for a box fill and for a pixel,
    // and the paper and the image must show the same colour.
    const Colour paint = colour & 0xFFFFFF;
    const Colour before = PaintCell(column, row, paint);
    // Every cell change passes here: the journal, the unsaved edits and the recovery file
    // learn of it here and nowhere else.
    if (paint == before) return;
    RecordChange(column, row, before, paint);
    NoteCellChange(column, row, before, paint);
    NoteRecoveryChange(column, row, paint);
}

void RestoreCell(int column, int row, Colour colour) {
    if (IsGridCell(column, row)) PaintCell(column, row, colour & 0xFFFFFF);
}
