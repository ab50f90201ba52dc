#pragma once
// Text on the current target: in its font, foreground colour and background mode, at its
// current position.
#include "gfx/Font.h"
#include <string>

void SelectFont(FontHandle font);
void DrawText(const std::string& text); // UTF-8
void NewLine();
void MeasureText(const std::string& text, int& width, int& height);
// The longest head of text that fits width; with word break the cut moves back to a blank,
// which then stays at the front of rest.
void SplitTextToWidth(const std::string& text, int width, bool wordBreak, std::string& head,
                      std::string& rest);
