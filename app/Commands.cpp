#include "app/Commands.h"
#include "app/ConfigurationDialog.h"
#include "app/MenuBar.h"
#include "app/Settings.h"
#include "app/state/State.h"
#include "imageio/FileChooser.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include <cstdint>

const char* const AuthorText = "Creado por : \r\nhttps://colvero.example.org\r\n\r\nVisítame !!";

namespace {

constexpr int SaveMode = 1; // the file chooser's save dialog

// A tool-mode item and the mode value it selects.
struct ModeItem {
    unsigned id;
    std::int32_t mode;
};

// Each submenu's items in the order their check marks are set.
constexpr ModeItem LeftItems[] = {
    {CmdMovePaper, MovePaper},
    {CmdEditCapturedColour, EditCapturedColour},
    {CmdEditRealColour, EditRealColour},
    {CmdEditCapturedColourMultiple, EditCapturedColourMultiple},
    {CmdEditRealColourMultiple, EditRealColourMultiple},
};
constexpr ModeItem RightItems[] = {
    {CmdCaptureColour, CaptureColour},
    {CmdFavouriteColours, FavouriteColours},
};

// Sets mode to the chosen item's value and leaves the check mark on that item alone
// within its submenu. False when id is not in items.
template <std::size_t N>
bool ChooseMode(const ModeItem (&items)[N], unsigned id, std::int32_t& mode) {
    const ModeItem* chosen = nullptr;
    for (const ModeItem& item : items)
        if (item.id == id) chosen = &item;
    if (!chosen) return false;
    mode = chosen->mode;
    for (const ModeItem& item : items) SetMenuCheck(item.id, item.id == id ? MFS_CHECKED : 0);
    return true;
}

// "Grabar": the chooser's answer replaces the file name even when it is empty (cancel).
void SaveImage() {
    ChooseImageFile(nullptr, ImageFileName, SaveMode);
    if (!ImageFileName.empty()) GraphicSaveBitmapToImageFile(ImageBitmap, ImageFileName);
}

void ShowAuthor() { MessageBox(nullptr, AuthorText, "Programador", MB_OK); }

// "Configurador": one dialog at a time (it has no owner, so the menu stays usable while
// it runs); the settings are written every time it ends.
void Configure() {
    if (configDialogOpen) return;
    configDialogOpen = true;
    ShowConfigurationDialog(nullptr);
    Settings("save");
    configDialogOpen = false;
}

struct CommandRow {
    unsigned id;
    void (*action)();
};
constexpr CommandRow Commands[] = {
    {CmdSave, SaveImage},
    {CmdAuthor, ShowAuthor},
    {CmdConfigure, Configure},
};

} // namespace

void MainWindowCommand(unsigned id) {
    for (const CommandRow& row : Commands)
        if (row.id == id) return row.action();
    if (ChooseMode(LeftItems, id, LeftButtonMode)) return;
    ChooseMode(RightItems, id, RightButtonMode);
}
