// Speed of the grid editor on the largest image (1071 x 1071): building the grid,
// composing the view, one pan step and one paint step through the canvas's message
// handler (also on shown windows at one and two device pixels a paper pixel), undoing and
// redoing a stroke, the journal's memory after 200 strokes, and the peak memory of a
// process that loads the image and shows it.
#include "BenchEditor.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/ColourTools.h"
#include "grid/Editor.h"
#include "grid/Journal.h"
#include "grid/PixelGrid.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void BM_BuildGrid(benchmark::State& state) {
    OpenSharedEditor();
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        SelectTarget(PaperBitmap);
        ClearTarget(White);
        state.ResumeTiming();
        BuildGrid(side, side);
    }
}
BENCHMARK(BM_BuildGrid)->Arg(Side)->Unit(benchmark::kMillisecond);

void BM_RefreshView(benchmark::State& state) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    for (auto _ : state) RefreshView();
}
BENCHMARK(BM_RefreshView)->Unit(benchmark::kMillisecond);

LRESULT QuietDialogProc(WindowHandle, unsigned, WPARAM, LPARAM) { return 0; }

// Runs body inside the modal run of a shown editor window (the shared editor's window is
// never shown), so that every composition also repaints the canvas on screen; the window
// opens on the benchmark's screen of that device-pixel ratio (BenchMain.cpp), where each
// paper pixel takes k x k device pixels. False when there is no such screen.
bool WhileShown(double ratio, const std::function<void(WindowHandle canvas)>& body) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto screen = std::find_if(screens.begin(), screens.end(), [ratio](QScreen* s) {
        return s->devicePixelRatio() == ratio;
    });
    if (screen == screens.end()) return false;
    const QPoint at = (*screen)->geometry().topLeft();
    const WindowHandle hidden = MainWindow;
    MainWindow = CreateDialogWindow("Bench", at.x(), at.y(), ViewWidth, ViewHeight, 0, 0, nullptr);
    CreateCanvas(MainWindow);
    SetModalHook([&body](WindowHandle dialog) {
        RefreshView();
        body(GetDlgItem(dialog, CanvasControlId));
        EndDialog(dialog, 0);
    });
    RunModal(MainWindow, QuietDialogProc);
    SetModalHook(nullptr);
    MainWindow = hidden;
    return true;
}

// Right and Left in turn, so that every step moves the paper.
void PanStep(benchmark::State& state, double ratio) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    LeftButtonMode = MovePaper;
    const bool shown = WhileShown(ratio, [&state](WindowHandle canvas) {
        bool right = true;
        for (auto _ : state) {
            SendMessage(canvas, WM_KEYDOWN, right ? VK_RIGHT : VK_LEFT, 0);
            right = !right;
        }
    });
    if (!shown) state.SkipWithError("no screen of that ratio");
}

// On the window that is never shown: the editor's own work.
void PaintStep(benchmark::State& state, int columns, int rows) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    bool red = true;
    for (auto _ : state) BlockStroke(Canvas(), columns, rows, Alternate(red));
}

// On a shown window at k device pixels a paper pixel: the screen's part as well.
void ShownPaintStep(benchmark::State& state, int side, double ratio) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    const bool shown = WhileShown(ratio, [&state, side](WindowHandle canvas) {
        bool red = true;
        for (auto _ : state) BlockStroke(canvas, side, side, Alternate(red));
    });
    if (!shown) state.SkipWithError("no screen of that ratio");
}

