#pragma once

// Small file helpers shared by the scenario tests: bytes in, bytes out,
// nothing translated on the way.

#include "file_bytes.h"
#include "scenario/scenario_rewrite.h"

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
// Date lines are rewritten inside the environment section only.
inline const QByteArray kSection = "BEGIN_ENVIRONMENT\n";
inline const QByteArray kSectionCrLf = "BEGIN_ENVIRONMENT\r\n";

using zentadial::test::readBytes;
using zentadial::test::writeBytes;

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

// A failure as values, for a test's own message when it fails.
inline std::string failureValues(const zentadial::ScenarioFailure& failure) {
    return "kind " + std::to_string(static_cast<int>(failure.kind)) + ": " + failure.path +
           (failure.reason.empty() ? "" : " (" + failure.reason + ")");
}

} // namespace scenario_fixture
