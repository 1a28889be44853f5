#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <expected>
#include <optional>

namespace zentadial {

// What a file is, looked at without following a link. Only a plain file of
// the user running the program is read or replaced: a link planted in a
// folder others may write must never lead a save to the file it names.
enum class OwnedFileState {
    Missing,
    Usable,     // a plain file of the running user, writable by its owner
    ReadOnly,   // a plain file of the running user, made read-only
    Link,       // a symbolic link; on Windows any reparse point
    NotPlain,   // a folder, a device, a pipe, a socket
    OtherOwner, // a plain file of another user
};

[[nodiscard]] OwnedFileState ownedFileState(const QString& path);

// When the entry was last written, looked at without following a link;
// nothing when there is none.
[[nodiscard]] std::optional<QDateTime> lastWritten(const QString& path);

// Whether the user may make files in the folder.
[[nodiscard]] bool folderTakesFiles(const QString& folder);

// The bytes of a Usable or ReadOnly file, at most maxBytes of them; nothing
// for any other file. The state is checked on the file opened, so a link
// swapped in after a look is not followed.
[[nodiscard]] std::optional<QByteArray> readOwnedFile(const QString& path, qsizetype maxBytes);

struct OwnedWriteFailure {
    OwnedFileState state; // not Missing or Usable: the file was refused
    QString reason;       // the system's words, when the writing itself failed
};

// The bytes in place of a Missing or Usable file, through a new temporary
// file in the same folder renamed over it, so a failure never leaves half a
// file and a link is replaced, never followed. A file replaced keeps its
// mode and group.
[[nodiscard]] std::expected<void, OwnedWriteFailure> writeOwnedFile(const QString& path,
                                                                    QByteArrayView bytes);

} // namespace zentadial
