#include "converter/desktop_program.h"

int main(int argc, char* argv[]) {
    return zentadial::runDesktopProgram(argc, argv);
}
