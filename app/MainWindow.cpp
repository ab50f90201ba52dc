#include "app/MainWindow.h"
#include "app/Commands.h"
#include "app/MenuBar.h"
#include "app/Settings.h"
#include "app/state/State.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "platform/Window.h"

const char* const MainWindowTitle = "Colvero - Editor jpeg ...";

namespace {

// Popup with caption, system menu, sizing frame and minimise box (no maximise box),
// centred in the work area; the requested position is therefore not used.
constexpr std::uint32_t MainWindowStyle = 0x94CE08D4;
constexpr int RequestedX = 200, RequestedY = 100; // screen pixels

SurfaceHandle WhiteSurface(int width, int height) {
    SurfaceHandle surface = CreateSurface(width, height);
    SelectTarget(surface);
    ClearTarget(White);
    return surface;
}

void InitialiseMainWindow(WindowHandle window) {
    Settings("get");
    RightButtonMode = CaptureColour;
    PaperBitmap = WhiteSurface(PaperSize, PaperSize);
    ViewBitmap = WhiteSurface(ViewWidth, ViewHeight);
    PaperPlacement = Placement{0, 0, PaperSize, PaperSize, 0};
    CreateCanvas(window); // before the grid: the canvas shows silver until the first view
    BuildGrid(ImageWidth, ImageHeight);
    RefreshView();
    CurrentColour = White;
    painting = false;
}

} // namespace

LRESULT MainWindowProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitialiseMainWindow(window); break;
    case WM_COMMAND: MainWindowCommand(LOWORD(wParam)); break;
    }
    return 0;
}

void RunMainWindow() {
    MainWindow = CreateDialogWindow(MainWindowTitle, RequestedX, RequestedY, ViewWidth, ViewHeight,
                                    MainWindowStyle, WS_EX_CONTROLPARENT, nullptr);
    BuildMenuBar(MainWindow);
    RunModal(MainWindow, MainWindowProc);
    MenuBar = nullptr; // it went with the window
}
