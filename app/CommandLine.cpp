#include "app/CommandLine.h"
#include <ostream>

namespace {

constexpr const char* Usage =
    "Uso: colvero [FICHERO]\n"
    "Retoca una fotografía píxel a píxel.\n"
    "\n"
    "  FICHERO      la imagen que se abre; sin él, se elige en el navegador de ficheros\n"
    "  --help       muestra esta ayuda y termina\n"
    "  --version    muestra la versión y termina\n";

constexpr int RefusedExitCode = 2; // what command-line tools answer for a wrong line

CommandLine Refused() { return {CommandLine::Action::Refuse, {}}; }

} // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool options = true;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (options && word == "--") {
            options = false;
        } else if (options && word == "--help") {
            line.action = CommandLine::Action::Help;
        } else if (options && word == "--version") {
            line.action = CommandLine::Action::Version;
        } else if (options && word.size() > 1 && word[0] == '-') {
            return Refused();
        } else if (++files > 1 || word.empty()) {
            return Refused();
        } else {
            line.file = word;
        }
    }
    return line;
}

int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err) {
    switch (line.action) {
    case CommandLine::Action::Help: out << Usage; return 0;
    case CommandLine::Action::Version: out << "colvero " << COLVERO_VERSION << "\n"; return 0;
    case CommandLine::Action::Refuse: err << Usage; return RefusedExitCode;
    case CommandLine::Action::Edit: break;
    }
    return -1;
}
