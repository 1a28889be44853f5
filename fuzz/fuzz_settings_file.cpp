#include "core/settings_file.h"
#include "fuzz/fuzz_support.h"

using namespace zentadial;
using fuzz::require;

namespace {

// The one loss the file format accepts: a zone loses its leading blanks
// (" 5" comes back as "5", the same offset).
std::string_view withoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StoredSettings read = readSettings(fuzz::asText(data, size));
    const std::string written = writeSettings(read);
    require(written.ends_with("\r\n"), "the file ends with CR LF");
    const StoredSettings reread = readSettings(written);
    require(reread.folder == read.folder, "the folder survives a write and a read");
    require(reread.timeZone == read.timeZone ||
                reread.timeZone == withoutLeadingBlanks(read.timeZone),
            "the zone survives a write and a read");
    require(writeSettings(reread) == written || reread.timeZone != read.timeZone,
            "a second closing writes the same bytes");
    return 0;
}
