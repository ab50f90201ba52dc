#include "gfx/Surface.h"
#include <new>

// The pixel block is allocated without initialisation: a 7500 x 7500 paper costs memory
// only once it is cleared. A failed allocation leaves Pixels() null; CreateSurface then
// refuses the surface. A side that is not positive makes an empty 0 x 0 surface.
Surface::Surface(int width, int height) : width_(0), height_(0) {
    if (width <= 0 || height <= 0) return;
    std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    pixels_.reset(new (std::nothrow) std::uint32_t[count]);
    if (!pixels_) return;
    width_ = width;
    height_ = height;
}
