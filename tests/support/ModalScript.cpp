#include "tests/support/ModalScript.h"

ModalScript::ModalScript() {
    SetModalHook([this](WindowHandle dialog) {
        titles.push_back(GetWindowText(dialog));
        if (steps.empty()) {
            EndDialog(dialog, -1);
            return;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        step(dialog);
    });
}

ModalScript::~ModalScript() { SetModalHook(nullptr); }

ModalScript::Step EndWith(std::intptr_t result) {
    return [result](WindowHandle dialog) { EndDialog(dialog, result); };
}
