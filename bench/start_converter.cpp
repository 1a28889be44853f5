// The converter's start, as its main() does it, up to the first exposure of
// its window. Closing is not run: no settings file is written.

#include "bench/start_probe.h"
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
    zentadial::bench::reportFirstExposure(window);
    window.show();
    return QApplication::exec();
}
