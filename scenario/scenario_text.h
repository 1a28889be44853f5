#pragma once

#include "core/conv_error.h"
#include "core/mjd_scale.h"
#include "core/regional_form.h"
#include "scenario/scenario_reader.h"

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// Scenario files have been limited to this many lines for as long as the tool
// has existed; a longer file is refused rather than cut.
inline constexpr std::size_t kMaxScenarioLines = 10000;

// True for a line the simulator would take its start date from inside the
// environment section: "Date" then "MJD", "JD" or "JE", in any case and any
// indent, with or without a number (dateLineOf).
[[nodiscard]] bool isDateLine(std::string_view line);

// The simulator reads at most this many characters of a line, its end
// included; what lies beyond is lost, and with a date line the rest of its
// section.
inline constexpr std::size_t kMaxSimulatorLine = 255;

// The date line for an MJD: "  Date MJD", the number as spacedNumberText
// writes it, "     ; ", the comment and the suffix (which names the MJD's
// time scale, if any). The comment is shortened (runs of blanks made one,
// then cut) so that the line and a CR LF stay within kMaxSimulatorLine; line
// ends in it become blanks.
[[nodiscard]] std::string dateLineFor(double mjd, std::string_view comment,
                                      std::string_view suffix = {});

// The replacement line for a pass, built the first time a date line asks for
// it and kept for the rest of the pass. From a date text, the MJD is that of
// the text (cMJD of dateFromText) and the text is the comment; a pass that
// meets no date line never converts the text, so an empty or unfinished date
// field cannot fail it. From an MJD, the number is written as given.
class DateLineSource {
public:
    // The MJD in the scale given, and the suffix that names it after the
    // date text (none for UTC, so that the line stays as it always was).
    DateLineSource(std::string dateText, RegionalForm form, const MjdScale& scale = kUtcScale,
                   std::string suffix = {});
    [[nodiscard]] static DateLineSource forMjd(double mjd, std::string comment,
                                               std::string suffix = {});

    [[nodiscard]] std::expected<std::string_view, ConvError> line();
    [[nodiscard]] const std::string& dateText() const { return dateText_; }
    // What follows the date text in the comment: the scale's name, if any.
    [[nodiscard]] const std::string& suffix() const { return suffix_; }

private:
    std::string dateText_;
    RegionalForm form_;
    const MjdScale* scale_;
    std::string suffix_;
    std::optional<std::expected<std::string, ConvError>> built_;
};

enum class TextFailure {
    NotText,
    TooManyLines,
    DateNotADate,
    DateOutOfRange,
    DateNotRead, // the simulator would not start the new text at the date written
};

struct TextRefusal {
    TextFailure kind = TextFailure::NotText;
    // With DateNotRead: the written date line it misses and why, or with
    // LaterDateLine the line it would read instead.
    std::optional<HiddenDateLine> unread{};
    friend bool operator==(const TextRefusal& refusal, TextFailure kind) {
        return refusal.kind == kind;
    }
};

// False for bytes that start with a UTF-16 or UTF-32 byte-order mark or hold
// a NUL byte: no text scenario, whose "lines" would be cut apart.
[[nodiscard]] bool isScenarioText(std::string_view bytes);

// The lines as a rewrite reads them: CR LF, CR and LF each end one, and a
// last line without an end is still a line. visit(number, line) counts from 1
// and returns false to stop.
template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    std::size_t number = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        if (!visit(++number, bytes.substr(pos, end - pos))) {
            return;
        }
        pos = end;
        if (pos < bytes.size()) {
            pos += bytes.compare(pos, 2, "\r\n") == 0 ? std::size_t{2} : std::size_t{1};
        }
    }
}

struct RewrittenText {
    std::string bytes;
    std::size_t lineCount = 0;
    std::size_t dateLineCount = 0;
    std::vector<std::size_t> dateLines; // the numbers of the lines replaced
    ScenarioReading before;             // the file as the simulator read it
    std::optional<SimulatorDate> after; // the date it reads from bytes, with date lines
};

// The whole file rewritten in memory: every date line of the environment
// section (ScenarioReading::section) becomes the built line, in whatever
// form, case or indent it stood; no line outside the section changes. The
// new text is read back as the simulator reads it: unless it starts at the
// MJD written, the rewrite is refused (DateNotRead). CR LF, CR and LF each end a line. A
// file whose every line end is LF keeps LF; any other file is written with
// CR LF, and a last line without an end gains one. Every other byte goes
// back as it came, whatever its 8-bit encoding. Bytes that are no text
// scenario (isScenarioText) are refused (NotText).
[[nodiscard]] std::expected<RewrittenText, TextRefusal>
rewriteScenarioText(std::string_view bytes, DateLineSource& dateLine);

} // namespace zentadial
