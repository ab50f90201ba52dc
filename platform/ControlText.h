#pragma once
// A control's text on screen.
#include <QString>
#include <string>

struct WindowObject;

// The mnemonic-prefix rule of labels: "&&" shows as "&", a single "&" before a character
// is not shown.
QString WithoutPrefixes(const std::string& text);

// Keeps the text as given and shows it the way the control's kind shows text.
void ShowControlText(WindowObject* control, const std::string& text);
