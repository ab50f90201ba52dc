#pragma once
// Whether the picture has edits that no file holds: whether its cells differ from the
// colours they had when it was loaded or last saved. Undoing back to those colours makes
// it clean again. Exact and cheap: a count of the cells that differ, kept up to date with
// every change.
#include "base/Colour.h"
#include <vector>

// The picture as loaded: columns x rows colours, row by row (the grid's build).
void StartSavedPicture(std::vector<Colour> colours, int columns, int rows);
// From RepaintCell only: grid cell (column, row) changed from before to after (they differ).
void NoteCellChange(int column, int row, Colour before, Colour after);
bool HasUnsavedEdits();
// The colours as loaded or last saved, row by row.
const std::vector<Colour>& SavedColours();
// The picture's colours now, row by row: what a save about to start writes.
std::vector<Colour> PictureColours();
// The picture was written to a file with these colours (PictureColours just before the
// save); cells changed since then still count as unsaved.
void MarkPictureSaved(std::vector<Colour> written);
