// Moving a surface's pixels within it, on a given surface and on the current target; a
// canvas control's screen moves with its surface.
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include "gfx/Target.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>

Rect ScrollSurface(Surface& target, int dx, int dy) {
    return ScrollBlock(target.Pixels(), static_cast<std::size_t>(target.Width()), Bounds(target),
                       dx, dy);
}

Rect ScrollBlock(std::uint32_t* pixels, std::size_t stride, const Rect& area, int dx, int dy) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    // 64-bit: a step near the int limits must not wrap around.
    if (std::llabs(dx) >= width || std::llabs(dy) >= height) return Rect{};
    const Rect to{area.left + std::max(0, dx), area.top + std::max(0, dy),
                  area.right + std::min(0, dx), area.bottom + std::min(0, dy)};
    const std::size_t bytes = static_cast<std::size_t>(to.right - to.left) * 4;
    // Rows moving down are taken from the bottom up, so that none is read after it is
    // written; within a row, memmove copes with the overlap.
    const int first = dy > 0 ? to.bottom - 1 : to.top, last = dy > 0 ? to.top - 1 : to.bottom;
    const int step = dy > 0 ? -1 : 1;
    for (int row = first; row != last; row += step)
        std::memmove(pixels + static_cast<std::size_t>(row) * stride + to.left,
                     pixels + static_cast<std::size_t>(row - dy) * stride + (to.left - dx), bytes);
    return to;
}

void ScrollTarget(int dx, int dy) {
    Surface* surface = CurrentTarget.surface;
    if (!surface) return;
    const Rect moved = ScrollSurface(*surface, dx, dy);
    CanvasRecord* canvas = CurrentTarget.canvas;
    if (!canvas) return;
    // What waits to be shown moves with the pixels; the screen moves too when the window
    // layer can move it, or shows the moved pixels again.
    canvas->changed = ClipTo(*surface, Offset(canvas->changed, dx, dy));
    if (canvas->scroll && !moved.Empty())
        canvas->scroll(dx, dy);
    else
        GrowChanged(*canvas, moved);
}
