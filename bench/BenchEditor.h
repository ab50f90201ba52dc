#pragma once
// The editor the benchmarks share: the largest picture, on a window that is never shown,
// and the block stroke that paint steps are made of.
#include "base/Colour.h"
#include "base/Handles.h"
#include "state/State.h"

constexpr int Side = MaxImageSide;
// The view's top-left at paper (3000, 3000): every composition copies a full view.
constexpr int InsideLeft = -3000, InsideTop = -3000;
constexpr int StrokeSide = 50; // cells of the block strokes of undo, redo and recovery, each way

// The editor as the main window's initialisation leaves it, the view inside the paper;
// made once and shared by every benchmark.
void OpenSharedEditor();
WindowHandle Canvas();

// One stroke of a columns x rows block in the colour: a left press and release with the
// block tool at view (500, 400) of the canvas.
void BlockStroke(WindowHandle canvas, int columns, int rows, Colour colour);

// Red and green in turn, so that every step changes the cells.
Colour Alternate(bool& red);
