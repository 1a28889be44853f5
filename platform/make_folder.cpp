#include "platform/make_folder.h"

#include "platform/path_text.h"

#include <cerrno>
#include <string>
#ifdef Q_OS_WIN
#include <direct.h>
#else
#include <sys/stat.h>
#endif

namespace zentadial {

int makeFolder(const QString& path) {
#ifdef Q_OS_WIN
    const int made = ::_wmkdir(reinterpret_cast<const wchar_t*>(path.utf16()));
#else
    const std::string bytes = pathToUtf8(path);
    // The system would stop at the first null byte and make another folder.
    if (bytes.find('\0') != std::string::npos) {
        return EINVAL;
    }
    const int made = ::mkdir(bytes.c_str(), 0777);
#endif
    return made == 0 ? 0 : errno;
}

} // namespace zentadial
