#pragma once

#include "cli/fd_io.h"
#include "core/regional_form.h"
#include "timescale/time_scale.h"

#include <cstddef>
#include <string_view>

namespace zentadial {

struct BatchOutcome {
    std::size_t entries = 0;
    std::size_t failed = 0;
    ScaleNotes notes; // of every entry together
};

enum class BatchFormat { Columns, JsonLines };

// One output line per input line, in order, whatever the line holds: a
// script can pair them up by position. A line is a keyword (date, mjd, epoch,
// jd), one blank or tab, and the text typed into that field. A line that is
// no entry, or an entry that does not convert, gives its emptied fields and a
// message naming the line on err; the batch always runs to the end.
[[nodiscard]] BatchOutcome convertBatch(FdLineReader& in, FdWriter& out, FdWriter& err,
                                        const RegionalForm& form, BatchFormat format,
                                        TimeScale scale = TimeScale::Utc);

} // namespace zentadial
