#pragma once
// The command half of the main window's callback: what each menu item does.

// The text of the author box.
extern const char* const AuthorText;

// Carries out the menu command with this id; ids of no menu item (among them 1 and 2,
// which Enter and Esc send) do nothing.
void MainWindowCommand(unsigned id);

// "Grabar": asks for the file name and saves the picture there; true when it was written
// (the picture then has no unsaved edits).
bool SaveImage();
