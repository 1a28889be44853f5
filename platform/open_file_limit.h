#pragma once

namespace zentadial {

// The preview keeps each folder it lists open until it closes, so that a
// later pass reaches the very folder it showed; a large tree of folders
// would soon meet the default limit of open files on POSIX systems.
// Raises this process's limit to the most the system allows it; elsewhere
// it does nothing.
void raiseOpenFileLimit();

} // namespace zentadial
