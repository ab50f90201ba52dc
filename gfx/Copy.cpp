// Block copies between surfaces and the PixelBlock of a whole target.
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include "gfx/Target.h"
#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "pixels are kept as the bytes blue, green, red, 0");

namespace {

// t := t AND s over one row. Four pixels at a time as one 128-bit value: the compiler
// cannot prove that t and s do not overlap, so it would not widen the plain loop itself.
void AndRow(std::uint32_t* t, const std::uint32_t* s, int width) {
    using Four = std::uint32_t __attribute__((vector_size(16)));
    int i = 0;
    for (; i + 4 <= width; i += 4) {
        Four a, b;
        std::memcpy(&a, t + i, sizeof a);
        std::memcpy(&b, s + i, sizeof b);
        a &= b;
        std::memcpy(t + i, &a, sizeof a);
    }
    for (; i < width; ++i) t[i] &= s[i];
}

// Combines the source rectangle starting at (sx, sy) into the target rectangle `to`
// (already clipped to both surfaces), row by row.
void Blend(Surface& target, const Rect& to, const Surface& source, int sx, int sy, MixMode mode) {
    const int width = to.right - to.left;
    for (int y = to.top; y < to.bottom; ++y) {
        std::uint32_t* t = target.Row(y) + to.left;
        const std::uint32_t* s = source.Row(sy + (y - to.top)) + sx;
        if (mode == MixMode::Copy)
            std::memcpy(t, s, static_cast<std::size_t>(width) * 4);
        else
            AndRow(t, s, width);
    }
}

// A surface copied onto itself at an offset would read rows it has already written:
// work from a snapshot of the source part. Only this rare case allocates.
void BlendFromSelf(Surface& target, const Rect& to, int sx, int sy, MixMode mode) {
    Surface snapshot(to.right - to.left, to.bottom - to.top);
    if (!snapshot.Pixels()) return;
    for (int y = 0; y < snapshot.Height(); ++y)
        std::memcpy(snapshot.Row(y), target.Row(sy + y) + sx,
                    static_cast<std::size_t>(snapshot.Width()) * 4);
    Blend(target, to, snapshot, 0, 0, mode);
}

} // namespace

void CopySurface(SurfaceHandle source) {
    Surface* target = CurrentTarget.surface;
    const Surface* from = SurfaceFromHandle(source);
    if (!target || !from) return;
    if (from != target) {
        Rect to = ClipTo(*target, Bounds(*from));
        Blend(*target, to, *from, 0, 0, MixMode::Copy);
    }
    NoteDrawn(Bounds(*target));
}

// Only the overlap of the placed source and the target is touched.
void CopySurfaceAt(SurfaceHandle source, int x, int y, MixMode mode) {
    Surface* target = CurrentTarget.surface;
    const Surface* from = SurfaceFromHandle(source);
    if (!target || !from) return;
    // 64-bit arithmetic: a placement near the int limits must not wrap around.
    long long left = std::max<long long>(x, 0), top = std::max<long long>(y, 0);
    long long right =
        std::min<long long>(static_cast<long long>(x) + from->Width(), target->Width());
    long long bottom =
        std::min<long long>(static_cast<long long>(y) + from->Height(), target->Height());
    if (left < right && top < bottom) {
        Rect to{int(left), int(top), int(right), int(bottom)};
        int sx = int(left - x), sy = int(top - y);
        if (from == target)
            BlendFromSelf(*target, to, sx, sy, mode);
        else
            Blend(*target, to, *from, sx, sy, mode);
    }
    NoteDrawn(Bounds(*target));
}

std::vector<std::uint8_t> ReadAllPixels() {
    const Surface* s = CurrentTarget.surface;
    if (!s) return {};
    std::vector<std::uint8_t> block(8 + s->ByteCount());
    std::int32_t size[2] = {s->Width(), s->Height()};
    std::memcpy(block.data(), size, 8);
    if (s->ByteCount()) std::memcpy(block.data() + 8, s->Pixels(), s->ByteCount());
    return block;
}
