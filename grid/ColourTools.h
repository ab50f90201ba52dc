#pragma once
// The canvas's editing tools: painting cells with the left button in LeftButtonMode 1 to 4,
// capturing a colour or opening the favourites with the right button. Positions are view
// pixels.

bool IsPaintMode(int leftButtonMode); // 1 to 4

// One paint step for LeftButtonMode at the view position: the cell under the mouse, or
// the block hanging right and down from it, then one RefreshView. Nothing at all when
// the position shows no cell.
void PaintStep(int x, int y);

void StartPainting(int x, int y);    // left press in a paint mode
void ContinuePainting(int x, int y); // mouse move in a paint mode
void EndPainting();                  // left release in a paint mode

void RightButtonPress(int x, int y);
