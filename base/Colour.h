#pragma once
#include <cstdint>

// A colour value laid out 0x00BBGGRR: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour White = 0xFFFFFF;
constexpr Colour Black = 0x000000;
constexpr Colour Silver = 0xC0C0C0;

// What ReadPixel answers outside a surface; never a pixel.
constexpr Colour NoColour = 0xFFFFFFFF;

// Special colour arguments (-1, -2, -3); what each means depends on the operation.
constexpr Colour ColourDefault = 0xFFFFFFFF;     // -1
constexpr Colour ColourTransparent = 0xFFFFFFFE; // -2
constexpr Colour ColourUnchanged = 0xFFFFFFFD;   // -3

// The system colours the drawing state starts with.
constexpr Colour SystemWindowText = 0x000000;
constexpr Colour SystemButtonFace = 0xF0F0F0;

constexpr Colour MakeColour(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr unsigned RedOf(Colour c) { return c & 0xFF; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFF; }

// Surfaces keep pixels as the bytes blue, green, red, 0, that is the 32-bit value
// 0x00RRGGBB on a little-endian machine. Converting swaps red and blue.
constexpr std::uint32_t PixelFromColour(Colour c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr Colour ColourFromPixel(std::uint32_t p) { return PixelFromColour(p) & 0xFFFFFF; }
