#include "palette/DialogControls.h"
#include "gfx/Drawing.h"
#include "platform/Window.h"

void AddWhiteCanvas(WindowHandle dialog, int id, int x, int y, int width, int height, bool notify) {
    const std::uint32_t style = WS_CHILD | WS_VISIBLE | WS_BORDER | (notify ? SS_NOTIFY : 0);
    AddControl(dialog, ControlKind::Canvas, id, "", x, y, width, height, style);
    SelectTarget(dialog, id, false);
    SetColours(Black, White);
    ClearTarget(ColourDefault);
    ReleaseTarget();
}
