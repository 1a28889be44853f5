#pragma once

#include "cli/cli_support.h"

#include <QStringList>

namespace zentadial {

// The whole program: arguments as on the command line, the program's name
// first. Returns the exit status.
[[nodiscard]] int runCli(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
