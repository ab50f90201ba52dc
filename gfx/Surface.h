#pragma once
// A raster surface: one contiguous block of 32-bit pixels owned by the surface, kept in
// memory as the bytes blue, green, red, 0 (the PixelBlock order), top row first.
#include "base/Colour.h"
#include "gfx/Font.h"
#include <cstdint>
#include <memory>

struct DrawingState {
    Colour foreground = SystemWindowText;
    Colour background = SystemButtonFace;
    bool transparentBackground = false;
    int penWidth = 0;
    int x = 0, y = 0;          // current position
    FontHandle font = nullptr; // nullptr: the default 8-point font
    int justifyExtra = 0;      // text justification: extra pixels spread over the blanks
    int justifyBlanks = 0;     // of the next DrawText (0: none)
};

class Surface {
  public:
    // Pixels are left uninitialised (untouched memory) until the surface is cleared.
    Surface(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t* Row(int y) { return Pixels() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.get() + static_cast<std::size_t>(y) * width_;
    }
    std::uint32_t* Pixels() {
        stamp_ = ++lastStamp_;
        return pixels_.get();
    }
    const std::uint32_t* Pixels() const { return pixels_.get(); }
    // Taken anew, from one count for all surfaces, whenever the pixels are handed out to
    // be changed: while a surface's stamp stays the same its pixels have not changed, and
    // no other surface ever has that stamp.
    std::uint64_t Stamp() const { return stamp_; }
    std::size_t ByteCount() const { return static_cast<std::size_t>(width_) * height_ * 4; }

    DrawingState state;

  private:
    int width_, height_;
    std::unique_ptr<std::uint32_t[]> pixels_;
    std::uint64_t stamp_ = ++lastStamp_;
    static inline std::uint64_t lastStamp_ = 0;
};
