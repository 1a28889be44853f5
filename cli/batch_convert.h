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

// One output line per entry, in order: a script pairs them up by position
// with the entries it wrote. An entry is a keyword (date, mjd, epoch, jd, in
// any case), one blank or tab, and the text typed into that field; a blank
// line and a line whose first non-blank is "#" are no entries and give no
// output. A line that is no entry, an entry that does not convert, and a
// line longer than the reader's limit give their emptied values and one
// message naming the input line on err; the batch always runs to the end.
// Each result is written out before the batch waits for more input.
[[nodiscard]] BatchOutcome convertBatch(FdLineReader& in, FdWriter& out, FdWriter& err,
                                        const RegionalForm& form, BatchFormat format,
                                        TimeScale scale = TimeScale::Utc);

} // namespace zentadial
