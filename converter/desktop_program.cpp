#include "converter/desktop_program.h"

#include "converter/desktop_seams.h"
#include "converter/form1.h"
#include "platform/clock.h"
#include "platform/file_settings_store.h"
#include "platform/locale_form.h"
#include "platform/open_file_limit.h"
#include "platform/path_text.h"
#include "platform/wine_fonts.h"
#include "translations/program_translations.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

namespace zentadial {

int runDesktopProgram(int argc, char* argv[], const std::function<void(QWidget&)>& beforeShow) {
    raiseOpenFileLimit();
    preferReadableFontsUnderWine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentadial"));
    QApplication::setOrganizationName(QStringLiteral("Zentadial"));
    const ProgramTranslations translations(QLocale::system());

    SystemClock clock;
    DialogMessageBoxes messages;
    DialogFileChooser fileChooser;
    PickerWindow folderPicker;
    // Beside the program first; where that folder takes no file, the user's
    // own: %APPDATA% (roaming with the user) on Windows, ~/.config elsewhere.
#ifdef Q_OS_WIN
    constexpr auto kUserFolder = QStandardPaths::AppDataLocation;
#else
    constexpr auto kUserFolder = QStandardPaths::AppConfigLocation;
#endif
    FileSettingsStore settings(programFolder(), QStandardPaths::writableLocation(kUserFolder));

    Form1 window({clock, messages, fileChooser, folderPicker, settings},
                 regionalFormFrom(QLocale::system()));
    if (beforeShow) {
        beforeShow(window);
    }
    window.show();
    return QApplication::exec();
}

} // namespace zentadial
