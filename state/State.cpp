#include "state/State.h"

std::string ImageFileName;
SurfaceHandle ImageBitmap = 0;
std::int32_t ImageWidth = 0, ImageHeight = 0;
WindowHandle MainWindow = nullptr;
MenuHandle MenuBar = nullptr;
SurfaceHandle PaperBitmap = 0;
SurfaceHandle ViewBitmap = 0;
std::int32_t LeftButtonMode = MovePaper;
std::int32_t RightButtonMode = 0;
Colour CurrentColour = White;
bool painting = false;
Placement PaperPlacement;
std::int16_t fillWidth = 0, fillHeight = 0;
bool configDialogOpen = false;
bool favouritesOpen = false;

void ResetApplicationState() {
    ImageFileName.clear();
    ImageBitmap = 0;
    ImageWidth = ImageHeight = 0;
    MainWindow = nullptr;
    MenuBar = nullptr;
    PaperBitmap = ViewBitmap = 0;
    LeftButtonMode = MovePaper;
    RightButtonMode = 0;
    CurrentColour = White;
    painting = false;
    PaperPlacement = Placement{};
    fillWidth = fillHeight = 0;
    configDialogOpen = false;
    favouritesOpen = false;
}
