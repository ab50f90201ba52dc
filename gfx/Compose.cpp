// Composing a view in one pass: a white target with a source ANDed in at a placement, and
// its top-left part copied onto a second surface, writing each row once.
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t WhitePixel = PixelFromColour(White);

// t := s AND white over one row: what the AND leaves on a white row. Four pixels at a time
// as one 128-bit value, as the compiler would not widen the plain loop itself.
void CopyOnWhite(std::uint32_t* t, const std::uint32_t* s, int width) {
    using Four = std::uint32_t __attribute__((vector_size(16)));
    const Four white = {WhitePixel, WhitePixel, WhitePixel, WhitePixel};
    int i = 0;
    for (; i + 4 <= width; i += 4) {
        Four a;
        std::memcpy(&a, s + i, sizeof a);
        a &= white;
        std::memcpy(t + i, &a, sizeof a);
    }
    for (; i < width; ++i) t[i] = s[i] & WhitePixel;
}

// One row of the target: white, the source row s over [from, to), white.
void ComposeRow(std::uint32_t* t, int width, const std::uint32_t* s, int from, int to) {
    std::fill(t, t + from, WhitePixel);
    CopyOnWhite(t + from, s, to - from);
    std::fill(t + to, t + width, WhitePixel);
}

} // namespace

Rect ComposeOnWhite(Surface& target, const Surface& source, int x, int y, Surface* copy) {
    // One surface in two roles would read rows already written: the plain steps then.
    if (&source == &target || copy == &source || copy == &target) {
        ClearTarget(target, White);
        CopySurfaceAt(target, source, x, y, MixMode::And);
        if (copy) CopySurface(*copy, target);
        return Bounds(target);
    }
    target.state.x = target.state.y = 0; // as the clear leaves it
    // Where the source lies on the target, in target pixels; empty when wholly outside.
    // 64-bit: a placement near the int limits must not wrap around.
    const auto across = [](long long from, int length, int limit) {
        return int(std::clamp<long long>(from + length, 0, limit));
    };
    const Rect placed{across(x, 0, target.Width()), across(y, 0, target.Height()),
                      across(x, source.Width(), target.Width()),
                      across(y, source.Height(), target.Height())};
    const int copyWidth = copy ? std::min(copy->Width(), target.Width()) : 0;
    const int copyHeight = copy ? std::min(copy->Height(), target.Height()) : 0;
    for (int row = 0; row < target.Height(); ++row) {
        const bool covered = !placed.Empty() && row >= placed.top && row < placed.bottom;
        const std::uint32_t* s = covered ? source.Row(row - y) + (placed.left - x) : nullptr;
        std::uint32_t* t = target.Row(row);
        ComposeRow(t, target.Width(), s, covered ? placed.left : 0, covered ? placed.right : 0);
        if (row < copyHeight)
            std::memcpy(copy->Row(row), t, static_cast<std::size_t>(copyWidth) * 4);
    }
    return Bounds(target);
}
