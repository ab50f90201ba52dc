#pragma once
// Message boxes: text, caption, style (MB_OK, MB_YESNO or MB_YESNOCANCEL, plus
// MB_TASKMODAL and MB_SETFOREGROUND). No icon. A box without an owner leaves every window
// usable. Answers IDOK, IDYES, IDNO or IDCANCEL.
#include "base/Handles.h"
#include <functional>
#include <string>

// The caption of the program's own messages.
constexpr const char* ProgramCaption = "Programador";

int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
               unsigned style);

// A test answers for the user: while an answerer is set, MessageBox shows nothing and
// returns what the answerer returns. An empty function restores the real box.
using MessageBoxAnswerer =
    std::function<int(const std::string& text, const std::string& caption, unsigned style)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
