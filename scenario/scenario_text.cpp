#include "scenario/scenario_text.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/scales.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace zentadial {
namespace {

constexpr std::string_view kIndentedPrefix = "  Date MJD";
constexpr std::string_view kBarePrefix = "Date MJD";
constexpr std::string_view kCommentGap = "     ; ";

std::expected<std::string, ConvError> buildDateLine(std::string_view text,
                                                    const RegionalForm& form) {
    const Conv<SerialDate> date = dateFromText(text, form);
    if (!date) {
        return std::unexpected(date.error());
    }
    const Conv<double> mjd = cMJD(*date);
    if (!mjd) {
        return std::unexpected(mjd.error());
    }
    std::string line;
    line.append(kIndentedPrefix).append(spacedNumberText(*mjd)).append(kCommentGap).append(text);
    // The text may hold line ends, which read as blanks; copied as they are,
    // they would split the date line and add lines of their own to the file.
    std::replace_if(
        line.end() - static_cast<std::ptrdiff_t>(text.size()), line.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

// Where the line that starts at `from` ends, and where the next one begins.
struct LineSpan {
    std::size_t end;
    std::size_t next;
};

LineSpan nextLine(std::string_view bytes, std::size_t from) {
    std::size_t i = from;
    while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') {
        ++i;
    }
    if (i == bytes.size()) {
        return {i, i};
    }
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        return {i, i + 2};
    }
    return {i, i + 1};
}

} // namespace

bool isDateLine(std::string_view line) {
    return line.starts_with(kIndentedPrefix) || line.starts_with(kBarePrefix);
}

DateLineSource::DateLineSource(std::string dateText, RegionalForm form)
    : dateText_(std::move(dateText)), form_(std::move(form)) {}

std::expected<std::string_view, ConvError> DateLineSource::line() {
    if (!built_) {
        built_ = buildDateLine(dateText_, form_);
    }
    if (!*built_) {
        return std::unexpected(built_->error());
    }
    return std::string_view(**built_);
}

std::expected<RewrittenText, TextFailure> rewriteScenarioText(std::string_view bytes,
                                                              DateLineSource& dateLine) {
    // Any CR is a line end of its own or half of a CR LF, so LF alone rules
    // exactly when there is no CR and at least one LF.
    const bool allLf =
        bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos;
    const std::string_view lineEnd = allLf ? "\n" : "\r\n";

    RewrittenText out;
    out.bytes.reserve(bytes.size() + bytes.size() / 16 + 64);
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (++out.lineCount > kMaxScenarioLines) {
            return std::unexpected(TextFailure::TooManyLines);
        }
        const LineSpan span = nextLine(bytes, pos);
        const std::string_view line = bytes.substr(pos, span.end - pos);
        if (isDateLine(line)) {
            const auto replacement = dateLine.line();
            if (!replacement) {
                return std::unexpected(replacement.error() == ConvError::Overflow
                                           ? TextFailure::DateOutOfRange
                                           : TextFailure::DateNotADate);
            }
            out.bytes.append(*replacement);
            ++out.dateLineCount;
        } else {
            out.bytes.append(line);
        }
        out.bytes.append(lineEnd);
        pos = span.next;
    }
    return out;
}

} // namespace zentadial
