#include "core/date_form.h"

#include "core/date_exact_reader.h"

#include <optional>

namespace zentadial::detail {
namespace {

ParsedForm parse(const RegionalForm& form) {
    ParsedForm parsed;
    parsed.dateToWrite = parsePattern(form.shortDatePattern);
    parsed.timeToWrite = parsePattern(form.longTimePattern);
    parsed.dateToRead = normalizedPattern(form.shortDatePattern);
    parsed.timeToRead = normalizedPattern(form.longTimePattern);
    parsed.markers = effectiveMarkers(form);
    parsed.markerTexts = markerTexts(form);
    parsed.clues = cluesOf(parsed.dateToRead, parsed.timeToRead, parsed.markerTexts);
    return parsed;
}

} // namespace

const ParsedForm& parsedForm(const RegionalForm& form) {
    struct Kept {
        RegionalForm form;
        std::optional<ParsedForm> parsed;
    };
    thread_local Kept kept;
    if (!kept.parsed || !(kept.form == form)) {
        kept.parsed = parse(form);
        kept.form = form;
    }
    return *kept.parsed;
}

} // namespace zentadial::detail
