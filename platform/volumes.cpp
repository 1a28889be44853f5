#include "platform/volumes.h"

#include "platform/path_text.h"

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

} // namespace zentadial
