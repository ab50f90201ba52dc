#pragma once
// The canvas's editing tools (grid/Tools.h has their table): painting cells with the left
// button, capturing a colour or opening the favourites with the right button. Positions
// are view pixels.
#include "grid/Journal.h"
#include "grid/PixelGrid.h"
#include "state/State.h"

// What a paint tool does to the grid cell under the mouse: the cells it repaints, each
// through RepaintCell, and their colours.
using CellPaint = void (*)(CellPosition cell);
void PaintCapturedCell(CellPosition cell); // the cell, with CurrentColour
void PaintRealCell(CellPosition cell);     // the cell, with its own real colour
// The block of fillWidth x fillHeight cells hanging right and down from the cell, each
// cell with CurrentColour, or with its own real colour.
void PaintCapturedBlock(CellPosition cell);
void PaintRealBlock(CellPosition cell);

// One paint step at the view position: `paint` on the cell under the mouse, then one
// UpdateView; nothing at all when the position shows no cell.
void PaintStep(int x, int y, CellPaint paint);

// A paint tool's press starts a stroke and paints, also off the image (dragging onto it
// then paints); its drags paint while the stroke lasts, only the cell under the mouse
// (cells crossed between two moves stay as they are); its release ends the stroke. A
// stroke is one step of the journal.
template <CellPaint paint> void StartPainting(int x, int y) {
    painting = true;
    BeginStroke();
    PaintStep(x, y, paint);
}
template <CellPaint paint> void ContinuePainting(int x, int y) {
    if (painting) PaintStep(x, y, paint);
}
void EndPainting();

// "Deshacer" and "Rehacer": the last stroke taken back (the next put back), then the view
// recomposed once where it is; nothing at all when there is no such stroke.
void UndoStroke();
void RedoStroke();

// The right button's tools.
void CaptureColourAt(int x, int y); // CurrentColour from the canvas, then its dialog
void OpenFavourites(int x, int y);  // the favourites dialog, one at a time
