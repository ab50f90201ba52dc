#pragma once
// What `colvero [FILE]` asks for. Only --help, --version and one picture are understood;
// "--" ends the options, so a picture whose name starts with "-" can still be named.
#include <iosfwd>
#include <string>

struct CommandLine {
    enum class Action { Edit, Help, Version, Refuse };
    Action action = Action::Edit;
    std::string file; // Edit: the picture to open; empty asks for one in the chooser
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// Answers --help, --version and a refused line on the given streams and returns the exit
// code; -1 when the line asks to edit a picture.
int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err);
