// Any file's bytes through the image load path as start-up takes it (LoadChosenImage: the
// header's size, loading, the size check), and the grid built on the paper. Properties: an
// accepted picture is 1 x 1 to 1071 x 1071; every cell keeps its pixel's colour, its box
// shows that colour inside the black mesh on the paper.
#include "app/Startup.h"
#include "fuzz/FuzzSupport.h"
#include "grid/PixelGrid.h"
#include "imageio/ImageLoad.h"
#include "state/State.h"

namespace {

std::string CellText(int c, int r) { return "cell " + std::to_string(c) + "," + std::to_string(r); }

void CheckGrid() {
    FUZZ_CHECK(GridColumns() == ImageWidth && GridRows() == ImageHeight);
    for (int r = 0; r < ImageHeight; ++r)
        for (int c = 0; c < ImageWidth; ++c) {
            SelectTarget(ImageBitmap);
            const Colour pixel = ReadPixel(c, r);
            const GridCell cell = Cell(c, r);
            FUZZ_CHECK(cell.realColour == pixel, CellText(c, r));
            FUZZ_CHECK(cell.left == 7 * c && cell.top == 7 * r && cell.right == 7 * c + 8 &&
                           cell.bottom == 7 * r + 8,
                       CellText(c, r));
            SelectTarget(PaperBitmap);
            FUZZ_CHECK(ReadPixel(cell.left, cell.top) == Black, CellText(c, r));
            FUZZ_CHECK(ReadPixel(cell.right - 1, cell.bottom - 1) == Black, CellText(c, r));
            FUZZ_CHECK(ReadPixel(cell.left + 3, cell.top + 3) == pixel, CellText(c, r));
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartFuzzToolkit();
    StartCodecService();
    PaperBitmap = CreateSurface(PaperSize, PaperSize);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ImageFileName = FuzzFolder() + "picture";
    WriteFileBytes(ImageFileName, data, size);
    if (LoadChosenImage()) {
        FUZZ_CHECK(ImageWidth >= 1 && ImageHeight >= 1 && ImageWidth <= MaxImageSide &&
                   ImageHeight <= MaxImageSide);
        BuildGrid(ImageWidth, ImageHeight);
        CheckGrid();
    }
    if (ImageBitmap == 0) return 0; // refused by its header, or unreadable
    SelectTarget(ImageBitmap);
    DestroySurface();
    ImageBitmap = 0;
    return 0;
}
