#pragma once
// Fonts for widgets: the same faces and pixel sizes the drawing layer renders with.
#include "gfx/TextFont.h" // QtFontOf
#include <QFont>

// The dialogs' own font (the one that sets the size of a dialog unit).
QFont DialogFont();
// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0.
int MulDiv(int a, int b, int c);
