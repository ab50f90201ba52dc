#include "GridTesting.h"
#include "grid/CanvasView.h"
#include "grid/Editor.h"
#include "grid/PixelGrid.h"
#include "state/State.h"

namespace {

// Kept between the tests: a new 7500 x 7500 paper for every test would cost more than
// the tests themselves.
SurfaceHandle sharedPaper = 0, sharedView = 0;

} // namespace

Colour TestColour(int column, int row) {
    return MakeColour(column & 0xFF, row & 0xFF, 0x40 | (column >> 8) | ((row >> 8) << 2));
}

SurfaceHandle MakeTestImage(int width, int height) {
    SurfaceHandle image = CreateSurface(width, height);
    SelectTarget(image);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) WritePixel(c, r, TestColour(c, r));
    return image;
}

void GridModelTest::OpenEditor(SurfaceHandle image) {
    ResetApplicationState();
    ImageBitmap = image;
    SelectTarget(image);
    GetSurfaceSize(ImageWidth, ImageHeight);
    PaperBitmap = sharedPaper;
    ViewBitmap = sharedView;
    ::OpenEditor(EditorWindow());
    sharedPaper = PaperBitmap;
    sharedView = ViewBitmap;
    compositionsAtOpen_ = ViewCompositions();
}

void GridModelTest::TearDown() {
    if (ImageBitmap) {
        SelectTarget(ImageBitmap);
        DestroySurface();
    }
    ResetApplicationState();
    BuildGrid(0, 0);
}

unsigned long GridModelTest::Compositions() const {
    return ViewCompositions() - compositionsAtOpen_;
}

void GridModelTest::ExpectPaperMatchesImage() const {
    const Surface* paper = &SurfaceOf(PaperBitmap);
    const Surface* image = &SurfaceOf(ImageBitmap);
    int mismatches = 0;
    for (int r = 0; r < ImageHeight; ++r)
        for (int c = 0; c < ImageWidth; ++c) {
            const std::uint32_t pixel = image->Row(r)[c];
            for (int k = 1; k < CellPitch; ++k) // the inside's diagonal
                mismatches += paper->Row(CellPitch * r + k)[CellPitch * c + k] != pixel;
            mismatches += paper->Row(CellPitch * r)[CellPitch * c] != PixelFromColour(Black);
        }
    EXPECT_EQ(mismatches, 0);
}
