#include "app/MainWindow.h"
#include "app/Closing.h"
#include "app/Commands.h"
#include "app/MenuBar.h"
#include "app/Settings.h"
#include "grid/Editor.h"
#include "platform/Window.h"
#include "state/State.h"

const char* const MainWindowTitle = "Colvero - Editor jpeg ...";

namespace {

// Popup with caption, system menu, sizing frame and minimise box (no maximise box),
// centred in the work area; the requested position is therefore not used.
constexpr std::uint32_t MainWindowStyle = 0x94CE08D4;
constexpr int RequestedX = 200, RequestedY = 100; // screen pixels

void InitialiseMainWindow(WindowHandle window) {
    Settings("get");
    OpenEditor(window);
}

} // namespace

LRESULT MainWindowProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitialiseMainWindow(window); break;
    case WM_COMMAND: MainWindowCommand(LOWORD(wParam)); break;
    case WM_SYSCOMMAND:
        // The low four bits of a system command are the platform's own.
        if ((wParam & 0xFFF0) != SC_CLOSE) break;
        CloseMainWindow();
        return 1; // closed here, or kept open: not the platform's to close
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
