// GIF palettes: exact up to 256 colours, so edited pixels survive a save; reduced with
// error diffusion beyond that, so areas keep their average shade.
#include "imageio/GifPalette.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include "tests/imageio/ImageTesting.h"
#include "tests/support/Scripts.h"
#include <gtest/gtest.h>

namespace {

// `count` different colours, one per pixel in a row, then repeated once.
std::vector<std::uint32_t> DistinctColours(int count) {
    std::vector<std::uint32_t> pixels;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i)
            pixels.push_back(0xFF000000u | std::uint32_t(i) * 0x010203u);
    return pixels;
}

class GifPaletteSize : public ::testing::TestWithParam<int> {};

TEST_P(GifPaletteSize, UpTo256ColoursEveryPixelKeepsItsColour) {
    int count = GetParam();
    auto pixels = DistinctColours(count);

    IndexedPicture picture = IndexColours(pixels.data(), count, 2, count);

    ASSERT_EQ(picture.indices.size(), pixels.size());
    if (count > 256) {
        EXPECT_EQ(picture.palette.size(), 6u * 7u * 6u) << "the colour cube";
        return;
    }
    ASSERT_EQ(picture.palette.size(), std::size_t(count));
    for (std::size_t i = 0; i < pixels.size(); ++i)
        ASSERT_EQ(picture.palette[picture.indices[i]], pixels[i] & 0xFFFFFF) << "pixel " << i;
}

INSTANTIATE_TEST_SUITE_P(Counts, GifPaletteSize, ::testing::Values(1, 2, 255, 256, 257));

// Average of one channel (shift 16 red, 8 green, 0 blue) over rows [top, bottom).
double Average(SurfaceHandle surface, int top, int bottom, int width, int shift) {
    SelectTarget(surface);
    double sum = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < width; ++x) sum += (PixelFromColour(ReadPixel(x, y)) >> shift) & 0xFF;
    ReleaseTarget();
    return sum / (width * (bottom - top));
}

TEST(GifSave, ManyColoursKeepTheAverageShadeOfAFlatArea) {
    // Top half a ramp of 2048 colours; bottom half a flat colour between the cube's levels.
    const QRgb flat = qRgb(128, 100, 200);
    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, y < 32 ? qRgb(x * 4, y * 8, 255 - x * 4) : flat);
    OwnedSurface surface(SurfaceFromImage(picture));
    TempFolder folder;
    MessageBoxScript boxes;

    GraphicSaveBitmapToImageFile(surface.get(), folder.File("muchos.gif"));
    OwnedSurface loaded(GraphicLoadImageFileToBitmap(folder.File("muchos.gif"), 0, 0));

    ASSERT_NE(loaded.get(), 0u);
    EXPECT_NEAR(Average(loaded.get(), 40, 64, 64, 16), qRed(flat), 2.0);
    EXPECT_NEAR(Average(loaded.get(), 40, 64, 64, 8), qGreen(flat), 2.0);
    EXPECT_NEAR(Average(loaded.get(), 40, 64, 64, 0), qBlue(flat), 2.0);
}

} // namespace
