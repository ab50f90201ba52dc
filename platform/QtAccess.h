#pragma once
// Between handles and widgets, for the platform's own sources and for tests that drive the
// real widgets with input events. (A test causes WM_NCACTIVATE 0 and 1 by activating
// another window and then the dialog again with QApplication::setActiveWindow.)
#include "base/Handles.h"

class QWidget;

// A dialog's top-level window or a control's widget; nullptr for a handle that names
// nothing alive.
QWidget* WidgetOf(WindowHandle window);
// The handle of one of our widgets (a dialog's client area answers the dialog), or nullptr.
WindowHandle HandleOf(QWidget* widget);
