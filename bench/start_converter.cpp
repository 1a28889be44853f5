// The converter's start, as its main() does it, up to the first exposure of
// its window. Closing is not run: no settings file is written.

#include "bench/start_probe.h"
#include "converter/desktop_program.h"

int main(int argc, char* argv[]) {
    return zentadial::runDesktopProgram(
        argc, argv, [](QWidget& window) { zentadial::bench::reportFirstExposure(window); });
}
