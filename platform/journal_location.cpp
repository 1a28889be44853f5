#include "platform/journal_location.h"

#include <QDir>
#include <QStandardPaths>

namespace zentadial {

QString journalFolder() {
    const QString chosen = qEnvironmentVariable(kJournalFolderVariable);
    if (!chosen.isEmpty()) {
        return QDir::toNativeSeparators(chosen);
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (data.isEmpty()) {
        return {}; // no home folder: no journal, which each pass then says
    }
    return QDir::toNativeSeparators(QDir(data).filePath(QStringLiteral("journal")));
}

} // namespace zentadial
