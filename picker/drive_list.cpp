#include "picker/drive_list.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace zentadial {

QStringList mountedVolumePaths() {
    QStringList paths;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || !volume.isReady()) {
            continue;
        }
        const QString root = QDir::cleanPath(volume.rootPath());
        // Containers bind-mount single files such as /etc/hosts; those are no
        // place to look for folders.
        if (!QFileInfo(root).isDir() || paths.contains(root)) {
            continue;
        }
        paths.append(root);
    }
    std::sort(paths.begin(), paths.end());
    // The root is always there to fall back on, even where it is not listed
    // as a volume of its own.
    paths.removeAll(QStringLiteral("/"));
    paths.prepend(QStringLiteral("/"));
    return paths;
}

QString volumeContaining(const QStringList& mountPoints, const QString& path) {
    QString best;
    for (const QString& mountPoint : mountPoints) {
        const bool holds =
            mountPoint == QLatin1String("/")
                ? path.startsWith(QLatin1Char('/'))
                : path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
        if (holds && mountPoint.size() > best.size()) {
            best = mountPoint;
        }
    }
    return best;
}

DriveList::DriveList(const QStringList& mountPoints, QWidget* parent) : QComboBox(parent) {
    for (const QString& mountPoint : mountPoints) {
        addItem(mountPoint, mountPoint);
    }
    // The box is narrow; let the open list show long mount points in full.
    view()->setTextElideMode(Qt::ElideNone);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
    setCurrentIndex(mountPoints.isEmpty() ? -1 : 0);
    shownIndex_ = currentIndex();
    // activated() comes from the user alone; currentIndexChanged() would also
    // fire for the selections made from code.
    connect(this, &QComboBox::activated, this, &DriveList::userPicked);
}

QString DriveList::drive() const {
    return currentData().toString();
}

QStringList DriveList::mountPoints() const {
    QStringList points;
    for (int i = 0; i < count(); ++i) {
        points.append(itemData(i).toString());
    }
    return points;
}

bool DriveList::setDrive(const QString& path) {
    QString lookup = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // A folder reached through a symbolic link lives on the volume of its
    // target.
    if (const QString canonical = QFileInfo(lookup).canonicalFilePath(); !canonical.isEmpty()) {
        lookup = canonical;
    }
    const QString volume = volumeContaining(mountPoints(), lookup);
    if (path.isEmpty() || volume.isEmpty()) {
        return false;
    }
    setCurrentIndex(findData(volume));
    shownIndex_ = currentIndex();
    return true;
}

void DriveList::userPicked(int index) {
    if (index == shownIndex_) {
        return;
    }
    shownIndex_ = index;
    Q_EMIT driveChanged();
}

} // namespace zentadial
