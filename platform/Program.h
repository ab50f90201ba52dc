#pragma once
// The process: the toolkit's application object, and where the executable lies.
#include <functional>
#include <string>

// Creates the application object, runs body, and returns body's exit code.
int RunProgram(int argc, char** argv, const std::function<int()>& body);

// For a process whose entry is not ours (the fuzz targets): the application object, made
// on the first call and kept until the process ends.
void StartToolkitOnce();

// The folder of the running executable, ending with "/".
std::string ExecutableFolder();
// Tests put the executable, as far as the program's files are concerned, in a folder of
// their own (ending with "/"); "" goes back to the real one.
void SetExecutableFolderForTesting(const std::string& folder);
