#pragma once

// Files as bytes, nothing translated on the way.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace zentadial::test {

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// "<unreadable>" when the file cannot be read, which no test expects.
inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace zentadial::test
