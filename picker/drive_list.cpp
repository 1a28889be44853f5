#include "picker/drive_list.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace zentadial {

QStringList mountedVolumePaths() {
    QStringList paths;
#ifdef Q_OS_WIN
    // Every lettered drive, as Explorer lists them: one that is not ready
    // (an empty card reader) says so when it is picked.
    for (const QFileInfo& drive : QDir::drives()) {
        paths.append(drive.absoluteFilePath());
    }
    std::sort(paths.begin(), paths.end());
#else
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
#endif
    return paths;
}

QString volumeContaining(const QStringList& mountPoints, const QString& path) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kNames = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kNames = Qt::CaseSensitive;
#endif
    QString best;
    if (path.isEmpty()) {
        return best;
    }
    for (const QString& mountPoint : mountPoints) {
        // A root ("/", "C:/") already ends in the separator.
        const bool holds = mountPoint.endsWith(QLatin1Char('/'))
                               ? path.startsWith(mountPoint, kNames) ||
                                     path.compare(mountPoint.chopped(1), kNames) == 0
                               : path.compare(mountPoint, kNames) == 0 ||
                                     path.startsWith(mountPoint + QLatin1Char('/'), kNames);
        if (holds && mountPoint.size() > best.size()) {
            best = mountPoint;
        }
    }
    return best;
}

QString nativeFolderText(const QString& folder) {
#ifdef Q_OS_WIN
    QString text = QDir::toNativeSeparators(folder);
    if (text.size() >= 2 && text.at(1) == QLatin1Char(':')) {
        text[0] = text.at(0).toLower();
    }
    return text;
#else
    return folder;
#endif
}

QString driveCaption(const QString& mountPoint) {
#ifdef Q_OS_WIN
    const QString letter = nativeFolderText(mountPoint).left(2);
    const QStorageInfo volume(mountPoint);
    const QString label = volume.isValid() && volume.isReady() ? volume.name() : QString();
    return label.isEmpty() ? letter : letter + QStringLiteral(" [") + label + QLatin1Char(']');
#else
    return mountPoint;
#endif
}

DriveList::DriveList(const QStringList& mountPoints, QWidget* parent) : QComboBox(parent) {
    for (const QString& mountPoint : mountPoints) {
        addItem(driveCaption(mountPoint), mountPoint);
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
    QString lookup =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
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
