// Writes the image target's seeds into the folder given: small pictures in every format
// the program loads, saved by the program's own save path, and small files of the shapes
// that once cost time or memory out of all proportion, made from them.
#include "fuzz/FuzzSupport.h"
#include "gfx/Drawing.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include "tests/support/CraftedFiles.h"
#include <QImage>
#include <cstdio>

namespace {

// A width x height picture of a few colours, a box in the middle.
SurfaceHandle Picture(int width, int height) {
    SurfaceHandle surface = CreateSurface(width, height);
    SelectTarget(surface);
    ClearTarget(0x3366CC);
    DrawBox(1, 1, width, height, Black, 0x00FF80);
    WritePixel(0, height - 1, White);
    return surface;
}

void WriteSeed(const std::string& path, const QByteArray& bytes) {
    WriteFileBytes(path, bytes.constData(), std::size_t(bytes.size()));
}

QByteArray SeedBytes(const std::string& path) {
    return QByteArray::fromStdString(ReadFileBytes(path));
}

void WriteShapeSeeds(const std::string& folder) {
    WriteSeed(folder + "text-chunks.png",
              WithTextChunks(SeedBytes(folder + "seed-5x4.png"), 3, 65536));
    WriteSeed(folder + "zeros-after-rows.png", PngWithTrailingZeros(5, 4, 1));
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    WriteSeed(folder + "many-scans.jpg", WithLastScanRepeated(ProgressiveJpeg(grey), 300));
    for (const char* extension : {"bmp", "gif"}) {
        const QByteArray whole = SeedBytes(folder + "seed-5x4." + extension);
        WriteSeed(folder + "cut-5x4." + extension, whole.left(whole.size() / 2));
    }
    WriteSeed(folder + "comment.gif",
              WithoutScreenBehindComment(SeedBytes(folder + "seed-1x1.gif"), 1000));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    StartFuzzToolkit();
    StartCodecService();
    const std::string folder = std::string(argv[1]) + "/";
    for (auto [width, height] : {std::pair{5, 4}, {1, 1}})
        for (const char* extension : {"png", "jpg", "gif", "bmp", "tif"}) {
            SurfaceHandle surface = Picture(width, height);
            GraphicSaveBitmapToImageFile(surface, folder + "seed-" + std::to_string(width) + "x" +
                                                      std::to_string(height) + "." + extension);
            SelectTarget(surface);
            DestroySurface();
        }
    WriteShapeSeeds(folder);
    return 0;
}
