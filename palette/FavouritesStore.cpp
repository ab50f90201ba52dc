#include "palette/FavouritesStore.h"
#include "platform/FilesFolder.h"

FavouriteTable FavouritePalette{};
std::string ProgramFolder;

void SetProgramFolder() {
    ProgramFolder = FilesFolder();
    if (!ProgramFolder.empty() && ProgramFolder.back() != '/') ProgramFolder += '/';
}

std::string FavouritesFilePath() { return ProgramFolder + FavouritesFileName; }

void ClearFavourites() { FavouritePalette = FavouriteTable{}; }

void BuildDefaultFavourites(int columns, int rows, int originX, int originY) {
    ClearFavourites();
    for (int r = 0; r < rows && r < FavouriteTableSize; ++r)
        for (int c = 0; c < columns && c < FavouriteTableSize; ++c) {
            FavouriteSwatch& slot = FavouritePalette[c][r];
            slot.left = c * SwatchPitch + originX;
            slot.right = (c + 1) * SwatchPitch + originX;
            slot.top = r * SwatchPitch + originY;
            slot.bottom = (r + 1) * SwatchPitch + originY;
            slot.column = static_cast<std::int16_t>(c);
            slot.row = static_cast<std::int16_t>(r);
            slot.colour = White;
        }
}
