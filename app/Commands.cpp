#include "app/Commands.h"
#include "app/ConfigurationDialog.h"
#include "app/MenuBar.h"
#include "app/Settings.h"
#include "grid/ColourTools.h"
#include "grid/Recovery.h"
#include "grid/SavedPicture.h"
#include "grid/Tools.h"
#include "imageio/FileChooser.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"
#include <algorithm>
#include <vector>

const char* const AuthorText = "Creado por : \r\nhttps://colvero.example.org\r\n\r\nVisítame !!";

namespace {

constexpr int SaveMode = 1; // the file chooser's save dialog

// Chooses the tool: its button's mode takes the tool's value, and the check mark is on
// the tool's item alone among the items of that button. The marks are set in the order of
// the items' command ids, which is not the order of the menu.
void ChooseTool(const Tool& chosen) {
    ModeOf(chosen.button) = chosen.mode;
    std::vector<const Tool*> items;
    for (const Tool& tool : Tools())
        if (tool.button == chosen.button) items.push_back(&tool);
    std::ranges::sort(items, {}, [](const Tool* tool) { return tool->commandId; });
    for (const Tool* tool : items) SetMenuCheck(tool->commandId, tool == &chosen ? MFS_CHECKED : 0);
}

void ShowAuthor() { MessageBox(nullptr, AuthorText, ProgramCaption, MB_OK); }

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
    {CmdSave, [] { SaveImage(); }}, {CmdUndo, UndoStroke},     {CmdRedo, RedoStroke},
    {CmdAuthor, ShowAuthor},        {CmdConfigure, Configure},
};

} // namespace

// The chooser's answer replaces the file name even when it is empty (cancel). The
// picture is saved as it is when the chooser closes; cells painted while the save's
// message is up are not in the file and stay unsaved.
bool SaveImage() {
    ChooseImageFile(nullptr, ImageFileName, SaveMode);
    if (ImageFileName.empty()) return false;
    std::vector<Colour> written = PictureColours();
    if (!GraphicSaveBitmapToImageFile(ImageBitmap, ImageFileName)) return false;
    MarkPictureSaved(std::move(written));
    RecoveryPictureSaved(ImageFileName);
    return true;
}

void MainWindowCommand(unsigned id) {
    for (const CommandRow& row : Commands)
        if (row.id == id) return row.action();
    if (const Tool* tool = ToolOfCommand(id)) ChooseTool(*tool);
}
