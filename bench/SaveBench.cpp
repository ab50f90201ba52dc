// Saving the image: our save (pixels read from the surface, encoded into a temporary file
// that replaces the target) against the codec writing the same pixels straight to a file.
#include "gfx/Drawing.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int Side = 1071; // the largest image the editor takes

// A surface like a photograph: smooth ramps in every channel with a little grain.
SurfaceHandle VariedSurface() {
    static SurfaceHandle surface = [] {
        SurfaceHandle handle = CreateSurface(Side, Side);
        Surface* pixels = SurfaceFromHandle(handle);
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                unsigned grain = (static_cast<unsigned>(x) * 2654435761u ^ y * 40503u) >> 28;
                unsigned red = x * 240 / Side + grain, green = y * 240 / Side + grain;
                unsigned blue = (x + y) * 120 / Side + grain;
                pixels->Row(y)[x] = red << 16 | green << 8 | blue;
            }
        return handle;
    }();
    return surface;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "colvero-bench-XXXXXX");
        path_ = mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    }
    ~BenchFolder() { std::filesystem::remove_all(path_); }
    std::string File(const char* name) const { return path_ + name; }

  private:
    std::string path_;
};

void SaveThroughColvero(benchmark::State& state, const char* name) {
    BenchFolder folder;
    SurfaceHandle surface = VariedSurface();
    SetMessageBoxAnswerer([](const std::string&, const std::string&, unsigned) { return IDOK; });
    for (auto _ : state) GraphicSaveBitmapToImageFile(surface, folder.File(name));
    SetMessageBoxAnswerer(nullptr);
}

void SaveThroughQt(benchmark::State& state, const char* name, const char* format, int quality) {
    BenchFolder folder;
    SelectTarget(VariedSurface());
    std::vector<std::uint8_t> block = ReadAllPixels();
    QImage image(block.data() + 8, Side, Side, Side * 4, QImage::Format_RGB32);
    for (auto _ : state) {
        QImageWriter writer(QString::fromStdString(folder.File(name)), format);
        writer.setQuality(quality);
        if (!writer.write(image)) state.SkipWithError("the codec could not write");
    }
}

void BM_SavePng(benchmark::State& state) { SaveThroughColvero(state, "foto.png"); }
void BM_SaveJpeg(benchmark::State& state) { SaveThroughColvero(state, "foto.jpg"); }
// PNG keeps the codec's default compression; JPEG is written at quality 100.
void BM_QtSavePng(benchmark::State& state) { SaveThroughQt(state, "foto.png", "png", -1); }
void BM_QtSaveJpeg(benchmark::State& state) { SaveThroughQt(state, "foto.jpg", "jpeg", 100); }

} // namespace

BENCHMARK(BM_SavePng)->Arg(Side)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtSavePng)->Arg(Side)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveJpeg)->Arg(Side)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtSaveJpeg)->Arg(Side)->Unit(benchmark::kMillisecond)->UseRealTime();
