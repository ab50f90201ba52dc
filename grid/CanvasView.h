#pragma once
// The canvas control that shows the 1200 x 950 view of the paper, and its message handler.
#include "base/Handles.h"

void CreateCanvas(WindowHandle owner);
// Recomposes the view from the paper at PaperPlacement and shows it on the canvas.
void RefreshView();
// The same result with less work after a pan or after cells were repainted: when the
// paper only moved, what the view and the canvas show moves with it and only the bands
// uncovered are composed; when only cells changed, only their area is. Otherwise, or
// when anything else changed the paper, the view or the canvas, as RefreshView.
void UpdateView();
LRESULT CanvasProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam);

// How many times the view has been composed, whole or in part, since the program started
// (every pan step and every paint step brings it up to date once).
unsigned long ViewCompositions();
