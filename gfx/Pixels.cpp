// Filling, single pixels and boxes, on a given surface and on the current target. Each
// operation clips once and then runs over rows: DrawBox and ReadPixel are called once per image
// pixel when the grid is built.
#include "gfx/Drawing.h"
#include "gfx/RectOps.h"
#include "gfx/Target.h"
#include <algorithm>

namespace {

// Box corners and pen widths beyond this are clamped, so that widening a box cannot
// overflow; no surface comes near it.
constexpr int CoordinateLimit = 1 << 28;

int Clamp(int v) { return std::clamp(v, -CoordinateLimit, CoordinateLimit); }

// Pixels of a box: the border, and the fill unless the inside is left as it was.
struct BoxPaint {
    std::uint32_t border, fill;
    bool paintFill;
};

// The common case: a thin pen and a box that lies wholly on the surface, at least one
// pixel each way. Rows are written directly, without clipping. Width is a template
// argument for the grid's 8-pixel boxes, so that their rows become a few stores.
template <int FixedWidth>
void UnclippedBox(Surface& s, int x1, int y1, int x2, int y2, const BoxPaint& paint) {
    const int width = FixedWidth ? FixedWidth : x2 - x1;
    std::fill_n(s.Row(y1) + x1, width, paint.border);
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        std::uint32_t* row = s.Row(y) + x1;
        row[0] = paint.border;
        row[width - 1] = paint.border;
        if (paint.paintFill && width > 2) std::fill_n(row + 1, width - 2, paint.fill);
    }
    if (y2 - y1 > 1) std::fill_n(s.Row(y2 - 1) + x1, width, paint.border);
}

// Any pen width, any placement: the ring is `pen` pixels thick, centred on the outermost
// ring of the covered area `outer`; `clip` is the part of `outer` on the surface, never
// empty.
void ClippedBox(Surface& s, const Rect& outer, const Rect& clip, int pen, const BoxPaint& paint) {
    Rect inner{outer.left + pen, outer.top + pen, outer.right - pen, outer.bottom - pen};
    for (int y = clip.top; y < clip.bottom; ++y) {
        std::uint32_t* row = s.Row(y);
        bool ringRow = y < inner.top || y >= inner.bottom || inner.left >= inner.right;
        int a = ringRow ? clip.right : std::clamp(inner.left, clip.left, clip.right);
        int b = ringRow ? clip.right : std::clamp(inner.right, a, clip.right);
        std::fill(row + clip.left, row + a, paint.border);
        if (paint.paintFill) std::fill(row + a, row + b, paint.fill);
        std::fill(row + b, row + clip.right, paint.border);
    }
}

} // namespace

Rect ClearTarget(Surface& s, Colour colour) {
    s.state.x = 0;
    s.state.y = 0;
    if (colour == ColourDefault) {
        if (s.state.transparentBackground) return Rect{};
        colour = s.state.background;
    } else if (colour == ColourTransparent) {
        return Rect{};
    }
    std::fill_n(s.Pixels(), static_cast<std::size_t>(s.Width()) * s.Height(),
                PixelFromColour(colour));
    return Bounds(s);
}

Colour ReadPixel(const Surface& s, int x, int y) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(s.Width()) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(s.Height()))
        return NoColour;
    return ColourFromPixel(s.Row(y)[x]);
}

Rect WritePixel(Surface& s, int x, int y, Colour colour) {
    s.state.x = x;
    s.state.y = y;
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(s.Width()) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(s.Height()))
        return Rect{};
    if (colour == ColourDefault) colour = s.state.foreground;
    s.Row(y)[x] = PixelFromColour(colour);
    return Rect{x, y, x + 1, y + 1};
}

// Covers x1 <= x < x2, y1 <= y < y2 after ordering the corners. The pen is centred on the
// outermost ring of that area, so a pen of width 0 or 1 draws exactly that ring and a
// wider pen spreads half its width outside the area.
Rect DrawBox(Surface& s, int x1, int y1, int x2, int y2, Colour border, Colour fill) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return Rect{};
    x1 = Clamp(x1), y1 = Clamp(y1), x2 = Clamp(x2), y2 = Clamp(y2);

    const DrawingState& state = s.state;
    Colour borderColour = border == ColourDefault ? state.foreground : border & 0xFFFFFF;
    Colour fillColour = fill == ColourDefault ? borderColour : fill & 0xFFFFFF;
    BoxPaint paint{PixelFromColour(borderColour), PixelFromColour(fillColour),
                   fill != ColourTransparent};
    int pen = std::clamp(state.penWidth, 1, CoordinateLimit);
    const int half = pen / 2;
    const Rect outer{x1 - half, y1 - half, x2 - 1 - half + pen, y2 - 1 - half + pen};
    const Rect clip = ClipTo(s, outer);
    if (clip.Empty()) return Rect{}; // wholly off the surface: nothing is drawn, nothing changes
    if (pen == 1 && x1 >= 0 && y1 >= 0 && x2 <= s.Width() && y2 <= s.Height()) {
        if (x2 - x1 == 8)
            UnclippedBox<8>(s, x1, y1, x2, y2, paint);
        else
            UnclippedBox<0>(s, x1, y1, x2, y2, paint);
    } else {
        ClippedBox(s, outer, clip, pen, paint);
    }
    return Rect{x1 - half - 1, y1 - half - 1, x2 + half + 1, y2 + half + 1};
}

// The same on the current target, which records what they drew.

void ClearTarget(Colour colour) {
    if (Surface* s = CurrentTarget.surface) NoteDrawn(ClearTarget(*s, colour));
}

Colour ReadPixel(int x, int y) {
    return CurrentTarget.surface ? ReadPixel(*CurrentTarget.surface, x, y) : NoColour;
}

void WritePixel(int x, int y, Colour colour) {
    if (Surface* s = CurrentTarget.surface) NoteDrawn(WritePixel(*s, x, y, colour));
}

void DrawBox(int x1, int y1, int x2, int y2, Colour border, Colour fill) {
    if (Surface* s = CurrentTarget.surface) NoteDrawn(DrawBox(*s, x1, y1, x2, y2, border, fill));
}
