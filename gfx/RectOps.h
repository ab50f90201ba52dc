#pragma once
// A surface's own rectangle, and clipping to it.
#include "base/Rect.h"
#include "gfx/Surface.h"

inline Rect Bounds(const Surface& surface) { return Rect{0, 0, surface.Width(), surface.Height()}; }

inline Rect ClipTo(const Surface& surface, const Rect& r) { return Intersect(r, Bounds(surface)); }
