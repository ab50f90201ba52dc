// Protecting edits against a sudden end, on the largest picture: a paint step of a 50 x 50
// block whose recovery record is written and flushed at the stroke's end (the file on
// tmpfs, where a flush costs nothing, and, reported only, on the build folder's disk), and
// recovering the picture after 200 such strokes, with the size of that file.
#include "BenchEditor.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/ColourTools.h"
#include "grid/DeadRuns.h"
#include "grid/Editor.h"
#include "grid/Recovery.h"
#include "grid/SavedPicture.h"
#include "platform/Program.h"
#include "platform/Window.h"
#include "state/State.h"
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int Strokes = 200;

// The benchmarks' shared editor, its view inside the paper, so that a paint step here and
// in the grid benchmarks measures the same.
void OpenLargestEditor() {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    RefreshView();
}

// The state folder of the benchmark's runs, in a folder of its own under parent; the
// variable and the folder go afterwards.
class StateHome {
  public:
    explicit StateHome(const std::string& parent)
        : path_(parent + "colvero-bench-" + std::to_string(getpid()) + "/") {
        std::filesystem::create_directories(path_);
        setenv("XDG_STATE_HOME", path_.c_str(), 1);
    }
    ~StateHome() {
        unsetenv("XDG_STATE_HOME");
        std::filesystem::remove_all(path_);
    }
    std::string Picture() const { return path_ + "grande.png"; }

  private:
    std::string path_;
};

std::string Tmpfs() {
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm/"
                                         : std::filesystem::temp_directory_path().string() + "/";
}

// The block strokes of BM_PaintStep/50x50, in two colours in turn.
void ProtectedPaintStep(benchmark::State& state, const std::string& parent) {
    OpenLargestEditor();
    const StateHome home(parent);
    StartRecovery(home.Picture());
    bool red = true;
    for (auto _ : state) BlockStroke(Canvas(), StrokeSide, StrokeSide, Alternate(red));
    EndRecovery();
}
BENCHMARK_CAPTURE(ProtectedPaintStep, tmpfs, Tmpfs())
    ->Name("BM_ProtectedPaintStep/50x50")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProtectedPaintStep, disk, ExecutableFolder())
    ->Name("BM_ProtectedPaintStep/50x50/disk")
    ->Unit(benchmark::kMicrosecond);

// 200 strokes of a block each, side by side over the picture, in two colours in turn.
void PaintStrokesAllOver() {
    for (int stroke = 0; stroke < Strokes; ++stroke) {
        const int left = stroke % 20 * (StrokeSide + 3), top = stroke / 20 * (StrokeSide + 3);
        BeginStroke();
        for (int r = top; r < top + StrokeSide; ++r)
            for (int c = left; c < left + StrokeSide; ++c)
                RepaintCell(c, r, stroke % 2 ? 0x0000FF : 0x00FF00);
        EndPainting();
    }
}

// The picture as if loaded with these colours: nothing unsaved, an empty journal.
void LoadPicture(const std::vector<Colour>& colours) {
    Surface& image = SurfaceOf(ImageBitmap);
    for (int cell = 0; cell < Side * Side; ++cell)
        WritePixel(image, cell % Side, cell / Side, colours[cell]);
    BuildGrid(Side, Side);
}

// Start-up's recovery of a dead run's picture after 200 strokes, once the user has said
// Yes: the file found, read and checked, the cells painted, this run's file written (the
// dead run's then removed) and the view composed. Each time from the picture as loaded and
// the dead run's file as it was.
void BM_Recover(benchmark::State& state) {
    OpenLargestEditor();
    const StateHome home(Tmpfs());
    BuildGrid(Side, Side);
    const std::vector<Colour> loaded = PictureColours();
    StartRecovery(home.Picture());
    PaintStrokesAllOver();
    StopRecovery(); // the run dies; its file stays
    const std::string file = RecoveryFolder() + FilesInFolder(RecoveryFolder()).at(0).name;
    std::ifstream in(file, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(RecoveryFolder());
        std::filesystem::create_directories(RecoveryFolder());
        std::ofstream(file, std::ios::binary) << bytes;
        LoadPicture(loaded);
        state.ResumeTiming();
        StartRecovery(home.Picture());
        ForEachDeadRun(home.Picture(), [](DeadRun& dead) {
            AcceptRecovery(std::move(dead.taken), std::move(dead.picture));
            return false;
        });
        RestoreAcceptedPicture();
        RefreshView();
        state.PauseTiming();
        StopRecovery();
        state.ResumeTiming();
    }
    LoadPicture(loaded);
    state.counters["recovery_mb"] = static_cast<double>(bytes.size()) / (1 << 20);
}
BENCHMARK(BM_Recover)->Name("BM_Recover/1071")->Unit(benchmark::kMillisecond);

} // namespace
