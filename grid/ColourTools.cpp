#include "grid/ColourTools.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/Recovery.h"
#include "grid/SaturatedSum.h"
#include "palette/CapturedColourDialog.h"
#include "palette/FavouritesDialog.h"
#include <algorithm>

namespace {

using CellColour = Colour (*)(int column, int row);
Colour Captured(int, int) { return CurrentColour; }
Colour Real(int column, int row) { return Cell(column, row).realColour; }

// The cell that view point (x, y) shows through the paper's placement; a cell of the
// grid only if IsGridCell holds for it.
CellPosition CellUnderMouse(int x, int y) {
    return CellAt(SaturatedSum(x, -std::int64_t{PaperPlacement.left}),
                  SaturatedSum(y, -std::int64_t{PaperPlacement.top}));
}

// Repaints the columns x rows cells hanging right and down from the given grid cell
// (block sizes are 16-bit, so the sums cannot overflow). Cells outside the image are
// skipped, so the loops stop at the grid's edge; a size of 0 or less paints nothing.
void RepaintBlock(CellPosition from, int columns, int rows, CellColour colour) {
    const int endColumn = std::min(from.column + columns, GridColumns());
    const int endRow = std::min(from.row + rows, GridRows());
    for (int row = from.row; row < endRow; ++row)
        for (int column = from.column; column < endColumn; ++column)
            RepaintCell(column, row, colour(column, row));
}

} // namespace

void PaintCapturedCell(CellPosition cell) { RepaintBlock(cell, 1, 1, Captured); }
void PaintRealCell(CellPosition cell) { RepaintBlock(cell, 1, 1, Real); }
void PaintCapturedBlock(CellPosition cell) { RepaintBlock(cell, fillWidth, fillHeight, Captured); }
void PaintRealBlock(CellPosition cell) { RepaintBlock(cell, fillWidth, fillHeight, Real); }

void PaintStep(int x, int y, CellPaint paint) {
    const CellPosition cell = CellUnderMouse(x, y);
    if (!IsGridCell(cell.column, cell.row)) return; // not even a recomposition
    paint(cell);
    UpdateView();
}

// A stroke, an undo and a redo each end with their record in the recovery file.
void EndPainting() {
    painting = false;
    EndStroke();
    RecordRecoveryStep();
}

void UndoStroke() {
    if (UndoStep()) UpdateView();
    RecordRecoveryStep();
}

void RedoStroke() {
    if (RedoStep()) UpdateView();
    RecordRecoveryStep();
}

void CaptureColourAt(int x, int y) {
    // The canvas itself, so the colour is what the user sees there. No guard: a further
    // capture opens a further dialog over the first.
    SelectTarget(MainWindow, CanvasControlId, false);
    CurrentColour = ReadPixel(x, y);
    ShowCapturedColourDialog(nullptr);
}

void OpenFavourites(int, int) {
    if (favouritesOpen) return;
    favouritesOpen = true;
    ShowFavouritesDialog(nullptr);
    favouritesOpen = false;
}
