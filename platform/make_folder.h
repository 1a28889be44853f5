#pragma once

#include <QString>

namespace zentadial {

// Makes the one folder path names, its parent being there already; 0 or the
// errno value, so that the caller can tell "exists already" from the rest.
[[nodiscard]] int makeFolder(const QString& path);

} // namespace zentadial
