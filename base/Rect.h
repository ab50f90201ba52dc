#pragma once
// Rectangles of whole pixels in the pixels of one surface or control, right and bottom
// exclusive, and their arithmetic.
#include <algorithm>

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    bool Empty() const { return right <= left || bottom <= top; }
};

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

// The same rectangle moved by (dx, dy).
inline Rect Offset(const Rect& r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
