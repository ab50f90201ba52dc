#pragma once
// The grid build's block operations: reading the image in one pass and painting every
// cell's box onto the paper row by row, with exactly the result that one ReadPixel and
// one DrawBox per cell would give.
#include "base/Colour.h"
#include "gfx/Surface.h"
#include <vector>

// Image pixels (0..width-1, 0..height-1), row by row, as ReadPixel answers them: NoColour
// where the image does not reach.
std::vector<Colour> ReadImageColours(const Surface& image, int width, int height);

// Paints the boxes of a width x height grid, cell (c, r) at paper (7c, 7r) with a black
// border and colours[r * width + c] inside, clipped to the paper. A colour that is not a
// pixel (NoColour) fills like DrawBox's -1 fill: with the border colour.
void PaintGridBoxes(Surface& paper, const std::vector<Colour>& colours, int width, int height);
