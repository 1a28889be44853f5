#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zentadial {

// Line numbers count from 1, as an editor and the rewrite count them: CR LF,
// CR and LF each end a line.

// Where a number stands in the file's bytes, so that a later change can
// rewrite it in place.
struct NumberSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// The simulator takes the start date in one of three forms: "Date MJD",
// "Date JD" or "Date JE" (a Julian epoch year).
enum class DateKind { Mjd, Jd, Je };

// One line whose text, trimmed as the simulator trims it (';' and what
// follows dropped, then blanks and tabs at both ends), starts with "Date"
// and then, trimmed again, "MJD", "JD" or "JE", each in any case.
struct DateLine {
    DateKind kind = DateKind::Mjd;
    std::optional<double> value;                     // as written, when %lf reads one
    std::size_t numberBegin = 0;                     // within the line, with value
    std::size_t numberEnd = 0;                       // one past its last byte
    [[nodiscard]] std::optional<double> mjd() const; // the value as an MJD
};

[[nodiscard]] std::optional<DateLine> dateLineOf(std::string_view line);

struct SimulatorDate {
    std::size_t lineNumber = 0;
    DateKind kind = DateKind::Mjd;
    double value = 0; // as written: an MJD, a JD or a Julian epoch year
    double mjd = 0;
    NumberSpan number;
};

// Why the simulator does not read a date line that a person reading the
// text would take for one.
enum class DateHiddenBy {
    NoSection,              // no line starts with BEGIN_ENVIRONMENT
    MarkBeforeSection,      // a UTF-8 byte-order mark stands before BEGIN_ENVIRONMENT
    IndentedSection,        // blanks or tabs stand before BEGIN_ENVIRONMENT
    EndOfFileBeforeSection, // a Ctrl-Z (byte 0x1A) ends the file before BEGIN_ENVIRONMENT
    LongLine,               // a line of 256 bytes or more earlier in the section
    EndOfFileMark,          // a Ctrl-Z earlier in the section ends the file there
    BeforeSection,          // above BEGIN_ENVIRONMENT
    AfterSection,           // below END_ENVIRONMENT
    SharedLine,             // a lone CR before it: the simulator sees one line with the text before
    LaterDateLine,          // the simulator reads the date of another line (causeLine) instead
};

struct HiddenDateLine {
    std::size_t lineNumber = 0; // the date line
    DateHiddenBy by = DateHiddenBy::NoSection;
    std::size_t causeLine = 0;   // what hides it: the long line, the Ctrl-Z, BEGIN or END (0: none)
    std::size_t causeLength = 0; // bytes of the long line, its end not counted
    bool hasNumber = false;      // it would set a date if the simulator read it
};

// Why, without a date, the simulator starts at the present moment.
enum class PresentMomentCause {
    NoDateLine, // no date line anywhere
    NoNumber,   // date lines without a readable number ("Date MJD ;"), read on purpose
    Hidden,     // dated lines only where the simulator does not read them
};

struct LineRange {
    std::size_t first = 0;
    std::size_t last = 0; // inclusive
};

struct ScenarioReading {
    // The last readable date line of the section; empty: the present moment.
    std::optional<SimulatorDate> date;
    PresentMomentCause presentCause = PresentMomentCause::NoDateLine; // without date
    // The environment section as the rewrite takes it: from the line where
    // the simulator finds BEGIN_ENVIRONMENT (or, when it finds none, the
    // first that does after a mark, blanks or a Ctrl-Z) to END_ENVIRONMENT or
    // the last line. Lines outside it are never rewritten.
    std::optional<LineRange> section;
    bool simulatorFindsSection = false;
    std::vector<std::size_t> dateLines; // every date line the simulator reads
    std::vector<HiddenDateLine> hidden; // date lines it does not read, in file order
};

// The file as the simulator's scenario reader sees it: Windows text mode (CR
// LF ends a line, byte 0x1A ends the file), 256-byte line buffer, the first
// line starting BEGIN_ENVIRONMENT at column 0 in any case, the section up to
// a line trimming to END_ENVIRONMENT in any case; JD and JE converted to MJD.
[[nodiscard]] ScenarioReading readScenario(std::string_view bytes);

} // namespace zentadial
