#include "grid/ColourTools.h"
#include "app/state/State.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "grid/SaturatedSum.h"
#include "palette/CapturedColourDialog.h"
#include "palette/FavouritesDialog.h"
#include <algorithm>

namespace {

bool PaintsRealColour(int mode) { return mode == EditRealColour || mode == EditRealColourMultiple; }
bool PaintsBlock(int mode) {
    return mode == EditCapturedColourMultiple || mode == EditRealColourMultiple;
}

// The cell that view point (x, y) shows through the paper's placement; a cell of the
// grid only if IsGridCell holds for it.
CellPosition CellUnderMouse(int x, int y) {
    return CellAt(SaturatedSum(x, -std::int64_t{PaperPlacement.left}),
                  SaturatedSum(y, -std::int64_t{PaperPlacement.top}));
}

// Repaints the columns x rows cells hanging right and down from the given grid cell
// (block sizes are 16-bit, so the sums cannot overflow). Cells outside the image are
// skipped, so the loops stop at the grid's edge; a size of 0 or less paints nothing.
void RepaintBlock(CellPosition from, int columns, int rows, int mode) {
    const int endColumn = std::min(from.column + columns, GridColumns());
    const int endRow = std::min(from.row + rows, GridRows());
    for (int row = from.row; row < endRow; ++row)
        for (int column = from.column; column < endColumn; ++column)
            RepaintCell(column, row,
                        PaintsRealColour(mode) ? Cell(column, row).realColour : CurrentColour);
}

} // namespace

bool IsPaintMode(int leftButtonMode) {
    return leftButtonMode >= EditCapturedColour && leftButtonMode <= EditRealColourMultiple;
}

void PaintStep(int x, int y) {
    const CellPosition cell = CellUnderMouse(x, y);
    if (!IsGridCell(cell.column, cell.row)) return; // not even a recomposition
    const int mode = LeftButtonMode;
    if (PaintsBlock(mode))
        RepaintBlock(cell, fillWidth, fillHeight, mode);
    else
        RepaintBlock(cell, 1, 1, mode);
    RefreshView();
}

void StartPainting(int x, int y) {
    painting = true; // also off the image: dragging onto it then paints
    PaintStep(x, y);
}

void ContinuePainting(int x, int y) {
    // Only the cell under the mouse now: cells crossed between two moves stay as they are.
    if (painting) PaintStep(x, y);
}

void EndPainting() { painting = false; }

void RightButtonPress(int x, int y) {
    if (RightButtonMode == CaptureColour) {
        // The canvas itself, so the colour is what the user sees there. No guard: a
        // further capture opens a further dialog over the first.
        SelectTarget(MainWindow, CanvasControlId, false);
        CurrentColour = ReadPixel(x, y);
        ShowCapturedColourDialog(nullptr);
    } else if (RightButtonMode == FavouriteColours && !favouritesOpen) {
        favouritesOpen = true;
        ShowFavouritesDialog(nullptr);
        favouritesOpen = false;
    }
}
