#include "platform/DialogFocus.h"
#include "platform/Window.h"
#include <map>

namespace {
// Per dialog, because dialogs of one kind can be open over one another.
std::map<WindowHandle, WindowHandle> savedFocus;
} // namespace

void KeepFocusAcrossActivation(WindowHandle dialog, WPARAM active) {
    if (active == 0) {
        WindowHandle focus = GetFocus();
        // Only one of the dialog's own controls is worth giving back.
        if (focus != nullptr && GetParent(focus) == dialog) savedFocus[dialog] = focus;
        return;
    }
    auto saved = savedFocus.find(dialog);
    if (saved == savedFocus.end()) return;
    WindowHandle control = saved->second;
    savedFocus.erase(saved);
    if (IsWindow(control)) SetFocus(control);
}

void ForgetDialogFocus(WindowHandle dialog) { savedFocus.erase(dialog); }
