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
constexpr std::string_view kCommentGap = "     ; ";

constexpr std::string_view kLineEnd = "\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Runs of blanks as one blank.
std::string collapsedBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c) || out.empty() || out.back() != ' ') {
            out += isBlank(c) ? ' ' : c;
        }
    }
    return out;
}

// At most `size` bytes, not cutting a UTF-8 sequence in two.
void cutTo(std::string& text, std::size_t size) {
    if (text.size() <= size) {
        return;
    }
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) {
        --size;
    }
    text.resize(size);
}

std::expected<std::string, ConvError> buildDateLine(std::string_view text, const RegionalForm& form,
                                                    const MjdScale& scale,
                                                    std::string_view suffix) {
    const Conv<SerialDate> date = dateFromText(text, form);
    if (!date) {
        return std::unexpected(date.error());
    }
    const Conv<double> mjd = scale.mjdOfDate(*date);
    if (!mjd) {
        return std::unexpected(mjd.error());
    }
    return dateLineFor(*mjd, text, suffix);
}

// The simulator must start the new text at the number a replaced line
// carries, as it reads those digits back.
std::optional<HiddenDateLine> unreadDate(const ScenarioReading& after, std::string_view line,
                                         const std::vector<std::size_t>& replaced) {
    const auto isReplaced = [&](std::size_t number) {
        return std::find(replaced.begin(), replaced.end(), number) != replaced.end();
    };
    const auto written = dateLineOf(line);
    if (after.date && written && written->value && after.date->kind == DateKind::Mjd &&
        *written->value == after.date->value && isReplaced(after.date->lineNumber)) {
        return std::nullopt;
    }
    for (const HiddenDateLine& hidden : after.hidden) {
        if (isReplaced(hidden.lineNumber)) {
            return hidden;
        }
    }
    const std::size_t other = after.date ? after.date->lineNumber : 0;
    return HiddenDateLine{replaced.back(), DateHiddenBy::LaterDateLine, other, 0, true};
}

} // namespace

bool isScenarioText(std::string_view bytes) {
    // FF FE also begins the UTF-32 little-endian mark; 00 00 FE FF holds NULs.
    return !bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF") &&
           bytes.find('\0') == std::string_view::npos;
}

bool isDateLine(std::string_view line) {
    return dateLineOf(line).has_value();
}

std::string dateLineFor(double mjd, std::string_view comment, std::string_view suffix) {
    std::string line;
    line.append(kIndentedPrefix).append(spacedNumberText(mjd)).append(kCommentGap);
    // The comment may hold line ends (a date text reads them as blanks);
    // copied as they are, they would split the date line.
    std::string text(comment);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const std::size_t room = kMaxSimulatorLine - kLineEnd.size() - line.size() - suffix.size();
    if (text.size() > room) {
        text = collapsedBlanks(text);
        cutTo(text, room);
    }
    return line.append(text).append(suffix);
}

DateLineSource::DateLineSource(std::string dateText, RegionalForm form, const MjdScale& scale,
                               std::string suffix)
    : dateText_(std::move(dateText)), form_(std::move(form)), scale_(&scale),
      suffix_(std::move(suffix)) {}

DateLineSource DateLineSource::forMjd(double mjd, std::string comment, std::string suffix) {
    DateLineSource source(std::move(comment), RegionalForm::englishUnitedStates(), kUtcScale,
                          std::move(suffix));
    source.built_ = dateLineFor(mjd, source.dateText_, source.suffix_);
    return source;
}

std::expected<std::string_view, ConvError> DateLineSource::line() {
    if (!built_) {
        built_ = buildDateLine(dateText_, form_, *scale_, suffix_);
    }
    if (!*built_) {
        return std::unexpected(built_->error());
    }
    return std::string_view(**built_);
}

std::expected<RewrittenText, TextRefusal> rewriteScenarioText(std::string_view bytes,
                                                              DateLineSource& dateLine) {
    if (!isScenarioText(bytes)) {
        return std::unexpected(TextRefusal{TextFailure::NotText});
    }
    // Any CR is a line end of its own or half of a CR LF, so LF alone rules
    // exactly when there is no CR and at least one LF.
    const bool allLf =
        bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos;
    const std::string_view lineEnd = allLf ? "\n" : kLineEnd;

    RewrittenText out;
    out.before = readScenario(bytes);
    const LineRange section = out.before.section.value_or(LineRange{});
    out.bytes.reserve(bytes.size() + bytes.size() / 16 + 64);
    std::optional<TextFailure> failed;
    forEachLine(bytes, [&](std::size_t number, std::string_view line) {
        out.lineCount = number;
        if (number > kMaxScenarioLines) {
            failed = TextFailure::TooManyLines;
            return false;
        }
        if (number >= section.first && number <= section.last && isDateLine(line)) {
            const auto replacement = dateLine.line();
            if (!replacement) {
                failed = replacement.error() == ConvError::Overflow ? TextFailure::DateOutOfRange
                                                                    : TextFailure::DateNotADate;
                return false;
            }
            out.bytes.append(*replacement);
            out.dateLines.push_back(number);
        } else {
            out.bytes.append(line);
        }
        out.bytes.append(lineEnd);
        return true;
    });
    if (failed) {
        return std::unexpected(TextRefusal{*failed});
    }
    out.dateLineCount = out.dateLines.size();
    if (out.dateLineCount > 0) {
        const ScenarioReading after = readScenario(out.bytes);
        if (auto unread = unreadDate(after, *dateLine.line(), out.dateLines)) {
            return std::unexpected(TextRefusal{TextFailure::DateNotRead, *unread});
        }
        out.after = after.date;
    }
    return out;
}

} // namespace zentadial
