// Boxes and copies that lie wholly off the target: beside each side, at each corner,
// inverted, empty, and at the ends of int. Nothing may change, neither on the surface nor
// (checked by the sanitizer run) in the memory around it.
#include "GfxTesting.h"
#include <climits>

namespace {

// A 3 x 2 block from (x, y); the box's far corner saturates at the ends of int.
struct OffPlace {
    const char* name;
    int x, y;
};
class OffSurface : public GfxTest, public ::testing::WithParamInterface<OffPlace> {};

int Beyond(int v, int by) { return v > INT_MAX - by ? INT_MAX : v + by; }

// On a 6 x 4 yellow target every operation must leave all of it yellow: a red box, the
// same box with its corners swapped, and a red-green-blue source copied plainly and ANDed.
TEST_P(OffSurface, ChangesNothing) {
    const int x1 = GetParam().x, y1 = GetParam().y, x2 = Beyond(x1, 3), y2 = Beyond(y1, 2);
    SurfaceHandle source = Make(3, 2);
    Paint(Rows({"rgb", "bWg"}));
    Make(6, 4, 0x00FFFF);
    const Rows yellow = Rows({"yyyyyy", "yyyyyy", "yyyyyy", "yyyyyy"});
    DrawBox(x1, y1, x2, y2, 0x0000FF, 0x0000FF);
    DrawBox(x2, y2, x1, y1, 0x0000FF, 0x0000FF);
    EXPECT_EQ(TargetPicture(0, 0, 6, 4), yellow) << "box";
    CopySurfaceAt(source, x1, y1, MixMode::Copy);
    CopySurfaceAt(source, x1, y1, MixMode::And);
    EXPECT_EQ(TargetPicture(0, 0, 6, 4), yellow) << "copy";
}
INSTANTIATE_TEST_SUITE_P(
    Beside, OffSurface,
    ::testing::Values(OffPlace{"Left", -3, 1}, OffPlace{"Right", 6, 1},
                      OffPlace{"FarRight", 400, 1}, OffPlace{"FarLeft", -100, 1},
                      OffPlace{"Above", 2, -2}, OffPlace{"Below", 2, 4},
                      OffPlace{"TopLeft", -3, -2}, OffPlace{"TopRight", 6, -2},
                      OffPlace{"BottomLeft", -3, 4}, OffPlace{"BottomRight", 6, 4},
                      OffPlace{"IntMinLeft", INT_MIN, 1}, OffPlace{"IntMaxRight", INT_MAX, 1},
                      OffPlace{"IntMinAbove", 2, INT_MIN}, OffPlace{"IntMaxBelow", 2, INT_MAX},
                      OffPlace{"IntMinCorner", INT_MIN, INT_MIN},
                      OffPlace{"IntMaxCorner", INT_MAX, INT_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
