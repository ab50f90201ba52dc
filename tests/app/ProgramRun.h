#pragma once
// Runs the whole program in this process: the chooser and the message boxes answered by
// scripts, the main window driven from the modal hook and then closed as the user would.
#include "base/Handles.h"
#include "tests/support/Scripts.h"
#include <functional>
#include <string>

class ProgramRun {
  public:
    ProgramRun(); // application state as at start; settings in the temp folder
    ~ProgramRun();

    // Chooses path in the start-up chooser, runs ColveroMain and returns its exit code.
    // While the main window is open, whileOpen runs and then the window is closed with the
    // close command (unless whileOpen has closed it already or closeWhenDone is false); a
    // window that stays open then fails the test and is ended.
    int Run(const std::string& path, std::function<void()> whileOpen = {});
    // The same with path named on the command line instead: no chooser is answered.
    int RunWithFile(const std::string& path, std::function<void()> whileOpen = {});

    TempFolder folder;
    MessageBoxScript messages;
    FileDialogScript files;
    // Other dialogs (configuration, ...) shown meanwhile; nothing when empty.
    std::function<void(WindowHandle dialog)> onOtherDialog;
    bool closeWhenDone = true;
    int mainWindowRuns = 0;

  private:
    void WatchMainWindow(std::function<void()> whileOpen);
};
