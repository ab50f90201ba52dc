// Composing a view in one pass: a white target with a source ANDed in at a placement, and
// its top-left part copied onto a second surface, writing each row once; the whole target
// or only an area of it.
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

// The span [left, right) of one target row: white, the source row s over [from, to),
// white.
void ComposeSpan(std::uint32_t* t, int left, int right, const std::uint32_t* s, int from, int to) {
    std::fill(t + left, t + from, WhitePixel);
    CopyOnWhite(t + from, s, to - from);
    std::fill(t + to, t + right, WhitePixel);
}

} // namespace

Rect ComposeOnWhite(Surface& target, const Surface& source, int x, int y, Surface* copy) {
    return ComposeOnWhite(target, source, x, y, copy, Bounds(target));
}

Rect ComposeOnWhite(Surface& target, const Surface& source, int x, int y, Surface* copy,
                    const Rect& area) {
    // One surface in two roles would read rows already written: the plain steps then, over
    // the whole target.
    if (&source == &target || copy == &source || copy == &target) {
        ClearTarget(target, White);
        CopySurfaceAt(target, source, x, y, MixMode::And);
        if (copy) CopySurface(*copy, target);
        return Bounds(target);
    }
    target.state.x = target.state.y = 0; // as the clear leaves it
    const Rect composed = ClipTo(target, area);
    if (composed.Empty()) return Rect{};
    // Where the source lies on the target, in target pixels; empty when wholly outside.
    // 64-bit: a placement near the int limits must not wrap around.
    const auto across = [](long long from, int length, int low, int high) {
        return int(std::clamp<long long>(from + length, low, high));
    };
    const int from = across(x, 0, composed.left, composed.right);
    const int to = across(x, source.Width(), from, composed.right);
    const int top = across(y, 0, composed.top, composed.bottom);
    const int bottom = across(y, source.Height(), top, composed.bottom);
    const int copyRight = copy ? std::min(copy->Width(), composed.right) : 0;
    const int copyBottom = copy ? std::min(copy->Height(), composed.bottom) : 0;
    const std::size_t copyBytes = std::max(0, copyRight - composed.left) * std::size_t{4};
    for (int row = composed.top; row < composed.bottom; ++row) {
        const bool covered = row >= top && row < bottom && from < to;
        const std::uint32_t* s = covered ? source.Row(row - y) + (from - x) : nullptr;
        std::uint32_t* t = target.Row(row);
        ComposeSpan(t, composed.left, composed.right, s, covered ? from : composed.left,
                    covered ? to : composed.left);
        if (row < copyBottom && copyBytes)
            std::memcpy(copy->Row(row) + composed.left, t + composed.left, copyBytes);
    }
    return composed;
}
