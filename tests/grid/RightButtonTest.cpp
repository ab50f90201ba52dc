// The right-button tools: capturing the colour the canvas shows, which opens the
// captured colour dialog every time, and the favourites dialog, which opens only once.
#include "GridTesting.h"
#include "app/state/State.h"
#include "gfx/CanvasControl.h"
#include "grid/CanvasView.h"
#include "platform/Window.h"
#include <cstdio>
#include <functional>

namespace {

// Captures and the dialogs they open. Each dialog the canvas opens is recorded with the
// text of its value label, and closed.
class RightButtonTest : public EditorTest {
  protected:
    static constexpr Colour X = 0x3366FF;
    static constexpr int ValueLabel = 21003;
    std::vector<std::string> labels;
    std::function<void()> whileOpen; // run inside the first dialog, before it closes

    void SetUp() override {
        OpenEditor(30, 30);
        CurrentColour = X;
        SetModalHook([this](WindowHandle dialog) {
            labels.push_back(GetDlgItemText(dialog, ValueLabel));
            if (labels.size() == 1 && whileOpen) whileOpen();
            if (labels.size() == 1) labels[0] = GetDlgItemText(dialog, ValueLabel);
            EndDialog(dialog, 0);
        });
    }
    // The label shows the value as "H" and eight upper-case hexadecimal digits.
    static std::string Hex(Colour colour) {
        char text[16];
        std::snprintf(text, sizeof text, "H%08X", colour);
        return text;
    }
};

struct CaptureCase {
    const char* name;
    int left;      // placement of the paper
    int x, y;      // the click, view pixels
    Colour colour; // captured
};
void PrintTo(const CaptureCase& c, std::ostream* os) { *os << c.name; }
class CaptureTest : public RightButtonTest, public ::testing::WithParamInterface<CaptureCase> {};

TEST_P(CaptureTest, TakesTheColourTheCanvasShows) {
    const CaptureCase& p = GetParam();
    PaperPlacement.left = p.left;
    RefreshView();
    const unsigned long before = Compositions();
    RightClick(p.x, p.y);
    EXPECT_EQ(CurrentColour, p.colour);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_TRUE(labels[0].ends_with(Hex(p.colour))) << labels[0];
    EXPECT_EQ(Compositions(), before); // a capture does not recompose
}

INSTANTIATE_TEST_SUITE_P(
    Places, CaptureTest,
    ::testing::Values(CaptureCase{"InsideACell", 0, 7 * 4 + 2, 7 * 6 + 5, TestColour(4, 6)},
                      CaptureCase{"OnAGridLine", 0, 7 * 4, 7 * 6 + 5, Black},
                      CaptureCase{"OnWhitePaper", 0, 7 * 30 + 1, 10, White},
                      CaptureCase{"OffThePaper", 600, 100, 10, White},
                      CaptureCase{"ThroughThePlacement", -14, 7 * 2 + 1, 8, TestColour(4, 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RightButtonTest, CaptureReadsTheCanvasItself) {
    CanvasSurface(Window(), CanvasControlId)->Row(20)[30] = PixelFromColour(X);
    RightClick(30, 20);
    EXPECT_EQ(CurrentColour, X);
}

TEST_F(RightButtonTest, ASecondCaptureOpensASecondDialog) {
    whileOpen = [this] { RightClick(ViewX(8), ViewY(9)); };
    RightClick(ViewX(2), ViewY(3));
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_TRUE(labels[0].ends_with(Hex(TestColour(2, 3)))) << labels[0];
    EXPECT_TRUE(labels[1].ends_with(Hex(TestColour(8, 9)))) << labels[1];
    EXPECT_EQ(CurrentColour, TestColour(8, 9));
}

TEST_F(RightButtonTest, OnlyOneFavouritesDialogOpensFromTheCanvas) {
    RightButtonMode = FavouriteColours;
    bool openFlag = false;
    whileOpen = [&] {
        openFlag = favouritesOpen;
        RightClick(ViewX(8), ViewY(9)); // does nothing
    };
    RightClick(ViewX(2), ViewY(3));
    EXPECT_EQ(labels.size(), 1u);
    EXPECT_TRUE(openFlag);
    EXPECT_FALSE(favouritesOpen);
    EXPECT_EQ(CurrentColour, X); // no capture in this mode
    whileOpen = nullptr;
    labels.clear();
    RightClick(ViewX(2), ViewY(3)); // the guard is down again
    EXPECT_EQ(labels.size(), 1u);
}

} // namespace
