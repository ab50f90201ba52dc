#pragma once
// Drives modal runs: while a script lives, every dialog that starts a modal run is handed
// to the next step (once it is shown, before the run waits). A run that finds no step
// left is ended with result -1, so a test never hangs on a dialog it did not expect.
#include "platform/Window.h"
#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalScript {
  public:
    using Step = std::function<void(WindowHandle dialog)>;
    ModalScript();
    ~ModalScript();
    std::deque<Step> steps;
    std::vector<std::string> titles; // of every dialog run, in order
};

// A step that ends the dialog with the result.
ModalScript::Step EndWith(std::intptr_t result);
