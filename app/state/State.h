#pragma once
// What the program holds: every module-level value of the application, under its own
// name, alive for the whole run. The main window, the canvas and the dialogs all read and
// write these same values.
#include "gfx/Colour.h"
#include "gfx/Drawing.h"
#include "platform/Handles.h"
#include <cstdint>
#include <string>

constexpr int MaxImageSide = 1071;
constexpr int PaperSize = 7500; // the paper is PaperSize x PaperSize pixels
constexpr int ViewWidth = 1200; // the view and the canvas control
constexpr int ViewHeight = 950;
constexpr int CanvasControlId = 100;

// Left-button tools
constexpr int MovePaper = 0;
constexpr int EditCapturedColour = 1;
constexpr int EditRealColour = 2;
constexpr int EditCapturedColourMultiple = 3;
constexpr int EditRealColourMultiple = 4;
// Right-button tools
constexpr int CaptureColour = 1;
constexpr int FavouriteColours = 2;

// Where the paper lies under the view, in view pixels: view point (x, y) shows paper
// point (x - left, y - top).
struct Placement {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = PaperSize;
    std::int32_t height = PaperSize;
    std::int32_t dragging = 0;
};

extern std::string ImageFileName;
extern SurfaceHandle ImageBitmap;
extern std::int32_t ImageWidth, ImageHeight;
extern WindowHandle MainWindow;
extern MenuHandle MenuBar;
extern SurfaceHandle PaperBitmap; // 7500 x 7500
extern SurfaceHandle ViewBitmap;  // 1200 x 950
extern std::int32_t LeftButtonMode;
extern std::int32_t RightButtonMode;
extern Colour CurrentColour;
extern bool painting;
extern Placement PaperPlacement;
extern std::int16_t fillWidth, fillHeight;
extern bool configDialogOpen;
extern bool favouritesOpen;

// Back to the values at start (for tests that run the program's parts more than once).
void ResetApplicationState();
