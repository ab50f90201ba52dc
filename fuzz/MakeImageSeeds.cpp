// Writes the image target's seeds into the folder given: small pictures in every format
// the program loads, saved by the program's own save path.
#include "fuzz/FuzzSupport.h"
#include "gfx/Drawing.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
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
    return 0;
}
