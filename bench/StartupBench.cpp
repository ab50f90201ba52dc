// Start-up's loading of a picture too large to edit, up to its refusal: a photograph of
// 5700 x 5700 pixels must be turned away without being decoded. And the decoding of the
// largest progressive JPEG, whose scans are read once while they are checked: against
// Qt's reader decoding the same file, which checks nothing.
#include "app/Startup.h"
#include "imageio/ImageDecode.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"
#include <QImage>
#include <QImageReader>
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

// A progressive JPEG of a photograph-like picture of the largest size, written once for
// all runs, removed when the program ends.
class LargestJpeg {
  public:
    LargestJpeg()
        : path_(std::filesystem::temp_directory_path() /
                ("colvero-bench-" + std::to_string(getpid()) + ".jpg")) {
        QImage image(MaxImageSide, MaxImageSide, QImage::Format_RGB32);
        for (int y = 0; y < MaxImageSide; ++y)
            for (int x = 0; x < MaxImageSide; ++x)
                image.setPixel(x, y,
                               qRgb((x / 4) ^ (y & 15), y * 255 / MaxImageSide, (x * y) & 255));
        QImageWriter writer(QString::fromStdString(path_), "jpeg");
        writer.setProgressiveScanWrite(true);
        writer.write(image);
    }
    ~LargestJpeg() { std::filesystem::remove(path_); }
    std::string Path() const { return path_; }

  private:
    std::string path_;
};
const LargestJpeg& Jpeg() {
    static const LargestJpeg jpeg;
    return jpeg;
}

// The program's decoding of the file: mapped, its header read, its scans read and checked
// once, its pixels made.
void BM_DecodeJpeg(benchmark::State& state) {
    const std::string path = Jpeg().Path();
    for (auto _ : state) {
        const DecodedImage decoded = DecodeImageFile(path);
        if (!decoded.image) {
            state.SkipWithError("the picture was not decoded");
            break;
        }
        benchmark::DoNotOptimize(decoded.image->constBits());
    }
}
BENCHMARK(BM_DecodeJpeg)->Arg(MaxImageSide)->Unit(benchmark::kMillisecond);

void BM_QtLoadJpeg(benchmark::State& state) {
    const QString path = QString::fromStdString(Jpeg().Path());
    for (auto _ : state) {
        QImage image = QImageReader(path, "jpeg").read();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtLoadJpeg)->Arg(MaxImageSide)->Unit(benchmark::kMillisecond);

} // namespace
