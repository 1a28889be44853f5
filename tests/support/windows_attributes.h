#pragma once

// Windows hides a file by its attribute, not by a leading dot; tests that
// need a hidden entry there set it here.

#ifdef _WIN32
#include <QDir>
#include <QString>
#include <windows.h>

namespace zentadial::test {

inline bool setWindowsAttributes(const QString& path, DWORD attributes) {
    return ::SetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str(),
                                attributes) != 0;
}

} // namespace zentadial::test
#endif
