#pragma once
// Laying a decoded picture onto a surface's memory.
#include "gfx/Surface.h"
#include <QImage>

// Writes image into surface, whose size it must have, pixel for pixel: each pixel blended
// onto white by its opacity, stored as 0x00RRGGBB (the fourth byte stays 0).
void BlendOntoWhite(const QImage& image, Surface& surface);
