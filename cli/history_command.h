#pragma once

#include "cli/cli_support.h"

#include <QStringList>

namespace zentadial {

// zentadial-cli history: the passes the undo journal keeps. The arguments
// start with the subcommand's name.
[[nodiscard]] int runHistory(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
