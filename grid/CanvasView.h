#pragma once
// The canvas control that shows the 1200 x 950 view of the paper, and its message handler.
#include "base/Handles.h"

void CreateCanvas(WindowHandle owner);
// Recomposes the view from the paper at PaperPlacement and shows it on the canvas.
void RefreshView();
LRESULT CanvasProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam);

// How many times the view has been composed since the program started (every pan step
// and every paint step composes it once).
unsigned long ViewCompositions();
