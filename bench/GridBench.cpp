// Speed of the grid editor on the largest image (1071 x 1071): building the grid,
// composing the view, one pan step and one paint step through the canvas's message
// handler, undoing and redoing a stroke, the journal's memory after 200 strokes, and the
// peak memory of a process that loads the image and shows it.
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

constexpr int Side = MaxImageSide;
// The view's top-left at paper (3000, 3000): every composition copies a full view.
constexpr int InsideLeft = -3000, InsideTop = -3000;

// Colour of image pixel (column, row): a smooth picture that compresses like a photograph.
Colour ImageColour(int column, int row) {
    return MakeColour(column * 255 / Side, row * 255 / Side, (column + row) * 127 / Side);
}

// The editor as the main window's initialisation leaves it, on a window that is never
// shown; made once and shared by the benchmarks of this file.
void OpenSharedEditor() {
    static bool open = false;
    if (open) return;
    open = true;
    ImageBitmap = CreateSurface(Side, Side);
    Surface& image = SurfaceOf(ImageBitmap);
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c) WritePixel(image, c, r, ImageColour(c, r));
    ImageWidth = ImageHeight = Side;
    OpenEditor(CreateDialogWindow("Bench", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr));
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    RefreshView();
}

WindowHandle Canvas() { return GetDlgItem(MainWindow, CanvasControlId); }

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
// never shown), so that every composition also repaints the canvas on screen.
void WhileShown(const std::function<void(WindowHandle canvas)>& body) {
    const WindowHandle hidden = MainWindow;
    MainWindow = CreateDialogWindow("Bench", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr);
    CreateCanvas(MainWindow);
    SetModalHook([&body](WindowHandle dialog) {
        RefreshView();
        body(GetDlgItem(dialog, CanvasControlId));
        EndDialog(dialog, 0);
    });
    RunModal(MainWindow, QuietDialogProc);
    SetModalHook(nullptr);
    MainWindow = hidden;
}

// Right and Left in turn, so that every step moves the paper.
void BM_PanStep(benchmark::State& state) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    LeftButtonMode = MovePaper;
    WhileShown([&state](WindowHandle canvas) {
        bool right = true;
        for (auto _ : state) {
            SendMessage(canvas, WM_KEYDOWN, right ? VK_RIGHT : VK_LEFT, 0);
            right = !right;
        }
    });
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMillisecond);

// A left press with a block tool of columns x rows cells, in two colours in turn.
void PaintStep(benchmark::State& state, int columns, int rows) {
    OpenSharedEditor();
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    LeftButtonMode = EditCapturedColourMultiple;
    fillWidth = static_cast<std::int16_t>(columns);
    fillHeight = static_cast<std::int16_t>(rows);
    bool red = true;
    for (auto _ : state) {
        CurrentColour = red ? 0x0000FF : 0x00FF00;
        SendMessage(Canvas(), WM_LBUTTONDOWN, 0, MAKELPARAM(500, 400));
        SendMessage(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
        red = !red;
    }
    LeftButtonMode = MovePaper;
}
[[maybe_unused]] const bool paintStepsRegistered = [] {
    for (int side : {1, 3, 50}) {
        const std::string size = std::to_string(side);
        const std::string name = "BM_PaintStep/" + size + "x" + size;
        benchmark::RegisterBenchmark(name.c_str(), PaintStep, side, side)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

constexpr int StrokeSide = 50; // cells of a block stroke each way

// One stroke of a side x side block in the colour, pressed and released at view (500, 400).
void BlockStroke(int side, Colour colour) {
    LeftButtonMode = EditCapturedColourMultiple;
    fillWidth = fillHeight = static_cast<std::int16_t>(side);
    CurrentColour = colour;
    SendMessage(Canvas(), WM_LBUTTONDOWN, 0, MAKELPARAM(500, 400));
    SendMessage(Canvas(), WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
    LeftButtonMode = MovePaper;
}

// "Deshacer" of a block stroke, the view's recomposition included; the stroke is painted
// again, untimed, before each.
void BM_UndoStroke(benchmark::State& state) {
    OpenSharedEditor();
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
