#include "app/Startup.h"
#include "platform/Program.h"

int main(int argc, char** argv) { return RunProgram(argc, argv, ColveroMain); }
