#pragma once
// Dialogs keep the keyboard focus across deactivation: the control that had it when the
// dialog lost the activation gets it back when the dialog is activated again. The default
// dialog handling does this for every dialog.
#include "base/Handles.h"

// For WM_NCACTIVATE: active is the message's wParam (0 when being deactivated).
void KeepFocusAcrossActivation(WindowHandle dialog, WPARAM active);
// Forgets what was remembered for a dialog; its modal run does this when it ends.
void ForgetDialogFocus(WindowHandle dialog);
