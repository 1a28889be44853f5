#pragma once

#include <QString>

namespace zentadial::test {

// The root of the volume folder lies on, as Qt writes it: "/", or the drive
// ("C:/") on Windows.
inline QString volumeRootOf(const QString& folder) {
#ifdef Q_OS_WIN
    return folder.left(3);
#else
    Q_UNUSED(folder);
    return QStringLiteral("/");
#endif
}

} // namespace zentadial::test
