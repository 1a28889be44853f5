#include "cli/batch_convert.h"

#include "cli/argument_bytes.h"
#include "cli/entry_fields.h"
#include "cli/field_output.h"

#include <string>

namespace zentadial {
namespace {

constexpr std::string_view kBlanks = " \t";

EntryResult failedLine(TimeScale scale, std::string problem) {
    EntryResult result;
    result.scale = scale;
    result.problem = std::move(problem);
    return result;
}

EntryResult convertLine(std::string_view line, const RegionalForm& form, TimeScale scale) {
    const std::size_t gap = line.find_first_of(kBlanks);
    const std::string_view keyword = line.substr(0, gap);
    const std::string_view text = gap == std::string_view::npos ? "" : line.substr(gap + 1);
    if (const auto field = fieldNamed(keyword)) {
        return convertPlainEntry(*field, text, form, scale);
    }
    return failedLine(scale, "\"" + printableBytes(keyword) +
                                 "\" is no kind of entry (date, mjd, epoch or jd)");
}

bool isNoEntry(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    return first == std::string_view::npos || line[first] == '#';
}

void addNotes(ScaleNotes& all, const ScaleNotes& one) {
    all.approximate = all.approximate || one.approximate;
    all.afterLastLeapSecond = all.afterLastLeapSecond || one.afterLastLeapSecond;
    all.inLeapSecond = all.inLeapSecond || one.inLeapSecond;
}

} // namespace

BatchOutcome convertBatch(FdLineReader& in, FdWriter& out, FdWriter& err, const RegionalForm& form,
                          BatchFormat format, TimeScale scale) {
    BatchOutcome outcome;
    std::size_t lineNumber = 0;
    for (;;) {
        if (!in.lineReady()) {
            // Whoever feeds the batch line by line sees each answer at once.
            out.flush();
            err.flush();
        }
        // Once the output is gone nothing more can be told: stop reading
        // rather than convert the rest of the input for nobody.
        const auto line = out.error() ? std::nullopt : in.next();
        if (!line) {
            break;
        }
        ++lineNumber;
        if (!line->tooLong && isNoEntry(line->text)) {
            continue;
        }
        ++outcome.entries;
        const EntryResult result =
            line->tooLong ? failedLine(scale, "a line of more than " + std::to_string(in.limit()) +
                                                  " bytes is no entry")
                          : convertLine(line->text, form, scale);
        addNotes(outcome.notes, result.notes);
        out.write(format == BatchFormat::JsonLines ? fieldJson(result, form)
                                                   : fieldRow(result, form));
        if (!result.problem.empty()) {
            ++outcome.failed;
            err.write("zentadial-cli: line " + std::to_string(lineNumber) + ": " + result.problem +
                      "\n");
        }
    }
    return outcome;
}

} // namespace zentadial
