#pragma once

#include "cli/cli_support.h"

namespace zentadial {

// "list": what date each scenario file starts at, which line sets it, and
// what else in it depends on that date. Reads only; writes nothing.
[[nodiscard]] int runList(const QStringList& arguments, CliStreams& io);

} // namespace zentadial
