#include "app/CommandLine.h"
#include "app/Startup.h"
#include "platform/Program.h"
#include <iostream>

int main(int argc, char** argv) {
    const CommandLine line = ReadCommandLine(argc, argv);
    // Help, the version and a wrong line are answered before the toolkit starts, so they
    // need no display.
    if (const int code = AnswerCommandLine(line, std::cout, std::cerr); code >= 0) return code;
    return RunProgram(argc, argv, [&] { return ColveroMain(line.file); });
}
