#include "platform/open_file_limit.h"

#ifndef _WIN32
#include <algorithm>
#include <sys/resource.h>
#endif

namespace zentadial {

#ifndef _WIN32
namespace {
// Far more folders than any scenario tree holds, and a table small enough
// for anything that still walks every possible descriptor.
constexpr rlim_t kEnoughOpenFiles = 16384;
} // namespace
#endif

void raiseOpenFileLimit() {
#ifndef _WIN32
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < kEnoughOpenFiles) {
        limit.rlim_cur = std::min(kEnoughOpenFiles, limit.rlim_max);
        // Refused, the program keeps the limit it had: folders beyond it are
        // listed as folders it cannot open.
        (void)setrlimit(RLIMIT_NOFILE, &limit);
    }
#endif
}

} // namespace zentadial
