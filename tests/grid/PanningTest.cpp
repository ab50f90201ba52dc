// Moving the paper under the view with keys, the wheel and a drag, on a 100 x 100 image:
// the bounds 10 - 7W and 10 - 7H (-690), steps that overshoot, and when the view is
// composed again.
#include "GridTesting.h"
#include "app/state/State.h"
#include "platform/Window.h"
#include <limits>

namespace {

constexpr int Bound = 10 - 7 * 100;

class PanningTest : public EditorTest {
  protected:
    void SetUp() override { OpenEditor(100, 100); }
    void PlaceAt(int left, int top) {
        PaperPlacement.left = left;
        PaperPlacement.top = top;
    }
    void ExpectPlacement(int left, int top) {
        EXPECT_EQ(PaperPlacement.left, left);
        EXPECT_EQ(PaperPlacement.top, top);
    }
};

struct KeyCase {
    const char* name;
    unsigned key;
    int left, top;       // before
    int newLeft, newTop; // after
    bool recomposes;
};
void PrintTo(const KeyCase& k, std::ostream* os) { *os << k.name; }
class KeyPanTest : public PanningTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPanTest, MovesWhenItsConditionHolds) {
    const KeyCase& k = GetParam();
    PlaceAt(k.left, k.top);
    Key(k.key);
    ExpectPlacement(k.newLeft, k.newTop);
    EXPECT_EQ(Compositions(), k.recomposes ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPanTest,
    ::testing::Values(
        KeyCase{"RightMovesThePaperLeft", VK_RIGHT, 0, 0, -10, 0, true},
        KeyCase{"RightStopsAtTheBound", VK_RIGHT, Bound, 0, Bound, 0, false},
        KeyCase{"RightJustAboveTheBoundOvershoots", VK_RIGHT, Bound + 3, 0, Bound - 7, 0, true},
        KeyCase{"LeftPastTheOrigin", VK_LEFT, -5, 0, 5, 0, true},
        KeyCase{"LeftStopsOnceNotBelowZero", VK_LEFT, 5, 0, 5, 0, false},
        KeyCase{"DownMovesThePaperUp", VK_DOWN, 0, 0, 0, -10, true},
        KeyCase{"DownStopsAtTheBound", VK_DOWN, 0, Bound, 0, Bound, false},
        KeyCase{"UpMovesThePaperDown", VK_UP, 0, -20, 0, -10, true},
        KeyCase{"UpStopsAtZero", VK_UP, 0, 0, 0, 0, false},
        KeyCase{"PageDownPastTheBound", VK_NEXT, 0, Bound + 1, 0, Bound - 99, true},
        KeyCase{"PageDownBeyondTheBound", VK_NEXT, 0, Bound - 99, 0, Bound - 99, false},
        KeyCase{"DownBeyondTheBound", VK_DOWN, 0, Bound - 99, 0, Bound - 99, false},
        KeyCase{"PageUpUpTo99AboveZero", VK_PRIOR, 0, -1, 0, 99, true},
        KeyCase{"PageUpStopsAboveZero", VK_PRIOR, 0, 99, 0, 99, false},
        KeyCase{"EndShowsTheLastTenRowsEvenOfAShortImage", VK_END, -30, 40, -30, Bound, true},
        KeyCase{"HomeAfterADragOutOfSight", VK_HOME, -90000, 120000, 0, 0, true},
        KeyCase{"OtherKeysDoNothing", 'A', -30, -40, -30, -40, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanningTest, RightArrowStopsAtTheLastTenColumns) {
    for (int i = 0; i < 80; ++i) Key(VK_RIGHT);
    ExpectPlacement(Bound, 0);
    EXPECT_EQ(Compositions(), 69u); // 0 -> -690 in steps of 10
    // The view's left edge shows paper x = 690: the last ten paper columns of the grid.
    EXPECT_EQ(Picture(ViewBitmap, 0, 0, 13, 1), Rows{"KKKKKKKKKKKWW"});
}

struct WheelCase {
    int delta;
    int top, newTop;
};
void PrintTo(const WheelCase& w, std::ostream* os) { *os << w.delta << " at top " << w.top; }
class WheelPanTest : public PanningTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelPanTest, StepsFifteenAndAlwaysRecomposes) {
    PlaceAt(-40, GetParam().top);
    Wheel(GetParam().delta);
    ExpectPlacement(-40, GetParam().newTop); // never sideways
    EXPECT_EQ(Compositions(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Deltas, WheelPanTest,
    ::testing::Values(WheelCase{-120, 0, -15}, // toward the user: the paper moves up
                      WheelCase{-1, Bound + 1, Bound - 14},
                      WheelCase{-120, Bound, Bound}, // cannot move, still recomposes
                      WheelCase{120, -20, -5},
                      WheelCase{0, -5, 10},   // a zero delta counts as away from the user
                      WheelCase{240, 0, 0})); // cannot move, still recomposes

TEST_F(PanningTest, DragMovesThePaperWithTheMouseWithoutBounds) {
    Press(50, 60);
    EXPECT_TRUE(PaperPlacement.dragging);
    EXPECT_EQ(CurrentCursor(), CursorKind::Cross);
    EXPECT_EQ(Compositions(), 0u);
    Move(80, 40);
    ExpectPlacement(30, -20);
    Move(1000, 900);
    Move(5, 3);
    ExpectPlacement(-45, -57);
    EXPECT_EQ(Compositions(), 3u);
    Move(20000, 20000); // wholly out of sight, right of and below the view
    ExpectPlacement(19950, 19940);
    EXPECT_EQ(Picture(ViewBitmap, 1197, 947, 3, 3), (Rows{"WWW", "WWW", "WWW"}));
    Release(0, 0);
    EXPECT_FALSE(PaperPlacement.dragging);
    EXPECT_EQ(CurrentCursor(), CursorKind::Arrow);
    Move(500, 500); // no longer dragging
    EXPECT_EQ(Compositions(), 4u);
    Key(VK_HOME);
    ExpectPlacement(0, 0);
}

struct PressCase {
    int left, top; // placement
    int x, y;      // the press
    bool starts;
};
void PrintTo(const PressCase& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") with the paper at (" << p.left << ", " << p.top << ")";
}
class DragStartTest : public PanningTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(DragStartTest, OnlyAPressOnThePaperIncludingItsFarEdgeStartsADrag) {
    const PressCase& p = GetParam();
    PlaceAt(p.left, p.top);
    Press(p.x, p.y);
    EXPECT_EQ(PaperPlacement.dragging != 0, p.starts);
    Move(p.x + 5, p.y + 5);
    ExpectPlacement(p.left + (p.starts ? 5 : 0), p.top + (p.starts ? 5 : 0));
}

INSTANTIATE_TEST_SUITE_P(Presses, DragStartTest,
                         ::testing::Values(PressCase{500, 0, 499, 10,
                                                     false}, // white view left of the paper
                                           PressCase{500, 0, 500, 10, true},
                                           PressCase{-7000, 0, 500, 10, true}, // x = left + 7500
                                           PressCase{-7000, 0, 501, 10, false},
                                           PressCase{0, -7000, 10, 500, true}, // y = top + 7500
                                           PressCase{0, -7000, 10, 501, false}));

TEST_F(PanningTest, ASecondPressDuringADragKeepsTheFirstAnchor) {
    Press(100, 100);
    Press(300, 300); // the release was missed, outside the canvas
    Move(110, 100);
    ExpectPlacement(10, 0);
}

TEST_F(PanningTest, DragStopsAtTheEndOfTheRangeInsteadOfWrappingRound) {
    Press(0, 0);
    PlaceAt(std::numeric_limits<std::int32_t>::max() - 5, 0);
    Move(100, 0);
    ExpectPlacement(std::numeric_limits<std::int32_t>::max(), 0);
    LeftButtonMode = EditCapturedColour;
    Press(100, 10); // far left of the paper: no cell
    EXPECT_EQ(Compositions(), 1u);
}

TEST_F(PanningTest, MovesInAPaintModeNeverPan) {
    Press(100, 100);
    LeftButtonMode = EditCapturedColour;
    Move(150, 150);
    ExpectPlacement(0, 0);
    Release(150, 150); // ends the drag in any mode
    EXPECT_FALSE(PaperPlacement.dragging);
}

} // namespace
