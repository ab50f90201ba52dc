// The grid's row-by-row painting against the slow way it stands for: one ReadPixel and
// one DrawBox per cell. Random pictures, grid sizes (larger than the picture too) and
// papers (smaller than the grid too), from a fixed seed, compared pixel for pixel.
#include "gfx/Drawing.h"
#include "grid/GridPaper.h"
#include "grid/PixelGrid.h"
#include <gtest/gtest.h>
#include <random>

namespace {

void PaintBoxByBox(Surface& paper, const Surface& image, int columns, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            DrawBox(paper, CellPitch * c, CellPitch * r, CellPitch * c + BoxExtent,
                    CellPitch * r + BoxExtent, Black, ReadPixel(image, c, r));
}

// Where two surfaces of one size first differ; empty when they are alike.
std::string FirstDifference(const Surface& a, const Surface& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Row(y)[x] != b.Row(y)[x])
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

TEST(GridOracle, RowByRowPaintingEqualsOneBoxPerCell) {
    std::mt19937 random(11);
    auto upTo = [&random](int n) { return std::uniform_int_distribution<int>(1, n)(random); };
    for (int trial = 0; trial < 300; ++trial) {
        Surface image(upTo(30), upTo(30));
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) WritePixel(image, x, y, random() & 0xFFFFFF);
        const int columns = upTo(image.Width() + 3), rows = upTo(image.Height() + 3);
        Surface fast(upTo(CellPitch * columns + 9), upTo(CellPitch * rows + 9));
        Surface slow(fast.Width(), fast.Height());
        const Colour background = random() & 0xFFFFFF;
        ClearTarget(fast, background);
        ClearTarget(slow, background);

        PaintGridBoxes(fast, ReadImageColours(image, columns, rows), columns, rows);
        PaintBoxByBox(slow, image, columns, rows);
        ASSERT_EQ(FirstDifference(fast, slow), "")
            << "trial " << trial << ": " << columns << " x " << rows << " cells of a "
            << image.Width() << " x " << image.Height() << " picture on a " << fast.Width() << " x "
            << fast.Height() << " paper";
    }
}

} // namespace
