#pragma once
// Opening the editor on a window. The main window's initialisation opens it this way, and
// so do the benchmarks and the tests, so that they measure and check what the program
// really does.
#include "base/Handles.h"

// For the picture in ImageBitmap (ImageWidth x ImageHeight), in this order: the capture
// tool on the right button; PaperBitmap and ViewBitmap white; the paper at the view's
// origin; the canvas control on window; the grid built and painted on the paper, with the
// cells of a recovered picture when one was accepted (grid/Recovery.h); the first view
// composed; CurrentColour white and no stroke under way. window becomes MainWindow.
// A paper or view already there at its size is kept and cleared rather than made anew (a
// test opening the editor again); without a window there is no canvas and the view is
// composed off-screen only.
void OpenEditor(WindowHandle window);
