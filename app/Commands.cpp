#include "app/Commands.h"
#include "app/ConfigurationDialog.h"
#include "app/MenuBar.h"
#include "app/Settings.h"
#include "grid/Tools.h"
#include "imageio/FileChooser.h"
#include "imageio/ImageSave.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "state/State.h"

const char* const AuthorText = "Creado por : \r\nhttps://colvero.example.org\r\n\r\nVisítame !!";

namespace {

constexpr int SaveMode = 1; // the file chooser's save dialog

// Chooses the tool: its button's mode takes the tool's value, and the check mark is on
// the tool's item alone among the items of that button.
void ChooseTool(const Tool& chosen) {
    ModeOf(chosen.button) = chosen.mode;
    for (const Tool& tool : Tools())
        if (tool.button == chosen.button)
            SetMenuCheck(tool.commandId, &tool == &chosen ? MFS_CHECKED : 0);
}

// "Grabar": the chooser's answer replaces the file name even when it is empty (cancel).
void SaveImage() {
    ChooseImageFile(nullptr, ImageFileName, SaveMode);
    if (!ImageFileName.empty()) GraphicSaveBitmapToImageFile(ImageBitmap, ImageFileName);
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
    {CmdSave, SaveImage},
    {CmdAuthor, ShowAuthor},
    {CmdConfigure, Configure},
};

} // namespace

void MainWindowCommand(unsigned id) {
    for (const CommandRow& row : Commands)
        if (row.id == id) return row.action();
    if (const Tool* tool = ToolOfCommand(id)) ChooseTool(*tool);
}
