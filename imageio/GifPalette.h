#pragma once
// Turning 24-bit pixels into the at most 256 palette entries that a GIF can hold.
#include <cstddef>
#include <cstdint>
#include <vector>

struct IndexedPicture {
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, at most 256 entries
    std::vector<std::uint8_t> indices;  // one per pixel, rows top first
};

// Pixels are 0x??RRGGBB (the top byte is ignored), rows `stride` pixels apart. A picture
// of at most 256 colours gets exactly its colours, so every pixel keeps its value;
// any other is reduced to a fixed 6 x 7 x 6 colour cube with Floyd-Steinberg error
// diffusion, so smooth areas keep their average shade.
IndexedPicture IndexColours(const std::uint32_t* pixels, int width, int height,
                            std::ptrdiff_t stride);
