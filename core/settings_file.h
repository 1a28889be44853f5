#pragma once

#include <string>
#include <string_view>

namespace zentadial {

inline constexpr std::string_view kSettingsFileName = "Zentadial.dat";

// The values the converter keeps between runs: the last folder, the zone
// chosen, and the time scale chosen ("tdb" or "sim-now"; empty for UTC).
struct StoredSettings {
    std::string folder;
    std::string timeZone;
    std::string timeScale{};
    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// Reads the first three items of a settings file (a file with two lines has
// no third: the scale is then empty). An item skips leading blanks;
// a quoted item runs to the closing quote ("" inside stands for one quote) and
// reading goes on after the next comma or line end; any other item runs to
// the first comma or line end. Items missing at the end of the bytes are
// empty.
[[nodiscard]] StoredSettings readSettings(std::string_view bytes);

// Two lines ended by CR LF, and a third with the time scale only when one is
// chosen, so that the file stays as it always was for UTC. The folder is quoted when it would not
// read back whole otherwise (a comma or line end, a leading blank or a leading quote); the zone
// only for a comma, a line end or a quote after its leading blanks.
[[nodiscard]] std::string writeSettings(const StoredSettings& settings);

} // namespace zentadial
