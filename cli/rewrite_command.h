#pragma once

#include "cli/cli_support.h"

#include <QStringList>

namespace zentadial {

// zentadial-cli rewrite: the window's scenario rewrite over files and
// folders named on the command line. The arguments start with the
// subcommand's name.
[[nodiscard]] int runRewrite(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
