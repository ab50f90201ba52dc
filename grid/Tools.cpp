#include "grid/Tools.h"
#include "grid/ColourTools.h"
#include "grid/Panning.h"
#include "state/State.h"

namespace {

using enum MouseButton;

// A tool that paints with the left button: press, drag and release all paint, by `paint`.
template <CellPaint paint>
constexpr Tool PaintTool(const char* text, unsigned id, std::int32_t mode) {
    return {text, id, mode, Left, StartPainting<paint>, ContinuePainting<paint>, EndPainting};
}

// Two texts end in one blank on purpose: they are the program's own texts.
constexpr Tool ToolTable[] = {
    {"Mover papel", 19005, MovePaper, Left, StartDrag, DragTo, nullptr},
    PaintTool<PaintCapturedCell>("Editar Color captado ", 19006, EditCapturedColour),
    PaintTool<PaintCapturedBlock>("Editar Color captado Multiple", 19010,
                                  EditCapturedColourMultiple),
    PaintTool<PaintRealCell>("Editar Color Real ", 19008, EditRealColour),
    PaintTool<PaintRealBlock>("Editar Color Real Multiple", 19011, EditRealColourMultiple),
    {"Captar Color", 19012, CaptureColour, Right, CaptureColourAt, nullptr, nullptr},
    {"Mis Colores Favoritos", 19013, FavouriteColours, Right, OpenFavourites, nullptr, nullptr},
};

} // namespace

std::span<const Tool> Tools() { return ToolTable; }

std::int32_t& ModeOf(MouseButton button) {
    return button == Left ? LeftButtonMode : RightButtonMode;
}

const Tool* ChosenTool(MouseButton button) {
    for (const Tool& tool : ToolTable)
        if (tool.button == button && tool.mode == ModeOf(button)) return &tool;
    return nullptr;
}

const Tool* ToolOfCommand(unsigned commandId) {
    for (const Tool& tool : ToolTable)
        if (tool.commandId == commandId) return &tool;
    return nullptr;
}
