#pragma once
// The colour chooser (the toolkit's own dialog) with 16 custom colours.
#include "base/Colour.h"
#include "base/Handles.h"
#include <functional>
#include <optional>

struct ColourDialogRequest {
    WindowHandle owner = nullptr;
    Colour initial = 0;
    Colour* customColours = nullptr; // 16 values, read and written back
    int x = 0, y = 0;                // top-left corner of the chooser, screen pixels
};

// The chosen colour on OK, nothing on Cancel.
std::optional<Colour> ChooseColour(const ColourDialogRequest& request);

using ColourDialogAnswerer = std::function<std::optional<Colour>(const ColourDialogRequest&)>;
void SetColourDialogAnswerer(ColourDialogAnswerer answerer);
