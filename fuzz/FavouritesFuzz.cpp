// "Mis Colores.log" of any bytes, loaded and painted on the palette surface as the
// favourites dialog does. Properties: every record lands in its own slot (later ones win,
// slots outside the table are skipped), and the painted palette equals the same boxes
// drawn by plain loops in 64-bit arithmetic, clipped pixel by pixel.
#include "fuzz/FuzzSupport.h"
#include "gfx/Drawing.h"
#include "palette/FavouritesStore.h"
#include "palette/PalettePainting.h"
#include "platform/Program.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

FavouriteTable Expected(const std::uint8_t* data, std::size_t size) {
    FavouriteTable table{};
    for (std::size_t at = 0; at + FavouriteRecordSize <= size; at += FavouriteRecordSize) {
        std::int32_t edges[4];
        std::int16_t place[2];
        std::uint32_t colour;
        std::memcpy(edges, data + at, 16); // the machine is little-endian, as the file
        std::memcpy(place, data + at + 16, 4);
        std::memcpy(&colour, data + at + 20, 4);
        if (place[0] < 0 || place[0] >= FavouriteTableSize || place[1] < 0 ||
            place[1] >= FavouriteTableSize)
            continue;
        table[place[0]][place[1]] = {edges[0], edges[1], edges[2], edges[3],
                                     place[0], place[1], colour};
    }
    return table;
}

// One swatch box as DrawBox defines it for pen width 1: corners ordered, right and bottom
// exclusive, the outermost ring black, the inside the fill (-1: the ring's colour, -2:
// left as it was, else its low 24 bits).
void DrawReferenceSwatch(std::vector<std::uint32_t>& pixels, const FavouriteSwatch& s) {
    std::int64_t x1 = std::int64_t{s.left} + SwatchInset, x2 = s.right;
    std::int64_t y1 = std::int64_t{s.top} + SwatchInset, y2 = s.bottom;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    for (std::int64_t y = std::max<std::int64_t>(y1, 0);
         y < std::min<std::int64_t>(y2, PaletteSurfaceHeight); ++y)
        for (std::int64_t x = std::max<std::int64_t>(x1, 0);
             x < std::min<std::int64_t>(x2, PaletteSurfaceWidth); ++x) {
            std::uint32_t& pixel = pixels[y * PaletteSurfaceWidth + x];
            bool ring = x == x1 || x == x2 - 1 || y == y1 || y == y2 - 1;
            if (ring || s.colour == ColourDefault)
                pixel = PixelFromColour(Black);
            else if (s.colour != ColourTransparent)
                pixel = PixelFromColour(s.colour & 0xFFFFFF);
        }
}

std::string Describe(const FavouriteSwatch& s) {
    return std::to_string(s.column) + "," + std::to_string(s.row) + ": " + std::to_string(s.left) +
           " " + std::to_string(s.right) + " " + std::to_string(s.top) + " " +
           std::to_string(s.bottom);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started =
        ((SetExecutableFolderForTesting(FuzzFolder()), SetProgramFolder()), true);
    (void)started;
    WriteFileBytes(FavouritesFilePath(), data, size);
    FUZZ_CHECK(FavouritesFileExists());
    LoadFavourites();
    const auto expected = std::make_unique<FavouriteTable>(Expected(data, size));
    for (int c = 0; c < FavouriteTableSize; ++c)
        for (int r = 0; r < FavouriteTableSize; ++r)
            FUZZ_CHECK(FavouritePalette[c][r] == (*expected)[c][r],
                       "slot " + std::to_string(c) + "," + std::to_string(r));

    ReplacePaletteSurface();
    const Surface* surface = &SurfaceOf(PaletteSurface);
    FUZZ_CHECK(surface && surface->Width() == PaletteSurfaceWidth &&
               surface->Height() == PaletteSurfaceHeight);
    std::vector<std::uint32_t> reference(PaletteSurfaceWidth * PaletteSurfaceHeight,
                                         PixelFromColour(White));
    for (int r = 0; r < PaletteRows; ++r)
        for (int c = 0; c < PaletteColumns; ++c)
            DrawReferenceSwatch(reference, FavouritePalette[c][r]);
    for (int y = 0; y < PaletteSurfaceHeight; ++y)
        if (std::memcmp(surface->Row(y), reference.data() + y * PaletteSurfaceWidth,
                        PaletteSurfaceWidth * 4) != 0) {
            std::string slots;
            for (int r = 0; r < PaletteRows; ++r)
                for (int c = 0; c < PaletteColumns; ++c)
                    if (!(FavouritePalette[c][r] == FavouriteSwatch{}))
                        slots += Describe(FavouritePalette[c][r]) + "\n";
            PropertyFailed("the palette differs from the reference drawing",
                           "first at row " + std::to_string(y) + "\n" + slots);
        }
    DestroyPaletteSurface();
    ReleaseTarget();
    return 0;
}
