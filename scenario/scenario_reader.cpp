#include "scenario/scenario_reader.h"

#include "core/scales.h"
#include "scenario/scanned_number.h"
#include "scenario/scenario_text.h"

#include <algorithm>
#include <array>

namespace zentadial {
namespace {

// The simulator's line buffer holds 255 bytes and the closing NUL. A longer
// line fails the read; the search for BEGIN_ENVIRONMENT goes on with the
// rest of it as the next line, the reading of the section stops.
constexpr std::size_t kBufferBytes = 256;
constexpr std::size_t kChunkBytes = kBufferBytes - 1;
constexpr char kEndOfFileMark = '\x1A';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kBegin = "BEGIN_ENVIRONMENT";
constexpr std::string_view kEnd = "END_ENVIRONMENT";
constexpr std::string_view kDate = "Date";
constexpr double kMjdOfEpoch2000 = kJulianOfEpoch2000 - kJulianMinusMjd;

struct KindWord {
    std::string_view word;
    DateKind kind;
};
constexpr std::array kKindWords{KindWord{"MJD", DateKind::Mjd}, KindWord{"JD", DateKind::Jd},
                                KindWord{"JE", DateKind::Je}};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithAnyCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
}

bool equalsAnyCase(std::string_view text, std::string_view word) {
    return text.size() == word.size() && startsWithAnyCase(text, word);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// The simulator's trimming: ';' and all after it dropped, then blanks and
// tabs at both ends. No other byte is a blank to it.
std::string_view trimmed(std::string_view line) {
    std::string_view text = line.substr(0, line.find(';'));
    text.remove_prefix(skipBlanks(text, 0));
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// One read of the simulator's line buffer.
struct BufferRead {
    std::string_view text;
    std::size_t offset = 0;     // of text in the file
    std::size_t lineNumber = 0; // of the line it belongs to
    std::size_t lineLength = 0; // of that whole line, its end not counted
    bool failed = false;        // the buffer filled before the line's end
};

// Windows text mode over the bytes before any Ctrl-Z: LF ends a line and a
// CR just before it goes with it; any other CR stays in the line (and ends
// one for the rewrite and an editor, hence the line numbers).
std::vector<BufferRead> bufferReads(std::string_view bytes) {
    std::vector<BufferRead> reads;
    std::size_t lineNumber = 1;
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t end = bytes.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        } else if (end > pos && bytes[end - 1] == '\r') {
            --end;
        }
        const std::string_view line = bytes.substr(pos, end - pos);
        for (std::size_t at = 0;;) {
            const bool failed = line.size() - at >= kBufferBytes;
            const std::size_t size = failed ? kChunkBytes : line.size() - at;
            reads.push_back({line.substr(at, size), pos + at, lineNumber, line.size(), failed});
            at += size;
            if (!failed) {
                break;
            }
        }
        lineNumber += 1 + static_cast<std::size_t>(std::count(line.begin(), line.end(), '\r'));
        pos = next;
    }
    return reads;
}

struct EditorLine {
    std::string_view text;
    std::size_t offset = 0;
    std::size_t number = 0;
};

std::vector<EditorLine> editorLines(std::string_view bytes) {
    std::vector<EditorLine> lines;
    forEachLine(bytes, [&](std::size_t number, std::string_view line) {
        lines.push_back({line, static_cast<std::size_t>(line.data() - bytes.data()), number});
        return true;
    });
    return lines;
}

enum class StopKind { End, EndOfFile, LongLine };

struct SectionStop {
    StopKind kind = StopKind::EndOfFile;
    std::size_t line = 0;
    std::size_t length = 0;
};

// The reading proper: where the section begins, its date lines, where the
// simulator stops.
std::optional<SectionStop> readSection(const std::vector<BufferRead>& reads, ScenarioReading& out) {
    const auto begin = std::find_if(reads.begin(), reads.end(), [](const BufferRead& read) {
        return startsWithAnyCase(read.text, kBegin);
    });
    if (begin == reads.end()) {
        return std::nullopt;
    }
    out.simulatorFindsSection = true;
    out.section = LineRange{begin->lineNumber, begin->lineNumber};
    for (auto read = begin + 1; read != reads.end(); ++read) {
        if (read->failed) {
            return SectionStop{StopKind::LongLine, read->lineNumber, read->lineLength};
        }
        if (equalsAnyCase(trimmed(read->text), kEnd)) {
            return SectionStop{StopKind::End, read->lineNumber, 0};
        }
        const auto line = dateLineOf(read->text);
        if (!line) {
            continue;
        }
        out.dateLines.push_back(read->lineNumber);
        if (const auto mjd = line->mjd()) {
            out.date = SimulatorDate{
                read->lineNumber, line->kind, *line->value, *mjd,
                NumberSpan{read->offset + line->numberBegin, line->numberEnd - line->numberBegin}};
        }
    }
    return SectionStop{};
}

std::size_t lineNumberAt(const std::vector<EditorLine>& lines, std::size_t offset) {
    const auto after =
        std::upper_bound(lines.begin(), lines.end(), offset,
                         [](std::size_t at, const EditorLine& line) { return at < line.offset; });
    return after == lines.begin() ? 1 : std::prev(after)->number;
}

// Where BEGIN_ENVIRONMENT stands when the simulator misses it, and why it
// misses it.
struct MissedBegin {
    std::size_t line = 0;
    DateHiddenBy by = DateHiddenBy::NoSection;
    std::size_t causeLine = 0; // BEGIN_ENVIRONMENT's, or the Ctrl-Z's before it
};

std::optional<MissedBegin> missedBegin(const std::vector<EditorLine>& lines,
                                       std::size_t endOfFileMark) {
    for (const EditorLine& line : lines) {
        std::string_view text = line.text;
        const bool marked = line.number == 1 && text.starts_with(kUtf8Mark);
        if (marked) {
            text.remove_prefix(kUtf8Mark.size());
        }
        const std::size_t indent = skipBlanks(text, 0);
        if (!startsWithAnyCase(text.substr(indent), kBegin)) {
            continue;
        }
        MissedBegin missed{line.number, DateHiddenBy::SharedLine, line.number};
        if (line.offset >= endOfFileMark) {
            missed.by = DateHiddenBy::EndOfFileBeforeSection;
            missed.causeLine = lineNumberAt(lines, endOfFileMark);
        } else if (marked) {
            missed.by = DateHiddenBy::MarkBeforeSection;
        } else if (indent > 0) {
            missed.by = DateHiddenBy::IndentedSection;
        }
        return missed;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> DateLine::mjd() const {
    if (!value) {
        return std::nullopt;
    }
    switch (kind) {
    case DateKind::Mjd:
        break;
    case DateKind::Jd:
        return *value - kJulianMinusMjd;
    case DateKind::Je:
        return kMjdOfEpoch2000 + (*value - kEpoch2000) * kDaysPerJulianYear;
    }
    return value;
}

std::optional<DateLine> dateLineOf(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (!startsWithAnyCase(text, kDate)) {
        return std::nullopt;
    }
    const std::size_t textBegin = static_cast<std::size_t>(text.data() - line.data());
    const std::size_t word = skipBlanks(text, kDate.size());
    for (const KindWord& kind : kKindWords) {
        if (!startsWithAnyCase(text.substr(word), kind.word)) {
            continue;
        }
        const std::size_t rest = word + kind.word.size();
        DateLine date{kind.kind, std::nullopt, 0, 0};
        if (const auto number = scanNumber(text.substr(rest))) {
            date.value = number->value;
            date.numberBegin = textBegin + rest + number->begin;
            date.numberEnd = textBegin + rest + number->end;
        }
        return date;
    }
    return std::nullopt;
}

ScenarioReading readScenario(std::string_view bytes) {
    ScenarioReading out;
    const std::size_t endOfFileMark = std::min(bytes.find(kEndOfFileMark), bytes.size());
    const auto stop = readSection(bufferReads(bytes.substr(0, endOfFileMark)), out);
    const auto lines = editorLines(bytes);

    std::optional<MissedBegin> missed;
    if (!out.section) {
        missed = missedBegin(lines, endOfFileMark);
        if (missed) {
            out.section = LineRange{missed->line, missed->line};
        }
    }
    // The rewrite's section runs to END_ENVIRONMENT whatever stopped the
    // simulator on the way, so that verifying the result can say what did.
    std::size_t endLine = 0;
    if (out.section) {
        const auto end = std::find_if(lines.begin(), lines.end(), [&](const EditorLine& line) {
            return line.number > out.section->first && equalsAnyCase(trimmed(line.text), kEnd);
        });
        endLine = end == lines.end() ? 0 : end->number;
        out.section->last = end == lines.end() ? lines.back().number : end->number;
    }

    for (const EditorLine& line : lines) {
        const auto date = dateLineOf(line.text);
        if (!date || std::find(out.dateLines.begin(), out.dateLines.end(), line.number) !=
                         out.dateLines.end()) {
            continue;
        }
        HiddenDateLine hidden{line.number, DateHiddenBy::SharedLine, 0, 0, date->value.has_value()};
        if (!out.section) {
            hidden.by = DateHiddenBy::NoSection;
        } else if (line.number < out.section->first) {
            hidden.by = DateHiddenBy::BeforeSection;
            hidden.causeLine = out.section->first;
        } else if (endLine != 0 && line.number > endLine) {
            hidden.by = DateHiddenBy::AfterSection;
            hidden.causeLine = endLine;
        } else if (missed) {
            hidden.by = missed->by;
            hidden.causeLine = missed->causeLine;
        } else if (stop && stop->kind == StopKind::LongLine && stop->line <= line.number) {
            hidden.by = DateHiddenBy::LongLine;
            hidden.causeLine = stop->line;
            hidden.causeLength = stop->length;
        } else if (line.offset + line.text.size() >= endOfFileMark &&
                   endOfFileMark < bytes.size()) {
            hidden.by = DateHiddenBy::EndOfFileMark;
            hidden.causeLine = lineNumberAt(lines, endOfFileMark);
        }
        out.hidden.push_back(hidden);
    }

    if (!out.date) {
        const bool hiddenNumber = std::any_of(out.hidden.begin(), out.hidden.end(),
                                              [](const auto& line) { return line.hasNumber; });
        if (hiddenNumber) {
            out.presentCause = PresentMomentCause::Hidden;
        } else if (!out.dateLines.empty()) {
            out.presentCause = PresentMomentCause::NoNumber;
        } else if (!out.hidden.empty()) {
            out.presentCause = PresentMomentCause::Hidden;
        }
    }
    return out;
}

} // namespace zentadial
