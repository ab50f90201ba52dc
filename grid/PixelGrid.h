#pragma once
// The pixel grid: one cell per image pixel, each drawn on the paper as an 8 x 8 box,
// CellPitch apart, so that neighbouring boxes share their border line.
#include "base/Colour.h"
#include <cstdint>

constexpr int CellPitch = 7;
constexpr int BoxExtent = CellPitch + 1; // paper pixels a box spans in each direction

struct GridCell {
    std::int32_t left, top;     // paper pixels of the box's left and top border
    std::int32_t right, bottom; // exclusive: left + 8, top + 8
    Colour realColour;          // the pixel's colour when the grid was built
};

struct CellPosition {
    int column, row;
};

// Builds the grid from ImageBitmap and paints it on PaperBitmap (white, 7500 x 7500), with
// an empty journal (grid/Journal.h) and nothing unsaved (grid/SavedPicture.h). A width or
// height of 0 or less gives a grid without cells.
void BuildGrid(int imageWidth, int imageHeight);
bool IsGridCell(int column, int row);
CellPosition CellAt(int paperX, int paperY); // truncating toward zero
GridCell Cell(int column, int row);          // the record of a grid cell; all zero otherwise
int GridColumns();                           // the width and height the grid was built with
int GridRows();
// The cell's box on the paper and pixel (column, row) of ImageBitmap take colour; a
// position that is not a grid cell is ignored. When the cell's colour really changes, the
// journal records it, the unsaved edits count it and the recovery file will hold it.
void RepaintCell(int column, int row, Colour colour);
// The same painting, which nothing learns of: for a picture put back as it was last seen
// (a recovered one), whose unsaved edits and recovery file are then started afresh.
void RestoreCell(int column, int row, Colour colour);
