#pragma once
// The drawing layer. Every operation acts on the CurrentTarget: one off-screen surface or
// one canvas control, chosen with SelectTarget. With no current target every operation
// does nothing and GetSurfaceSize answers (0, 0). No operation reports an error.
#include "base/Colour.h"
#include "base/Handles.h"
#include "base/Rect.h"
#include "gfx/Surface.h"
#include <cstdint>
#include <vector>

// Opaque, non-zero for a surface; 0 names none.
using SurfaceHandle = std::uintptr_t;

// How CopySurfaceAt combines a source pixel s with a target pixel t: t := s, or
// t := t AND s bit by bit (the platform's SRCCOPY and SRCAND).
enum class MixMode { Copy, And };

SurfaceHandle CreateSurface(int width, int height); // 0 on failure; target unchanged
void DestroySurface();                              // only when the target is a surface
void SelectTarget(SurfaceHandle surface);
void SelectTarget(WindowHandle window, int controlId, bool buffered);
void ReleaseTarget();
void SetColours(Colour fore, Colour back);
void ClearTarget(Colour colour);
void SetPenWidth(int width);
Colour ReadPixel(int x, int y);
void WritePixel(int x, int y, Colour colour);
void DrawBox(int x1, int y1, int x2, int y2, Colour border, Colour fill);
void CopySurface(SurfaceHandle source);
void CopySurfaceAt(SurfaceHandle source, int x, int y, MixMode mode);
void Refresh();
// Shows `area` of a canvas control (and what else waits to be shown) at once.
void Refresh(const Rect& area);
// Moves the target's pixels by (dx, dy) as ScrollSurface does; on a canvas control the
// screen moves with them, and the uncovered band is for the caller to draw and show.
void ScrollTarget(int dx, int dy);
void GetSurfaceSize(int& width, int& height);
void GetPosition(int& x, int& y);
void SetPosition(int x, int y);

// PixelBlock: width and height as little-endian signed 32-bit values, then the pixels,
// top row first, each as the bytes blue, green, red, 0.
std::vector<std::uint8_t> ReadAllPixels();

// The drawing context stands for what only the platform offers on a target: text
// justification. It gives no access to the target's pixels.
class DrawingContext {
    Surface* target_ = nullptr; // none when there was no current target
    friend DrawingContext GetDrawingContext();
    friend void SetTextJustification(DrawingContext context, int extra, int blanks);
};
DrawingContext GetDrawingContext();
// Spread `extra` pixels over the `blanks` blanks of the next DrawText; (0, 0) resets.
void SetTextJustification(DrawingContext context, int extra, int blanks);

// The surface behind a handle, for code that works on a whole surface at once (the
// codecs, the grid build); an empty 0 x 0 surface when the handle names none.
Surface& SurfaceOf(SurfaceHandle handle);

// The drawing operations on a given surface, for code that holds the surface it draws on.
// They neither need nor change the current target and know nothing of canvas controls:
// each returns the rectangle it drew in (empty when it drew nothing), which the forms
// above add to a canvas control's changed rectangle.
Rect ClearTarget(Surface& target, Colour colour);
Colour ReadPixel(const Surface& source, int x, int y);
Rect WritePixel(Surface& target, int x, int y, Colour colour);
Rect DrawBox(Surface& target, int x1, int y1, int x2, int y2, Colour border, Colour fill);
Rect CopySurface(Surface& target, const Surface& source);
Rect CopySurfaceAt(Surface& target, const Surface& source, int x, int y, MixMode mode);
std::vector<std::uint8_t> ReadAllPixels(const Surface& source);
// The pixels of ClearTarget(target, White), CopySurfaceAt(target, source, x, y, And) and,
// when copy is given, CopySurface(*copy, target), made in one pass over the target's rows:
// white where the source does not lie, the source's pixels (ANDed with white) where it
// does, each row written once to the target and once to copy. Like the clear, it leaves
// the target's position at (0, 0). What it draws on copy is recorded nowhere: a canvas
// control's surface given as copy shows it at the control's next Refresh.
Rect ComposeOnWhite(Surface& target, const Surface& source, int x, int y, Surface* copy);
// The same within `area` of the target only (and the same area of copy); the rest of both
// keeps its pixels. Returns the area clipped to the target.
Rect ComposeOnWhite(Surface& target, const Surface& source, int x, int y, Surface* copy,
                    const Rect& area);
// Moves the target's pixels by (dx, dy) within it: what moves past an edge is lost, and
// the band uncovered at the other edge keeps its old pixels, for the caller to draw.
// Returns where the moved pixels now lie (empty when none stayed on the target).
Rect ScrollSurface(Surface& target, int dx, int dy);
// The same within the block `area` of any 32-bit pixel buffer whose rows lie `stride`
// pixels apart (a window's own image of its pixels, say); `area` must lie inside it.
Rect ScrollBlock(std::uint32_t* pixels, std::size_t stride, const Rect& area, int dx, int dy);
