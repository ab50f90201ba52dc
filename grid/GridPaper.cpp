#include "grid/GridPaper.h"
#include "grid/PixelGrid.h"
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

const std::uint32_t blackPixel = PixelFromColour(Black);

// What DrawBox paints inside a box for a fill colour read from the image.
std::uint32_t InsidePixel(Colour colour) {
    return colour == NoColour ? blackPixel : PixelFromColour(colour & 0xFFFFFF);
}

// One paper row that crosses the insides of a grid row: black on every mesh column
// (x = 7c), the cell's colour on the six columns between. row holds paper columns
// 0..size-1, size <= 7 * width + 1.
void ComposeInsideRow(std::vector<std::uint32_t>& row, const Colour* colours, int width) {
    const int size = static_cast<int>(row.size());
    for (int c = 0; c <= width; ++c) {
        const int x = CellPitch * c;
        if (x >= size) break;
        row[x] = blackPixel;
        if (c == width) break;
        const int end = std::min(x + CellPitch, size);
        std::fill(row.begin() + x + 1, row.begin() + end, InsidePixel(colours[c]));
    }
}

} // namespace

std::vector<Colour> ReadImageColours(const Surface* image, int width, int height) {
    std::vector<Colour> colours(static_cast<std::size_t>(width) * height, NoColour);
    if (!image) return colours;
    const int rows = std::min(height, image->Height());
    const int columns = std::min(width, image->Width());
    for (int r = 0; r < rows; ++r) {
        const std::uint32_t* pixels = image->Row(r);
        Colour* out = colours.data() + static_cast<std::size_t>(r) * width;
        for (int c = 0; c < columns; ++c) out[c] = ColourFromPixel(pixels[c]);
    }
    return colours;
}

// Every border pixel is black whichever box drew it, and every inside pixel belongs to
// exactly one box, so painting by rows gives the same paper as drawing box after box.
void PaintGridBoxes(Surface& paper, const std::vector<Colour>& colours, int width, int height) {
    if (width <= 0 || height <= 0) return;
    // Paper pixels covered by the grid: columns 0..7W and rows 0..7H, clipped.
    const int right = static_cast<int>(
        std::min<long long>(static_cast<long long>(CellPitch) * width + 1, paper.Width()));
    const int bottom = static_cast<int>(
        std::min<long long>(static_cast<long long>(CellPitch) * height + 1, paper.Height()));
    std::vector<std::uint32_t> insideRow(right);
    for (int r = 0; r <= height; ++r) {
        const int y = CellPitch * r;
        if (y >= bottom) break;
        std::fill_n(paper.Row(y), right, blackPixel); // the mesh line above row r
        if (r == height) break;
        ComposeInsideRow(insideRow, colours.data() + static_cast<std::size_t>(r) * width, width);
        for (int k = 1; k < CellPitch && y + k < bottom; ++k)
            std::memcpy(paper.Row(y + k), insideRow.data(), insideRow.size() * 4);
    }
}
