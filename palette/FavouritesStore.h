#pragma once
// The favourite colours palette in memory and its file "Mis Colores.log" beside the
// program. Only the 13 x 10 shown slots are drawn, edited and saved; the rest of the
// 51 x 51 table is room for what a file may hold.
#include "gfx/Colour.h"
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Palette geometry, in pixels of the palette picture.
constexpr int PaletteColumns = 13;
constexpr int PaletteRows = 10;
constexpr int SwatchPitch = 25;   // cell width and height, and the hit-test divisor
constexpr int PaletteOriginX = 1; // top-left corner of cell (0, 0)
constexpr int PaletteOriginY = 1;
constexpr int SwatchInset = 3;         // from a cell's left and top edge to its drawn box
constexpr int OutlineWidth = 1;        // pen width of the swatch outlines
constexpr int FavouriteTableSize = 51; // columns and rows 0..50 fit the table

// One slot; the field order is also the record layout of the file.
struct FavouriteSwatch {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0; // cell edges, palette pixels
    std::int16_t column = 0, row = 0;
    Colour colour = 0;
    bool operator==(const FavouriteSwatch&) const = default;
};

// Indexed [column][row].
using FavouriteTable =
    std::array<std::array<FavouriteSwatch, FavouriteTableSize>, FavouriteTableSize>;
extern FavouriteTable FavouritePalette;

// The folder of the running executable, ending with "/"; recomputed by SetProgramFolder.
// It is never cut short, so the file always lands beside the executable.
extern std::string ProgramFolder;
void SetProgramFolder();
// Tests point the store at a folder of their own; "" goes back to the executable's.
void SetProgramFolderForTesting(const std::string& folder);

constexpr const char* FavouritesFileName = "Mis Colores.log";
// A save writes here first and renames it over the favourites file once complete.
std::string FavouritesFilePath();

// The table anew with every field of every slot zero.
void ClearFavourites();
// The default palette: columns x rows white swatches, cell (c, r) spanning
// (c * 25 + originX .. (c + 1) * 25 + originX) x (r * 25 + originY .. (r + 1) * 25 + originY).
void BuildDefaultFavourites(int columns, int rows, int originX, int originY);

// File records: 24 bytes, little-endian, fields in the struct's order.
constexpr int FavouriteRecordSize = 24;
void AppendFavourite(std::vector<std::uint8_t>& records, const FavouriteSwatch& swatch);
FavouriteSwatch DecodeFavourite(const std::uint8_t* record);

// True when something of the favourites file's name exists (a folder counts too).
bool FavouritesFileExists();
// The table from the file: each record into its own (column, row); later records win;
// records outside the table and a trailing partial record are skipped. A file that
// cannot be read leaves the table all zero.
void LoadFavourites();
// Writes the 130 shown slots, row by row, to a temporary file and renames it over the
// favourites file, so the old file survives any failure. A failure shows one message
// ("Err:  52 Bad file name or number" and the like) and answers false.
bool SaveFavourites();
// Deletes the favourites file whatever its permission bits; every failure is ignored.
void RemoveFavouritesFile();

// The error number and text shown for a failed save, from the system's error code.
int FileErrorNumber(int systemError);
std::string FileErrorText(int number);
