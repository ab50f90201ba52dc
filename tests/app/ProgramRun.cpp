#include "tests/app/ProgramRun.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "platform/Program.h"
#include "platform/QtAccess.h"
#include "platform/Window.h"
#include "state/State.h"
#include <QWidget>
#include <gtest/gtest.h>

ProgramRun::ProgramRun() {
    ResetApplicationState();
    SetExecutableFolderForTesting(folder.Path());
}

ProgramRun::~ProgramRun() {
    SetModalHook(nullptr);
    SetExecutableFolderForTesting("");
}

int ProgramRun::Run(const std::string& path, std::function<void()> whileOpen) {
    files.answers.push_back(path);
    WatchMainWindow(std::move(whileOpen));
    return ColveroMain();
}

int ProgramRun::RunWithFile(const std::string& path, std::function<void()> whileOpen) {
    WatchMainWindow(std::move(whileOpen));
    return ColveroMain(path);
}

void ProgramRun::WatchMainWindow(std::function<void()> whileOpen) {
    SetModalHook([this, whileOpen](WindowHandle dialog) {
        if (dialog != MainWindow) {
            if (onOtherDialog) onOtherDialog(dialog);
            return;
        }
        ++mainWindowRuns;
        if (whileOpen) whileOpen();
        if (!closeWhenDone || !IsWindow(MainWindow)) return;
        SendCloseCommand(MainWindow);
        // A close that goes hides the window at once; one kept open (a question answered
        // Cancel) must not leave the test waiting.
        if (IsWindow(MainWindow) && WidgetOf(MainWindow)->isVisible()) {
            ADD_FAILURE() << "the main window stayed open";
            EndDialog(MainWindow, 0);
        }
    });
}
