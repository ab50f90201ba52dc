#include "grid/Editor.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "grid/Recovery.h"
#include "state/State.h"

namespace {

// The surface `kept` when it is width x height, else a new one; white either way.
SurfaceHandle WhiteSurface(SurfaceHandle kept, int width, int height) {
    const Surface& old = SurfaceOf(kept);
    const bool fits = old.Width() == width && old.Height() == height;
    const SurfaceHandle surface = fits ? kept : CreateSurface(width, height);
    SelectTarget(surface);
    ClearTarget(White);
    return surface;
}

} // namespace

void OpenEditor(WindowHandle window) {
    MainWindow = window;
    RightButtonMode = CaptureColour;
    PaperBitmap = WhiteSurface(PaperBitmap, PaperSize, PaperSize);
    ViewBitmap = WhiteSurface(ViewBitmap, ViewWidth, ViewHeight);
    PaperPlacement = Placement{0, 0, PaperSize, PaperSize, 0};
    CreateCanvas(window); // before the grid: the canvas shows silver until the first view
    BuildGrid(ImageWidth, ImageHeight);
    RestoreAcceptedPicture();
    RefreshView();
    CurrentColour = White;
    painting = false;
}
