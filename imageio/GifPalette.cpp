#include "imageio/GifPalette.h"
#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace {

constexpr std::uint32_t RgbMask = 0xFFFFFF;
constexpr std::size_t MaxColours = 256;
constexpr std::array<int, 3> CubeLevels = {6, 7, 6}; // red, green, blue; 252 entries

// The exact palette, or nothing when the picture has more than MaxColours colours.
std::optional<IndexedPicture> ExactPalette(const std::uint32_t* pixels, int width, int height,
                                           std::ptrdiff_t stride) {
    IndexedPicture picture;
    picture.indices.resize(static_cast<std::size_t>(width) * height);
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::uint32_t last = ~0u; // runs of one colour skip the lookup
    std::uint8_t lastIndex = 0;
    std::uint8_t* out = picture.indices.data();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + y * stride;
        for (int x = 0; x < width; ++x, ++out) {
            std::uint32_t colour = row[x] & RgbMask;
            if (colour != last) {
                auto [entry, added] = indexOf.try_emplace(colour, picture.palette.size() & 0xFF);
                if (added) {
                    if (picture.palette.size() == MaxColours) return std::nullopt;
                    picture.palette.push_back(colour);
                }
                last = colour;
                lastIndex = entry->second;
            }
            *out = lastIndex;
        }
    }
    return picture;
}

// The cube level nearest to value (0..255) among `levels` evenly spaced ones.
int NearestLevel(int value, int levels) { return (value * (levels - 1) + 127) / 255; }
int LevelValue(int level, int levels) { return level * 255 / (levels - 1); }

std::vector<std::uint32_t> CubePalette() {
    std::vector<std::uint32_t> palette;
    for (int r = 0; r < CubeLevels[0]; ++r)
        for (int g = 0; g < CubeLevels[1]; ++g)
            for (int b = 0; b < CubeLevels[2]; ++b)
                palette.push_back(std::uint32_t(LevelValue(r, CubeLevels[0])) << 16 |
                                  std::uint32_t(LevelValue(g, CubeLevels[1])) << 8 |
                                  std::uint32_t(LevelValue(b, CubeLevels[2])));
    return palette;
}

// Rounds to the nearest whole value, halves away from zero, so errors carry no bias.
int FromSixteenths(int value) { return value >= 0 ? (value + 8) / 16 : -((8 - value) / 16); }

int ChannelOf(std::uint32_t pixel, int channel) { return (pixel >> (16 - 8 * channel)) & 0xFF; }

// Floyd-Steinberg: each pixel's error goes 7/16 right, 3/16 down-left, 5/16 down and
// 1/16 down-right. Errors are kept in sixteenths per channel, two rows at a time, with
// one spare column on each side.
IndexedPicture DiffuseToCube(const std::uint32_t* pixels, int width, int height,
                             std::ptrdiff_t stride) {
    IndexedPicture picture{CubePalette(), {}};
    picture.indices.resize(static_cast<std::size_t>(width) * height);
    std::vector<std::array<int, 3>> current(width + 2), next(width + 2);
    std::uint8_t* out = picture.indices.data();
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), std::array<int, 3>{});
        const std::uint32_t* row = pixels + y * stride;
        for (int x = 0; x < width; ++x) {
            int index = 0;
            for (int c = 0; c < 3; ++c) {
                int wanted =
                    std::clamp(ChannelOf(row[x], c) + FromSixteenths(current[x + 1][c]), 0, 255);
                int level = NearestLevel(wanted, CubeLevels[c]);
                int error = wanted - LevelValue(level, CubeLevels[c]);
                current[x + 2][c] += error * 7;
                next[x][c] += error * 3;
                next[x + 1][c] += error * 5;
                next[x + 2][c] += error;
                index = index * CubeLevels[c] + level;
            }
            *out++ = static_cast<std::uint8_t>(index);
        }
        std::swap(current, next);
    }
    return picture;
}

} // namespace

IndexedPicture IndexColours(const std::uint32_t* pixels, int width, int height,
                            std::ptrdiff_t stride) {
    if (auto exact = ExactPalette(pixels, width, height, stride)) return std::move(*exact);
    return DiffuseToCube(pixels, width, height, stride);
}
