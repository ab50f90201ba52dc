#include "BenchEditor.h"
#include "gfx/Drawing.h"
#include "grid/CanvasView.h"
#include "grid/Editor.h"
#include "platform/Window.h"

namespace {

// Colour of image pixel (column, row): a smooth picture that compresses like a photograph.
Colour ImageColour(int column, int row) {
    return MakeColour(column * 255 / Side, row * 255 / Side, (column + row) * 127 / Side);
}

} // namespace

void OpenSharedEditor() {
    static bool open = false;
    if (open) return;
    open = true;
    ImageBitmap = CreateSurface(Side, Side);
    Surface& image = SurfaceOf(ImageBitmap);
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c) WritePixel(image, c, r, ImageColour(c, r));
    ImageWidth = ImageHeight = Side;
    OpenEditor(CreateDialogWindow("Bench", 0, 0, ViewWidth, ViewHeight, 0, 0, nullptr));
    PaperPlacement.left = InsideLeft;
    PaperPlacement.top = InsideTop;
    RefreshView();
}

WindowHandle Canvas() { return GetDlgItem(MainWindow, CanvasControlId); }

void BlockStroke(WindowHandle canvas, int columns, int rows, Colour colour) {
    LeftButtonMode = EditCapturedColourMultiple;
    fillWidth = static_cast<std::int16_t>(columns);
    fillHeight = static_cast<std::int16_t>(rows);
    CurrentColour = colour;
    SendMessage(canvas, WM_LBUTTONDOWN, 0, MAKELPARAM(500, 400));
    SendMessage(canvas, WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
    LeftButtonMode = MovePaper;
}

Colour Alternate(bool& red) {
    red = !red;
    return red ? 0x0000FF : 0x00FF00;
}
