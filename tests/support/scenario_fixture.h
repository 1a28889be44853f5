#pragma once

// Small file helpers shared by the scenario tests: bytes in, bytes out,
// nothing translated on the way.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace scenario_fixture {

// The worked example: this date text in the US forms is MJD 53005.5.
inline constexpr std::string_view kDateText = "1/1/2004 12:00:00 PM";
inline const QByteArray kDateLine = "  Date MJD 53005.5     ; 1/1/2004 12:00:00 PM";

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every entry, hidden ones included: a temporary file left behind shows here.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline std::string local(const QString& path) {
    return path.toStdString();
}

inline QByteArray lines(int count, const QByteArray& line, const QByteArray& end) {
    QByteArray bytes;
    bytes.reserve(count * (line.size() + end.size()));
    for (int i = 0; i < count; ++i) {
        bytes += line + end;
    }
    return bytes;
}

} // namespace scenario_fixture