[[maybe_unused]] const bool stepsRegistered = [] {
    for (int side : {1, 3, 50}) {
        const std::string size = std::to_string(side);
        const std::string name = "BM_PaintStep/" + size + "x" + size;
        benchmark::RegisterBenchmark(name.c_str(), PaintStep, side, side)
            ->Unit(benchmark::kMicrosecond);
    }
    for (int k : {1, 2}) {
        const std::string suffix = "/k" + std::to_string(k);
        benchmark::RegisterBenchmark(("BM_PaintStep/50x50" + suffix).c_str(), ShownPaintStep, 50,
                                     double(k))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            (k == 1 ? std::string("BM_PanStep") : "BM_PanStep" + suffix).c_str(), PanStep,
            double(k))
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

void BlockStroke(int side, Colour colour) { BlockStroke(Canvas(), side, side, colour); }

// The block green: the red strokes below then change every cell whatever the benchmarks
// before left there (a stroke that changes nothing records nothing to undo).
void GreenBlock() { BlockStroke(StrokeSide, 0x00FF00); }

// "Deshacer" of a block stroke, the view's recomposition included; the stroke is painted
// again, untimed, before each.
void BM_UndoStroke(benchmark::State& state) {
    OpenSharedEditor();
    GreenBlock();
    for (auto _ : state) {
        state.PauseTiming();
        BlockStroke(StrokeSide, 0x0000FF);
        state.ResumeTiming();
        UndoStroke();
    }
}
BENCHMARK(BM_UndoStroke)->Name("BM_UndoStroke/50x50")->Unit(benchmark::kMillisecond);

// "Rehacer" of the same stroke; it is undone again, untimed, before each.
void BM_RedoStroke(benchmark::State& state) {
    OpenSharedEditor();
    GreenBlock();
    BlockStroke(StrokeSide, 0x0000FF);
    for (auto _ : state) {
        state.PauseTiming();
        UndoStroke();
        state.ResumeTiming();
        RedoStroke();
    }
}
BENCHMARK(BM_RedoStroke)->Name("BM_RedoStroke/50x50")->Unit(benchmark::kMillisecond);

// The journal's memory after 200 strokes of 50 x 50 cells each, on a freshly loaded grid.
void BM_Journal200Strokes(benchmark::State& state) {
    OpenSharedEditor();
    for (auto _ : state) {
        state.PauseTiming();
        BuildGrid(Side, Side);
        state.ResumeTiming();
        for (int stroke = 0; stroke < 200; ++stroke)
            BlockStroke(StrokeSide, stroke % 2 ? 0x00FF00 : 0x0000FF);
    }
    state.counters["journal_mb"] = static_cast<double>(JournalBytes()) / (1 << 20);
}
BENCHMARK(BM_Journal200Strokes)
    ->Name("BM_Journal200Strokes/50x50")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Loading and showing the largest image, measured in a process that does only this.
//
// A forked child starts with its parent's resident pages, and exec keeps that peak in
// ru_maxrss, so the surfaces of this process would count. Hence two steps: the benchmark
// re-executes this program (fresh and small) with the two variables below set; that
// process forks the worker, takes the worker's ru_maxrss from wait4 and writes it to the
// report file.
constexpr const char* ImageVariable = "COLVERO_LOAD_AND_BUILD_IMAGE";
constexpr const char* ReportVariable = "COLVERO_LOAD_AND_BUILD_REPORT";

// The worker: what start-up and the main window's initialisation do for the image.
[[noreturn]] void LoadAndBuild(const std::string& path) {
    SetMessageBoxAnswerer([](const std::string&, const std::string&, unsigned) { return IDOK; });
    StartCodecService();
    ImageBitmap = GraphicLoadImageFileToBitmap(path, 0, 0);
    SelectTarget(ImageBitmap);
    GetSurfaceSize(ImageWidth, ImageHeight);
    OpenEditor(CreateDialogWindow("Bench", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr));
    _exit(ImageWidth == Side && ImageHeight == Side ? 0 : 1);
}

// The re-executed program: runs the worker, reports "<peak KiB> <seconds>" or nothing.
[[noreturn]] void MeasureWorker(const std::string& path, const std::string& report) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t worker = fork();
    if (worker == 0) LoadAndBuild(path);
    int status = 0;
    rusage usage{};
    const bool done = worker > 0 && wait4(worker, &status, 0, &usage) == worker;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (done && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        std::ofstream(report) << usage.ru_maxrss << ' ' << seconds.count() << '\n';
    _exit(0);
}

// Runs this program again as the measuring process; false when it reported nothing.
bool RunMeasurement(const std::string& path, const std::string& report, long& peakKiB,
                    double& seconds) {
    std::filesystem::remove(report);
    const pid_t child = fork();
    if (child == 0) {
        setenv(ImageVariable, path.c_str(), 1);
        setenv(ReportVariable, report.c_str(), 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        const char* args[] = {"colvero_bench", "--benchmark_filter=^BM_LoadAndBuild/", nullptr};
        execv("/proc/self/exe", const_cast<char* const*>(args));
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return false;
    return static_cast<bool>(std::ifstream(report) >> peakKiB >> seconds);
}

void BM_LoadAndBuild(benchmark::State& state) {
    const char* image = std::getenv(ImageVariable);
    const char* report = std::getenv(ReportVariable);
    if (image && report) MeasureWorker(image, report);

    OpenSharedEditor();
    const auto folder =
        std::filesystem::temp_directory_path() / ("colvero-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "largest.png").string();
    SetMessageBoxAnswerer([](const std::string&, const std::string&, unsigned) { return IDOK; });
    GraphicSaveBitmapToImageFile(ImageBitmap, path);
    SetMessageBoxAnswerer(nullptr);
    for (auto _ : state) {
        long peakKiB = 0;
        double seconds = 0;
        if (!RunMeasurement(path, (folder / "report").string(), peakKiB, seconds)) {
            state.SkipWithError("the measuring process failed");
            break;
        }
        state.SetIterationTime(seconds);
        state.counters["peak_rss_mb"] = static_cast<double>(peakKiB) / 1024.0;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadAndBuild)
    ->Arg(Side)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
