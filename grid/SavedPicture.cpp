#include "grid/SavedPicture.h"
#include "grid/GridPaper.h"
#include "state/State.h"
#include <cstddef>

namespace {

std::vector<Colour> saved; // the colour each cell has in the file, row by row
int columns = 0, rows = 0;
std::size_t differing = 0; // cells whose colour now is not their saved colour

} // namespace

void StartSavedPicture(std::vector<Colour> colours, int newColumns, int newRows) {
    saved = std::move(colours);
    columns = newColumns;
    rows = newRows;
    differing = 0;
}

void NoteCellChange(int column, int row, Colour before, Colour after) {
    const Colour kept = saved[static_cast<std::size_t>(row) * columns + column];
    if (before == kept)
        ++differing; // and after differs from before
    else if (after == kept)
        --differing;
}

bool HasUnsavedEdits() { return differing != 0; }

const std::vector<Colour>& SavedColours() { return saved; }

std::vector<Colour> PictureColours() {
    return ReadImageColours(SurfaceOf(ImageBitmap), columns, rows);
}

void MarkPictureSaved(std::vector<Colour> written) {
    saved = std::move(written);
    const std::vector<Colour> now = PictureColours();
    differing = 0;
    for (std::size_t cell = 0; cell < now.size(); ++cell) differing += now[cell] != saved[cell];
}
