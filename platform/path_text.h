#pragma once

#include <QChar>
#include <QString>
#include <string>
#include <string_view>

namespace zentadial {

// Paths cross between the windows' text and the file libraries' UTF-8 here,
// and nowhere else: the Win32 file system reads UTF-8, never the ANSI code
// page, and a Linux name is bytes that need not be UTF-8. Each byte that is
// not part of a UTF-8 sequence becomes a lone surrogate (U+DC80 to U+DCFF)
// and turns back into that same byte, so a Latin-1 folder name keeps its
// bytes from the settings file to the rewrite and back.
[[nodiscard]] QString pathFromUtf8(std::string_view bytes);
[[nodiscard]] std::string pathToUtf8(const QString& path);

// A folder as a settings file holds it, for the user to read: UTF-8, or
// else one byte a letter, as older versions and other tools wrote it
// ("f\xfcr" reads "für").
[[nodiscard]] QString folderFromSettingsBytes(const std::string& bytes);

// The bytes that name the folder shown as text. While the text is still the
// one read from settingsBytes, on Linux those very bytes: a name in one byte
// a letter is the folder's own there. Elsewhere, and for any other text, its
// UTF-8; on Windows that is the name the older versions' ANSI text meant.
[[nodiscard]] std::string folderPathBytes(const QString& text, const std::string& settingsBytes);

// The folder that holds the file at path, a root with its separator ("/",
// "C:\"); empty for a bare name, which names no folder.
[[nodiscard]] QString folderOfPath(const QString& path);

// folder, one separator, name: a root's own separator is not doubled.
[[nodiscard]] QString joinedPath(const QString& folder, const QString& name);

// "/" everywhere, and "\" on Windows too.
[[nodiscard]] bool isNameSeparator(QChar c);

// The folder the running program lies in. On Linux from the bytes the system
// gives, so that a folder named in Latin-1 is found again; Qt's own answer
// turns each such letter into U+FFFD.
[[nodiscard]] QString programFolder();

// A folder as the user reads and types it: on Windows with "\" and the
// drive letter in lower case ("c:\", "c:\Scenarios"); elsewhere unchanged.
[[nodiscard]] QString nativeFolderText(const QString& folder);

} // namespace zentadial
