#include "GfxTesting.h"
#include "gfx/CanvasControl.h"

// Found by argument-dependent lookup, which Rect's global namespace needs.
bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

// A 6 x 4 canvas control of a made-up window; the repaint hook records what it was asked
// to show.
class CanvasTest : public GfxTest {
  protected:
    WindowHandle window = reinterpret_cast<WindowHandle>(0x1000);
    static constexpr int Id = 100;
    std::vector<Rect> shown;

    void SetUp() override {
        RegisterCanvasControl(window, Id, 6, 4, [this](const Rect& r) { shown.push_back(r); });
    }
    void TearDown() override {
        UnregisterCanvasControl(window, Id);
        GfxTest::TearDown();
    }
    Rect Changed() { return CanvasChangedRect(window, Id); }
    static std::pair<int, int> TargetSize() {
        int w = 0, h = 0;
        GetSurfaceSize(w, h);
        return {w, h};
    }
};

TEST_F(CanvasTest, BufferedModeCollectsTheChangedRectangleUntilRefresh) {
    SelectTarget(window, Id, true);
    EXPECT_EQ(TargetPicture(0, 0, 6, 4), Rows({"ffffff", "ffffff", "ffffff", "ffffff"}));
    WritePixel(2, 1, Black);
    EXPECT_EQ(Changed(), (Rect{2, 1, 3, 2}));
    DrawBox(4, 2, 5, 3, Black, Black); // widened by one pixel on every side, clipped
    EXPECT_EQ(Changed(), (Rect{2, 1, 6, 4}));
    SetPenWidth(4);
    DrawBox(1, 1, 2, 2, Black, Black); // widened by 4 / 2 + 1
    EXPECT_EQ(Changed(), (Rect{0, 0, 6, 4}));
    EXPECT_TRUE(shown.empty());
    Refresh();
    EXPECT_EQ(shown, (std::vector<Rect>{{0, 0, 6, 4}}));
    EXPECT_TRUE(Changed().Empty());
}

// What waits to be shown moves with the pixels; the screen moves through the scroll hook,
// and without one the moved pixels are shown again; Refresh of an area shows what waits too.
TEST_F(CanvasTest, ScrollingMovesWhatWaitsToBeShown) {
    std::vector<std::pair<int, int>> scrolled;
    RegisterCanvasControl(
        window, Id, 6, 4, [this](const Rect& r) { shown.push_back(r); },
        [&scrolled](int dx, int dy) { scrolled.emplace_back(dx, dy); });
    SelectTarget(window, Id, true);
    WritePixel(4, 1, Black);
    ScrollTarget(1, 2);
    EXPECT_EQ(scrolled, (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(Changed(), (Rect{5, 3, 6, 4}));
    EXPECT_EQ(TargetPicture(5, 3, 1, 1), Rows({"K"}));
    Refresh(Rect{0, 0, 1, 4});
    EXPECT_EQ(shown, (std::vector<Rect>{{0, 0, 6, 4}})); // both corners: their bounding box

    RegisterCanvasControl(window, Id, 6, 4, [this](const Rect& r) { shown.push_back(r); });
    SelectTarget(window, Id, false);
    ScrollTarget(-2, 0);
    EXPECT_EQ(shown.back(), (Rect{0, 0, 4, 4}));
}

TEST_F(CanvasTest, ImmediateModeShowsEachOperationBeforeItReturns) {
    SelectTarget(window, Id, true);
    SelectTarget(window, Id, false); // selecting again without the flag: immediate
    EXPECT_FALSE(CanvasIsBuffered(window, Id));
    WritePixel(5, 3, Black);
    SurfaceHandle other = Make(2, 2);
    SelectTarget(window, Id, false);
    CopySurfaceAt(other, 10, 10, MixMode::Copy);
    DestroySurface(); // a canvas is never destroyed and stays selected
    ClearTarget(ColourDefault);
    EXPECT_EQ(shown, (std::vector<Rect>{{5, 3, 6, 4}, {0, 0, 6, 4}, {0, 0, 6, 4}}));
    EXPECT_TRUE(Changed().Empty());
}

TEST_F(CanvasTest, ControlsAreFoundByWindowAndId) {
    WindowHandle otherWindow = reinterpret_cast<WindowHandle>(0x2000);
    RegisterCanvasControl(otherWindow, Id, 2, 2, nullptr);
    SelectTarget(otherWindow, Id, false);
    WritePixel(0, 0, Black);                  // no hook: nothing to show, nothing breaks
    EXPECT_EQ(TargetSize(), std::pair(2, 2)); // the other window's
    UnregisterCanvasControl(otherWindow, Id); // the target: none is left
    EXPECT_EQ(TargetSize(), std::pair(0, 0));
    SelectTarget(window, Id + 1, true);
    Refresh();
    EXPECT_EQ(TargetSize(), std::pair(0, 0));
    EXPECT_TRUE(shown.empty());
}

} // namespace
