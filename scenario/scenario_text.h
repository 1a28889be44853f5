#pragma once

#include "core/conv_error.h"
#include "core/regional_form.h"

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace zentadial {

// Scenario files have been limited to this many lines for as long as the tool
// has existed; a longer file is refused rather than cut.
inline constexpr std::size_t kMaxScenarioLines = 10000;

// True for the lines the simulator reads its start date from: "  Date MJD" or
// "Date MJD" at the very start, compared byte for byte. Other indents, tabs
// and other cases are left alone on purpose: they are not lines we own.
[[nodiscard]] bool isDateLine(std::string_view line);

// The replacement line for a pass, built from the date field's text the
// first time a date line asks for it and kept for the rest of the pass. A
// pass that meets no date line never converts the text, so an empty or
// unfinished date field cannot fail it.
class DateLineSource {
public:
    DateLineSource(std::string dateText, RegionalForm form);

    [[nodiscard]] std::expected<std::string_view, ConvError> line();
    [[nodiscard]] const std::string& dateText() const { return dateText_; }

private:
    std::string dateText_;
    RegionalForm form_;
    std::optional<std::expected<std::string, ConvError>> built_;
};

enum class TextFailure { TooManyLines, DateNotADate, DateOutOfRange };

struct RewrittenText {
    std::string bytes;
    std::size_t lineCount = 0;
    std::size_t dateLineCount = 0;
};

// The whole file rewritten in memory. CR LF, CR and LF each end a line. A
// file whose every line end is LF keeps LF; any other file is written with
// CR LF, and a last line without an end gains one. Every other byte goes
// back as it came, whatever its encoding.
[[nodiscard]] std::expected<RewrittenText, TextFailure>
rewriteScenarioText(std::string_view bytes, DateLineSource& dateLine);

} // namespace zentadial
