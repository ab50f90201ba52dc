// The one-pass composition gives exactly the pixels of the three plain steps: clear the view
// to white, AND the source in at its placement, copy the view onto the canvas.
#include "GfxTesting.h"
#include <algorithm>
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

// A surface in two roles: the plain steps' result, not rows read after being written.
TEST_F(ComposeTest, SourceThatIsTheViewLeavesItWhite) {
    Surface& view = SurfaceOf(Make(3, 2));
    Paint(Rows({"rgb", "Kbs"}));
    ComposeOnWhite(view, view, -1, 0, nullptr);
    EXPECT_EQ(Picture(&view, 0, 0, 3, 2), Rows({"WWW", "WWW"}));
}

} // namespace
