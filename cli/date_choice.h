#pragma once

#include "cli/cli_support.h"
#include "core/regional_form.h"

#include <optional>
#include <string>

namespace zentadial {

// The date "Now" shows for the zone (default 0), or a usage error naming
// --zone when the zone moves the present out of the date range.
[[nodiscard]] Usage<std::string> presentDateText(const std::optional<std::string>& zone,
                                                 const RegionalForm& form);

// Which date the scenario files are moved to, as the options gave it.
struct RewriteDateChoice {
    std::optional<std::string> date;
    std::optional<std::string> mjd;
    bool now = false;
    std::optional<std::string> zone;
};

// The date field's text the rewrite writes: --date as typed, --mjd as the
// window shows it after the MJD is typed, --now as "Now" shows it. A date
// that does not convert is refused here, naming its option, before any file
// is read: otherwise every file with a date line would fail, and every file
// without one would still be rewritten.
[[nodiscard]] Usage<std::string> rewriteDateText(const RewriteDateChoice& choice,
                                                 const RegionalForm& form);

} // namespace zentadial
