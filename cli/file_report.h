#pragma once

#include "cli/cli_support.h"
#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"
#include "scenario/scenario_rewrite.h"
#include "scenario/scenario_tree.h"
#include "timescale/time_scale.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// The per-file lines of a pass over scenario files. Each file's line is out
// as soon as the file is done, so that a reader that stops early, or a pass
// that is killed, shows how far it got; why a file failed goes once, to
// standard error.
class FileLines {
public:
    FileLines(CliStreams& io, bool json) : io_(io), json_(json) {}

    [[nodiscard]] bool json() const { return json_; }

    // A file that failed: "<path><text>" ("<path>: failed"), or the object
    // {"path","outcome":"failed","failure":<key><members>}; then `why` on
    // standard error. `members` is JSON text that starts with a comma.
    void failed(const std::string& path, std::string_view text, std::string_view key,
                std::string_view members, const std::string& why);
    // A file's object: {"path"<members>}.
    void object(const std::string& path, std::string_view members);
    // Text, each line ended.
    void text(const std::string& lines);
    // The last line of a JSON pass: {"summary":{<members>}}.
    void summary(std::string_view members);

private:
    CliStreams& io_;
    bool json_;
};

// --include-quicksave: whether a recursive pass enters Quicksave folders.
[[nodiscard]] QuicksaveFolders quicksaveOf(const QCommandLineParser& parser);

// The forms of --locale and the scale of --scale, which every command over
// scenario files reads before it starts.
struct DateReading {
    RegionalForm form;
    TimeScale scale = TimeScale::Utc;
};
[[nodiscard]] Usage<DateReading> dateReadingOf(const QCommandLineParser& parser);

// The note's name in text and JSON: "ELEMENTS", "LAUNCH_MJD", "transfer plan
// date".
[[nodiscard]] std::string_view noteKey(NoteFamily family);

// The date the simulator starts a file at, as JSON members named after
// `prefix`: "<prefix>Mjd" the MJD as written, "<prefix>Utc" the instant it
// stands for read in the scale; both null at the present moment.
[[nodiscard]] std::string effectiveDateJson(std::string_view prefix, std::optional<double> mjd,
                                            TimeScale scale);
[[nodiscard]] std::string effectiveDateJson(std::string_view prefix,
                                            const std::optional<SimulatorDate>& date,
                                            TimeScale scale);

// The notes as a JSON array of {"kind","line","value","vessel"}, value null
// for a note without a number.
[[nodiscard]] std::string notesJson(const std::vector<ScenarioNote>& notes);

} // namespace zentadial
