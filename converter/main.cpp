#include "converter/desktop_seams.h"
#include "converter/form1.h"
#include "converter/locale_form.h"
#include "converter/settings_store.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentadial"));
    QApplication::setOrganizationName(QStringLiteral("Zentadial"));

    zentadial::SystemClock clock;
    zentadial::DialogMessageBoxes messages;
    zentadial::DialogFileChooser fileChooser;
    zentadial::PickerWindow folderPicker;
    zentadial::FileSettingsStore settings(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));

    zentadial::Form1 window({clock, messages, fileChooser, folderPicker, settings},
                            zentadial::regionalFormFrom(QLocale::system()));
    messages.setOwner(&window);
    window.show();
    return QApplication::exec();
}
