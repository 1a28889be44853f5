#include "translations/program_translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace zentadial {

namespace {

// Compiled into the program, so a copied or unpacked program speaks as well.
const QString kProgramFolder = QStringLiteral(":/i18n");

// Qt's translations lie where Qt was installed; the Windows zip carries its
// own beside the program, where no Qt installation is.
QStringList qtTranslationFolders() {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

} // namespace

ProgramTranslations::ProgramTranslations(const QLocale& locale) {
    // The first of the user's languages the program speaks, in the user's order.
    if (!program_.load(locale, QStringLiteral("zentadial"), QStringLiteral("_"), kProgramFolder)) {
        return;
    }
    // A catalogue still without texts installs as well: it changes nothing.
    QCoreApplication::installTranslator(&program_);
    // The language of the catalogue found, by its name: zentadial_de.qm.
    language_ = QFileInfo(program_.filePath()).completeBaseName().section(QLatin1Char('_'), 1);

    for (const QString& folder : qtTranslationFolders()) {
        if (qt_.load(QStringLiteral("qtbase_") + language_, folder)) {
            QCoreApplication::installTranslator(&qt_);
            qtInstalled_ = true;
            break;
        }
    }
}

ProgramTranslations::~ProgramTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace zentadial
