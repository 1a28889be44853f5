#pragma once

#include <QComboBox>
#include <QStringList>
#include <functional>

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

// A folder as the user reads and types it: on Windows with "\" and the
// drive letter in lower case ("c:\", "c:\Scenarios"); elsewhere unchanged.
[[nodiscard]] QString nativeFolderText(const QString& folder);

// What the drive list shows for a volume: "c: [System]" on Windows, the
// mount point elsewhere.
[[nodiscard]] QString driveCaption(const QString& mountPoint);

using VolumeSource = std::function<QStringList()>;

// A drop-down list of the volumes. Only a pick by the user that lands on
// another volume raises driveChanged(); setting the drive from code never
// does, so the caller decides what the folder list shows.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(const QStringList& mountPoints, QWidget* parent = nullptr);

    // The selected volume's mount point.
    [[nodiscard]] QString drive() const;
    [[nodiscard]] QStringList mountPoints() const;

    // Selects the volume that holds path; false, and the selection kept, when
    // none of the listed volumes holds it.
    bool setDrive(const QString& path);

Q_SIGNALS:
    void driveChanged();

private:
    void userPicked(int index);

    int shownIndex_ = -1;
};

} // namespace zentadial
