#pragma once
// The program's entry after the toolkit is up: start-up, the main window's modal run,
// and shut-down. With a file named on the command line the chooser is skipped and that
// picture goes through the same checks as a chosen one. Always answers exit code 0.
#include <string>

int ColveroMain(const std::string& file = {});
