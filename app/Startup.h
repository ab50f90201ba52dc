#pragma once
// The program's entry after the toolkit is up: start-up, the main window's modal run,
// and shut-down. With a file named on the command line the chooser is skipped and that
// picture goes through the same checks as a chosen one. Always answers exit code 0.
#include <string>

int ColveroMain(const std::string& file = {});

// Start-up's loading of the chosen picture, ImageFileName, into ImageBitmap, ImageWidth and
// ImageHeight. A picture with a side above MaxImageSide is refused with the refusal message,
// by the size its header states when it states one, before anything is decoded. False when
// there is nothing to edit, after the user has been told why.
bool LoadChosenImage();
