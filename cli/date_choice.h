#pragma once

#include "cli/cli_support.h"
#include "core/regional_form.h"
#include "scenario/scenario_text.h"
#include "timescale/time_scale.h"

#include <optional>
#include <string>
#include <string_view>

namespace zentadial {

// A number given on the command line, read in the one fixed form ("." as the
// decimal point, no group separators) whatever the locale: a "." must never
// be taken for a thousands separator. A usage error names the option.
[[nodiscard]] Usage<double> plainNumberOption(std::string_view option, std::string_view text);

// --zone: hours east of GMT as a plain number ("-8", "5.5") or as ±H:MM
// ("+5:30"), within ±14 hours.
[[nodiscard]] Usage<double> zoneHours(std::string_view text);

// The date "Now" shows: the local clock less the zone when one is given, as
// the window computes it; otherwise the true UTC time, whatever the system's
// zone and daylight saving.
[[nodiscard]] Usage<std::string> presentDateText(const std::optional<std::string>& zone,
                                                 const RegionalForm& form);

// Which date the scenario files are moved to, as the options gave it.
struct RewriteDateChoice {
    std::optional<std::string> date;
    std::optional<std::string> mjd;
    bool now = false;
    std::optional<std::string> zone;
    TimeScale scale = TimeScale::Utc;
};

// The date line a rewrite writes: --date as typed, with the MJD of that text
// in the scale; --mjd with that number to the digits given and the UTC date it
// stands for as the comment; --now as "Now" shows it. A scale other than UTC
// is named after the date.
struct RewriteDate {
    std::string dateText;
    std::optional<double> mjd;
    RegionalForm form;
    TimeScale scale = TimeScale::Utc;

    [[nodiscard]] DateLineSource source() const;
    [[nodiscard]] ScaleNotes notes() const;
};

// A date that does not convert is refused here, naming its option, before
// any file is read: otherwise every file with a date line would fail.
[[nodiscard]] Usage<RewriteDate> rewriteDate(const RewriteDateChoice& choice,
                                             const RegionalForm& form);

} // namespace zentadial
