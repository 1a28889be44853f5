#pragma once

#include <QString>
#include <QStringList>

namespace zentadial {

// The roots of the volumes, written with "/" as Qt keeps paths. On Windows
// the logical drives, "C:/" and on, ready or not. Elsewhere the mount points
// of the mounted, ready volumes that hold folders: "/" first, then the others
// in order; with no drive letters, a volume stands for a drive and its mount
// point is its designation.
[[nodiscard]] QStringList mountedVolumePaths();

// The mount point among mountPoints that holds path: the longest one that is
// path itself or a whole-component prefix of it ("/home" holds "/home/a" but
// not "/home2"; "C:/" holds "c:/a"). Empty when none does.
[[nodiscard]] QString volumeContaining(const QStringList& mountPoints, const QString& path);

// What a drive list shows for a volume: "c: [System]" on Windows, the mount
// point elsewhere.
[[nodiscard]] QString driveCaption(const QString& mountPoint);

} // namespace zentadial
