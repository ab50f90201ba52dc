#include "GridTesting.h"
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "grid/CanvasView.h"
#include "grid/PixelGrid.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include <QTest>
#include <QWidget>

namespace {

SurfaceHandle SharedSurface(int width, int height) {
    SurfaceHandle surface = CreateSurface(width, height);
    EXPECT_NE(surface, 0u);
    return surface;
}

} // namespace

Colour TestColour(int column, int row) {
    return MakeColour(column & 0xFF, row & 0xFF, 0x40 | (column >> 8) | ((row >> 8) << 2));
}

SurfaceHandle MakeTestImage(int width, int height) {
    SurfaceHandle image = CreateSurface(width, height);
    SelectTarget(image);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) WritePixel(c, r, TestColour(c, r));
    return image;
}

WindowHandle EditorTest::Window() {
    static WindowHandle window = [] {
        WindowHandle dialog =
            CreateDialogWindow("Editor", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr);
        CreateCanvas(dialog);
        return dialog;
    }();
    return window;
}

WindowHandle EditorTest::Canvas() { return GetDlgItem(Window(), CanvasControlId); }

void EditorTest::ActivateWindow() {
    QWidget* window = WidgetOf(Window());
    ASSERT_NE(window, nullptr);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

const Surface* EditorTest::CanvasPixels() const { return CanvasSurface(Window(), CanvasControlId); }

void EditorTest::OpenEditor(SurfaceHandle image) {
    static SurfaceHandle paper = SharedSurface(PaperSize, PaperSize);
    static SurfaceHandle view = SharedSurface(ViewWidth, ViewHeight);
    ResetApplicationState();
    ImageBitmap = image;
    SelectTarget(image);
    GetSurfaceSize(ImageWidth, ImageHeight);
    MainWindow = Window();
    RightButtonMode = CaptureColour;
    PaperBitmap = paper;
    SelectTarget(paper);
    ClearTarget(White);
    ViewBitmap = view;
    SelectTarget(view);
    ClearTarget(White);
    BuildGrid(ImageWidth, ImageHeight);
    RefreshView();
    compositionsAtOpen_ = ViewCompositions();
}

void EditorTest::TearDown() {
    SetModalHook(nullptr);
    if (ImageBitmap) {
        SelectTarget(ImageBitmap);
        DestroySurface();
    }
    ResetApplicationState();
    BuildGrid(0, 0);
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

unsigned long EditorTest::Compositions() const { return ViewCompositions() - compositionsAtOpen_; }

void EditorTest::ExpectPaperMatchesImage() const {
    const Surface* paper = SurfaceFromHandle(PaperBitmap);
    const Surface* image = SurfaceFromHandle(ImageBitmap);
    int mismatches = 0;
    for (int r = 0; r < ImageHeight; ++r)
        for (int c = 0; c < ImageWidth; ++c) {
            const std::uint32_t pixel = image->Row(r)[c];
            for (int k = 1; k < CellPitch; ++k) // the inside's diagonal
                mismatches += paper->Row(CellPitch * r + k)[CellPitch * c + k] != pixel;
            mismatches += paper->Row(CellPitch * r)[CellPitch * c] != PixelFromColour(Black);
        }
    EXPECT_EQ(mismatches, 0);
}
