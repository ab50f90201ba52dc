#pragma once
// Rectangle arithmetic shared by the drawing operations. Rectangles are in the pixels of
// one target, right and bottom exclusive.
#include "gfx/Surface.h"
#include <algorithm>

inline Rect Intersect(const Rect& a, const Rect& b) {
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The bounding box of both; an empty rectangle adds nothing.
inline Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

inline Rect Bounds(const Surface& surface) { return Rect{0, 0, surface.Width(), surface.Height()}; }

inline Rect ClipTo(const Surface& surface, const Rect& r) { return Intersect(r, Bounds(surface)); }
