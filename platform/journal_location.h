#pragma once

#include <QString>

namespace zentadial {

// Set, it names the undo journal's folder instead of the user's data folder,
// so that tests never touch the user's own journal.
inline constexpr char kJournalFolderVariable[] = "ZENTADIAL_JOURNAL";

// The undo journal's folder: "journal" in the user's local data folder
// (~/.local/share/Zentadial/Zentadial on Linux, under %LOCALAPPDATA% on
// Windows, which stays on this computer: the journal holds whole scenario
// files), with native separators. The program's organisation and application
// names must be set first.
[[nodiscard]] QString journalFolder();

} // namespace zentadial
