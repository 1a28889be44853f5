#include "platform/wine_fonts.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QByteArray>
#include <windows.h>
#endif

namespace zentadial {

void preferReadableFontsUnderWine() {
#ifdef Q_OS_WIN
    // Wine's ntdll alone exports its version; Windows' never does.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr ||
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows:fontengine=freetype"));
#endif
}

} // namespace zentadial
