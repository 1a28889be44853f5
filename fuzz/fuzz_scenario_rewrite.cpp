#include "fuzz/fuzz_support.h"
#include "scenario/scenario_text.h"

#include <string>
#include <vector>

using namespace zentadial;
using fuzz::require;

namespace {

struct Line {
    std::string_view text;
    std::string_view end; // empty for a last line without one
};

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) {
            lines.push_back({bytes.substr(pos), {}});
            break;
        }
        const std::size_t endSize = bytes.substr(stop, 2) == "\r\n" ? 2 : 1;
        lines.push_back({bytes.substr(pos, stop - pos), bytes.substr(stop, endSize)});
        pos = stop + endSize;
    }
    return lines;
}

constexpr std::string_view kDefaultDate = "1/1/2004 12:00:00 PM";

} // namespace

// The bytes up to the first NUL are the scenario file; what follows, if
// anything, is the date field's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RegionalForm form = RegionalForm::englishUnitedStates();
    const std::string_view input = fuzz::asText(data, size);
    const std::size_t nul = input.find('\0');
    const std::string_view file = input.substr(0, nul);
    const std::string_view dateText =
        nul == std::string_view::npos ? kDefaultDate : input.substr(nul + 1);

    DateLineSource source{std::string(dateText), form};
    const auto rewritten = rewriteScenarioText(file, source);
    const std::vector<Line> before = splitLines(file);
    const ScenarioReading reading = readScenario(file);
    const auto inSection = [&](std::size_t index) {
        return reading.section && index + 1 >= reading.section->first &&
               index + 1 <= reading.section->last;
    };
    bool hasDateLine = false;
    for (std::size_t i = 0; i < before.size(); ++i) {
        hasDateLine = hasDateLine || (inSection(i) && isDateLine(before[i].text));
    }
    DateLineSource probe{std::string(dateText), form};
    const auto replacement = probe.line();

    const bool wide = file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF");
    require(wide == (!rewritten && rewritten.error() == TextFailure::NotText),
            "exactly the files with a UTF-16 or UTF-32 mark are no text");
    if (replacement) {
        require(replacement->size() + 2 <= kMaxSimulatorLine,
                "a date line and its end fit the simulator's line");
    }
    if (!rewritten) {
        if (wide) {
            return 0;
        }
        const bool tooLong = before.size() > kMaxScenarioLines;
        if (rewritten.error() == TextFailure::DateNotRead) {
            require(hasDateLine && rewritten.error().unread.has_value(),
                    "a date the simulator would miss is refused with the reason");
            return 0;
        }
        require(tooLong || (hasDateLine && !replacement),
                "a rewrite fails only for a long file or a date that does not convert");
        require(rewritten.error() == TextFailure::TooManyLines || !replacement,
                "a date failure only when the date does not convert");
        return 0;
    }
    require(before.size() <= kMaxScenarioLines, "a file over the line limit is refused");

    const std::vector<Line> after = splitLines(rewritten->bytes);
    require(after.size() == before.size(), "the rewrite keeps the number of lines");
    require(rewritten->lineCount == before.size(), "the line count is the file's");
    const bool allLf =
        file.find('\r') == std::string_view::npos && file.find('\n') != std::string_view::npos;
    std::size_t dateLines = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (inSection(i) && isDateLine(before[i].text)) {
            ++dateLines;
            require(replacement && after[i].text == *replacement,
                    "a date line becomes the built line");
        } else {
            require(after[i].text == before[i].text, "any other line goes back byte for byte");
        }
        require(after[i].end == (allLf ? "\n" : "\r\n"), "line ends are LF or CR LF throughout");
    }
    require(rewritten->dateLineCount == dateLines, "the date line count is right");
    if (dateLines > 0) {
        const auto date = readScenario(rewritten->bytes).date;
        require(date && date->value == dateLineOf(*replacement)->value,
                "the simulator starts the new text at the MJD written");
    }
    return 0;
}
