// Start-up's loading of a picture too large to edit, up to its refusal: a photograph of
// 5700 x 5700 pixels must be turned away without being decoded.
#include "app/Startup.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int LargeSide = 5700;

// A real PNG of the size, smooth ramps that compress like a photograph's sky: written once
// for all runs of the benchmark, removed when the program ends.
class LargePng {
  public:
    LargePng()
        : folder_(std::filesystem::temp_directory_path() /
                  ("colvero-bench-large-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
        QImage image(LargeSide, LargeSide, QImage::Format_RGB32);
        for (int y = 0; y < LargeSide; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < LargeSide; ++x)
                row[x] = qRgb(x * 255 / LargeSide, y * 255 / LargeSide, (x + y) * 127 / LargeSide);
        }
        written_ = QImageWriter(QString::fromStdString(Path()), "png").write(image);
    }
    ~LargePng() { std::filesystem::remove_all(folder_); }
    std::string Path() const { return (folder_ / "grande.png").string(); }
    bool Written() const { return written_; }

  private:
    std::filesystem::path folder_;
    bool written_ = false;
};

void BM_RefuseLarge(benchmark::State& state) {
    static const LargePng png;
    const std::string path = png.Path();
    if (!png.Written()) state.SkipWithError("the picture could not be written");
    long refusals = 0;
    SetMessageBoxAnswerer([&refusals](const std::string&, const std::string& caption, unsigned) {
        refusals += caption == ProgramCaption;
        return IDOK;
    });
    // Start-up sets the image's name, size and surface; the other benchmarks' editor keeps
    // its own.
    const std::string name = ImageFileName;
    const int width = ImageWidth, height = ImageHeight;
    const SurfaceHandle image = ImageBitmap;
    for (auto _ : state) {
        ImageFileName = path;
        if (LoadChosenImage()) {
            state.SkipWithError("the picture was accepted");
            break;
        }
    }
    ImageFileName = name;
    ImageWidth = width;
    ImageHeight = height;
    ImageBitmap = image;
    SetMessageBoxAnswerer(nullptr);
    if (refusals != static_cast<long>(state.iterations()))
        state.SkipWithError("not every load ended in the refusal");
}
BENCHMARK(BM_RefuseLarge)->Unit(benchmark::kMillisecond);

} // namespace
