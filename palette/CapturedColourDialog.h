#pragma once
#include "base/Handles.h"

// Shows CurrentColour and its value; returns 0 when the user closes it.
int ShowCapturedColourDialog(WindowHandle owner);
