#pragma once
// Keys as the platform's virtual-key codes.
#include "base/Handles.h"

// The virtual-key code of a toolkit key (Qt::Key), or 0 for a key without one.
unsigned VirtualKeyOf(int qtKey);
// lParam of WM_KEYDOWN: a repeat count of 1, and bit 30 set for a key already down.
LPARAM KeyDownLParam(bool autoRepeat);
