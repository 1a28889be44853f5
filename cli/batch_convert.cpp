#include "cli/batch_convert.h"

#include "cli/entry_fields.h"
#include "cli/field_output.h"

#include <string>

namespace zentadial {
namespace {

EntryResult convertLine(std::string_view line, const RegionalForm& form, TimeScale scale) {
    const std::size_t gap = line.find_first_of(" \t");
    const std::string_view keyword = line.substr(0, gap);
    const std::string_view text = gap == std::string_view::npos ? "" : line.substr(gap + 1);
    if (const auto field = fieldNamed(keyword)) {
        return convertPlainEntry(*field, text, form, scale);
    }
    EntryResult result;
    result.scale = scale;
    result.problem = line.empty() ? std::string("an empty line is no entry")
                                  : "\"" + std::string(keyword) +
                                        "\" is no kind of entry (date, mjd, epoch or jd)";
    return result;
}

} // namespace

BatchOutcome convertBatch(FdLineReader& in, FdWriter& out, FdWriter& err, const RegionalForm& form,
                          BatchFormat format, TimeScale scale) {
    BatchOutcome outcome;
    while (const auto line = in.next()) {
        ++outcome.entries;
        const EntryResult result = convertLine(*line, form, scale);
        outcome.notes.approximate = outcome.notes.approximate || result.notes.approximate;
        outcome.notes.afterLastLeapSecond =
            outcome.notes.afterLastLeapSecond || result.notes.afterLastLeapSecond;
        outcome.notes.inLeapSecond = outcome.notes.inLeapSecond || result.notes.inLeapSecond;
        out.write(format == BatchFormat::JsonLines ? fieldJson(result, form)
                                                   : fieldRow(result.fields));
        if (!result.problem.empty()) {
            ++outcome.failed;
            err.write("zentadial-cli: line " + std::to_string(outcome.entries) + ": " +
                      result.problem + "\n");
        }
    }
    return outcome;
}

} // namespace zentadial
