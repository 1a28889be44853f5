#pragma once

#include "cli/cli_support.h"

#include <QStringList>

namespace zentadial {

// zentadial-cli convert: one entry from the options, or --batch from input.
// The arguments start with the subcommand's name.
[[nodiscard]] int runConvert(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
