#pragma once

#include "cli/cli_support.h"

#include <QStringList>

namespace zentadial {

// zentadial-cli undo: puts the files of the last pass back from the undo
// journal. The arguments start with the subcommand's name.
[[nodiscard]] int runUndo(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
