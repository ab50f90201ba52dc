#pragma once
// Waiting for a toolkit dialog without blocking other windows: the dialog is shown
// non-modal (or modal to its owner only) and a local event loop runs until it finishes.
#include "base/Handles.h"

class QDialog;
class QWidget;

// Shows the dialog (raised and active when foreground) and returns its result code once
// it has finished. While every run is ending (EndAllModalRuns) it shows nothing and
// answers Rejected.
int RunLocally(QDialog& dialog, bool foreground);

// Brings a top-level window to the front of the others.
void RaiseWindow(QWidget* window);

// The top-level window of an owner handle's widget, or nullptr.
QWidget* OwnerWindow(WindowHandle owner);
