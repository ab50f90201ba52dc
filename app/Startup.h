#pragma once
// The program's entry after the toolkit is up: start-up, the main window's modal run,
// and shut-down. Always answers exit code 0.
int ColveroMain();
