// The one-pass composition gives exactly the pixels of the three plain steps: clear the view
// to white, AND the source in at its placement, copy the view onto the canvas.
#include "GfxTesting.h"
#include "gfx/RectOps.h"
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <random>

namespace {

using ComposeTest = GfxTest;

using Twins = std::pair<Surface*, Surface*>;

// Gives both surfaces the same random pixels, the high byte set too, so that a pixel copied
// without the AND shows.
const Twins& Randomise(const Twins& twins, std::mt19937& random) {
    std::generate_n(twins.first->Pixels(), twins.first->ByteCount() / 4, std::ref(random));
    std::copy_n(twins.first->Pixels(), twins.first->ByteCount() / 4, twins.second->Pixels());
    return twins;
}

bool Same(const Twins& twins) {
    const std::uint32_t* a = twins.first->Pixels();
    return std::equal(a, a + twins.first->ByteCount() / 4, twins.second->Pixels());
}

// A 7 x 5 source at every placement from wholly left of (above) a 6 x 4 view to wholly
// right of (below) it, onto a canvas smaller than the view and onto one larger.
TEST_F(ComposeTest, OnePassGivesThePixelsOfThePlainSteps) {
    std::mt19937 random(1407);
    const auto twins = [this](int w, int h) {
        return Twins{&SurfaceOf(Make(w, h)), &SurfaceOf(Make(w, h))};
    };
    const Surface& source = *Randomise(twins(7, 5), random).first;
    const Twins view = twins(6, 4);
    for (auto [width, height] : {std::pair{5, 3}, std::pair{8, 6}}) {
        const Twins canvas = twins(width, height);
        for (int y = -6; y <= 5; ++y)
            for (int x = -8; x <= 7; ++x) {
                Randomise(view, random);
                Randomise(canvas, random);
                view.first->state.x = 3;
                ComposeOnWhite(*view.first, source, x, y, canvas.first);
                ClearTarget(*view.second, White);
                CopySurfaceAt(*view.second, source, x, y, MixMode::And);
                CopySurface(*canvas.second, *view.second);
                SCOPED_TRACE(::testing::Message() << x << ", " << y << " onto " << width);
                EXPECT_TRUE(Same(view));
                EXPECT_TRUE(Same(canvas));
                EXPECT_EQ(view.first->state.x, 0); // as the clear leaves it
            }
    }
}

// Within an area (empty, inside, beyond every edge) the pixels of the plain steps; outside
// it, on the view and on the canvas, the old pixels.
TEST_F(ComposeTest, AnAreaGetsThePlainStepsAndTheRestKeepsItsPixels) {
    std::mt19937 random(1412);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Surface& source = SurfaceOf(Make(7, 5));
    std::generate_n(source.Pixels(), source.ByteCount() / 4, std::ref(random));
    Surface& view = SurfaceOf(Make(6, 4));
    Surface& canvas = SurfaceOf(Make(5, 3));
    Surface& plain = SurfaceOf(Make(6, 4));
    for (int round = 0; round < 2000; ++round) {
        const int x = pick(-8, 7), y = pick(-6, 5);
        const Rect area{pick(-3, 7), pick(-3, 5), pick(-3, 8), pick(-3, 6)};
        std::generate_n(view.Pixels(), view.ByteCount() / 4, std::ref(random));
        std::generate_n(canvas.Pixels(), canvas.ByteCount() / 4, std::ref(random));
        const std::vector<std::uint32_t> oldView(view.Pixels(), view.Pixels() + 24);
        const std::vector<std::uint32_t> oldCanvas(canvas.Pixels(), canvas.Pixels() + 15);
        ClearTarget(plain, White);
        CopySurfaceAt(plain, source, x, y, MixMode::And);
        const Rect composed = ComposeOnWhite(view, source, x, y, &canvas, area);
        const Rect inside = ClipTo(view, area);
        EXPECT_TRUE(composed.Empty()
                        ? inside.Empty()
                        : composed.left == inside.left && composed.top == inside.top &&
                              composed.right == inside.right && composed.bottom == inside.bottom);
        int wrong = 0;
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 6; ++column) {
                const bool in = column >= inside.left && column < inside.right &&
                                row >= inside.top && row < inside.bottom;
                const std::uint32_t want = in ? plain.Row(row)[column] : oldView[row * 6 + column];
                wrong += view.Row(row)[column] != want;
                if (column < 5 && row < 3)
                    wrong += canvas.Row(row)[column] != (in ? want : oldCanvas[row * 5 + column]);
            }
        ASSERT_EQ(wrong, 0) << "at " << x << ", " << y << ", area " << area.left << ", " << area.top
                            << " - " << area.right << ", " << area.bottom;
    }
}

// Every move of a 5 x 4 surface, from wholly off it each way, and the ends of int: the
// moved pixels land (dx, dy) further, the band uncovered keeps its pixels.
TEST_F(ComposeTest, ScrollingMovesThePixelsAndKeepsTheBandUncovered) {
    Surface& target = SurfaceOf(Make(5, 4));
    const auto numbered = [&target] {
        for (int i = 0; i < 20; ++i) target.Pixels()[i] = static_cast<std::uint32_t>(i);
    };
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -5; dx <= 5; ++dx) {
            numbered();
            const Rect moved = ScrollSurface(target, dx, dy);
            const bool any = std::abs(dx) < 5 && std::abs(dy) < 4;
            EXPECT_EQ(moved.Empty(), !any);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x) {
                    const bool landed =
                        any && x - dx >= 0 && x - dx < 5 && y - dy >= 0 && y - dy < 4;
                    const int from = landed ? (y - dy) * 5 + (x - dx) : y * 5 + x;
                    ASSERT_EQ(target.Row(y)[x], static_cast<std::uint32_t>(from))
                        << "moved by " << dx << ", " << dy << ", at " << x << ", " << y;
                }
        }
    numbered();
    EXPECT_TRUE(ScrollSurface(target, INT_MIN, 0).Empty());
    EXPECT_TRUE(ScrollSurface(target, 0, INT_MAX).Empty());
    EXPECT_EQ(target.Row(3)[4], 19u);
}

// A surface in two roles: the plain steps' result, not rows read after being written.
TEST_F(ComposeTest, SourceThatIsTheViewLeavesItWhite) {
    Surface& view = SurfaceOf(Make(3, 2));
    Paint(Rows({"rgb", "Kbs"}));
    ComposeOnWhite(view, view, -1, 0, nullptr);
    EXPECT_EQ(Picture(&view, 0, 0, 3, 2), Rows({"WWW", "WWW"}));
}

} // namespace
