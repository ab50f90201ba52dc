// Showing the canvas: one Refresh of the 1198 x 948 canvas control on a shown window, the
// repaint that a pan step adds to a composition (compositions on a window that is never
// shown repaint nothing).
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "platform/Window.h"
#include "state/State.h"
#include <benchmark/benchmark.h>

namespace {

LRESULT QuietDialogProc(WindowHandle, unsigned, WPARAM, LPARAM) { return 0; }

void BM_CanvasRepaint(benchmark::State& state) {
    const WindowHandle window =
        CreateDialogWindow("Bench", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr);
    CreateCanvas(window);
    SetModalHook([&state](WindowHandle dialog) {
        SelectTarget(dialog, CanvasControlId, false);
        for (auto _ : state) Refresh();
        EndDialog(dialog, 0);
    });
    RunModal(window, QuietDialogProc);
    SetModalHook(nullptr);
    DestroyWindow(window);
}
BENCHMARK(BM_CanvasRepaint)->Unit(benchmark::kMillisecond);

} // namespace
