#include "CanvasTesting.h"
#include "gfx/CanvasControl.h"
#include "grid/PixelGrid.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QTest>
#include <QWidget>

WindowHandle EditorTest::Window() {
    if (!window_)
        window_ = CreateDialogWindow("Editor", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr);
    return window_;
}

WindowHandle EditorTest::Canvas() { return GetDlgItem(Window(), CanvasControlId); }

void EditorTest::ActivateWindow() {
    QWidget* window = WidgetOf(Window());
    ASSERT_NE(window, nullptr);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

const Surface* EditorTest::CanvasPixels() { return CanvasSurface(Window(), CanvasControlId); }

void EditorTest::TearDown() {
    SetModalHook(nullptr);
    GridModelTest::TearDown();
    DestroyWindow(window_);
    window_ = nullptr;
}

LRESULT EditorTest::Send(unsigned message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(Canvas(), message, wParam, lParam);
}
void EditorTest::Press(int x, int y) { Send(WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); }
void EditorTest::Move(int x, int y) { Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
void EditorTest::Release(int x, int y) { Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
void EditorTest::RightClick(int x, int y) { Send(WM_RBUTTONDOWN, 0, MAKELPARAM(x, y)); }
void EditorTest::Key(unsigned key) { Send(WM_KEYDOWN, key, 0); }
void EditorTest::Wheel(int delta) {
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(delta) & 0xFFFF), 0);
}

int EditorTest::ViewX(int column) { return CellPitch * column + 3 + PaperPlacement.left; }
int EditorTest::ViewY(int row) { return CellPitch * row + 3 + PaperPlacement.top; }
