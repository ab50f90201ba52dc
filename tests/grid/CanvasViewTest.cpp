// The canvas control and the composition of the view: silver and buffered until the first
// RefreshView, then the paper at its placement, white elsewhere, shown at once.
#include "grid/CanvasView.h"
#include "GridTesting.h"
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "platform/Window.h"

namespace {

class CanvasViewTest : public EditorTest {};

TEST_F(CanvasViewTest, CanvasIsSilverAndBufferedUntilTheFirstRefresh) {
    WindowHandle owner = CreateDialogWindow("Owner", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr);
    CreateCanvas(owner);
    WindowHandle canvas = GetDlgItem(owner, CanvasControlId);
    ASSERT_NE(canvas, nullptr);
    const ScreenRect frame = GetWindowRect(canvas);
    EXPECT_EQ(frame.right - frame.left, ViewWidth);
    EXPECT_EQ(frame.bottom - frame.top, ViewHeight);
    const Surface* surface = CanvasSurface(owner, CanvasControlId);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->Width(), ViewWidth - 2); // inside the thin border
    EXPECT_EQ(Picture(surface, 0, 0, 2, 2), (Rows{"ss", "ss"}));
    EXPECT_EQ(Picture(surface, surface->Width() - 2, surface->Height() - 1, 3, 2),
              (Rows{"ss-", "---"}));
    EXPECT_TRUE(CanvasIsBuffered(owner, CanvasControlId));

    OpenEditor(5, 5);
    MainWindow = owner;
    RefreshView();
    EXPECT_FALSE(CanvasIsBuffered(owner, CanvasControlId));
    EXPECT_TRUE(CanvasChangedRect(owner, CanvasControlId).Empty()); // shown
    EXPECT_EQ(Picture(surface, 34, 0, 3, 2), (Rows{"KKW", "?KW"}));
    DestroyWindow(owner);
}

TEST_F(CanvasViewTest, APressGivesTheCanvasTheKeyboardFocus) {
    OpenEditor(5, 5);
    ActivateWindow();
    Press(600, 600); // passed on to the control's own handling
    EXPECT_EQ(GetFocus(), Canvas());
    Release(600, 600);
}

struct Placing {
    int left, top;
};
void PrintTo(const Placing& p, std::ostream* os) { *os << p.left << ", " << p.top; }
class CompositionTest : public EditorTest, public ::testing::WithParamInterface<Placing> {};

TEST_P(CompositionTest, ViewShowsThePaperAtItsPlacementAndWhiteElsewhere) {
    OpenEditor(100, 100);
    PaperPlacement.left = GetParam().left;
    PaperPlacement.top = GetParam().top;
    RefreshView();
    const Surface* paper = SurfaceFromHandle(PaperBitmap);
    const Surface* view = SurfaceFromHandle(ViewBitmap);
    const Surface* canvas = CanvasPixels();
    int wrongView = 0, wrongCanvas = 0;
    for (int y = 0; y < ViewHeight; ++y)
        for (int x = 0; x < ViewWidth; ++x) {
            const int px = x - GetParam().left, py = y - GetParam().top;
            const bool onPaper = px >= 0 && py >= 0 && px < PaperSize && py < PaperSize;
            const std::uint32_t expected = onPaper ? paper->Row(py)[px] : PixelFromColour(White);
            wrongView += view->Row(y)[x] != expected;
            if (x < canvas->Width() && y < canvas->Height())
                wrongCanvas += canvas->Row(y)[x] != expected;
        }
    EXPECT_EQ(wrongView, 0);
    EXPECT_EQ(wrongCanvas, 0);
}

INSTANTIATE_TEST_SUITE_P(Placements, CompositionTest,
                         ::testing::Values(Placing{0, 0}, Placing{-650, -600}, Placing{100, 37},
                                           Placing{-7000, -7200}, Placing{20000, 0}));

} // namespace
