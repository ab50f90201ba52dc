#pragma once
// Moving the paper under the view: keys, the wheel, and dragging in MovePaper mode.
// Positions are view pixels. Every move ends with one UpdateView, which brings the view up to date.

// Virtual-key code of a key-down message.
void PanByKey(unsigned key);
// Signed wheel delta: negative (toward the user) moves the paper up.
void PanByWheel(int delta);

void StartDrag(int x, int y); // left press in MovePaper mode
void DragTo(int x, int y);    // mouse move in MovePaper mode
void EndDrag();               // left release, in any mode
