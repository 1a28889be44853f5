#include "cli/file_report.h"

#include "cli/argument_bytes.h"
#include "cli/field_output.h"

namespace zentadial {

void FileLines::failed(const std::string& path, std::string_view text, std::string_view key,
                       std::string_view members, const std::string& why) {
    const std::string shown = printableBytes(path);
    if (json_) {
        io_.out.write("{\"path\":" + jsonString(shown) + ",\"outcome\":\"failed\",\"failure\":\"" +
                      std::string(key) + "\"" + std::string(members) + "}\n");
    } else {
        io_.out.write(shown + std::string(text) + "\n");
    }
    io_.out.flush();
    io_.err.write("zentadial-cli: " + why + "\n");
    io_.err.flush();
}

void FileLines::object(const std::string& path, std::string_view members) {
    io_.out.write("{\"path\":" + jsonString(printableBytes(path)) + std::string(members) + "}\n");
    io_.out.flush();
}

void FileLines::text(const std::string& lines) {
    io_.out.write(lines);
    io_.out.flush();
}

void FileLines::summary(std::string_view members) {
    io_.out.write("{\"summary\":{" + std::string(members) + "}}\n");
    io_.out.flush();
}

QuicksaveFolders quicksaveOf(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("include-quicksave")) ? QuicksaveFolders::Enter
                                                             : QuicksaveFolders::Skip;
}

Usage<DateReading> dateReadingOf(const QCommandLineParser& parser) {
    auto form = regionalFormFor(optionText(parser, QStringLiteral("locale")));
    if (!form) {
        return std::unexpected(form.error());
    }
    const auto scale = scaleOption(parser);
    if (!scale) {
        return std::unexpected(scale.error());
    }
    return DateReading{std::move(*form), *scale};
}

std::string_view noteKey(NoteFamily family) {
    switch (family) {
    case NoteFamily::ElementsEpoch:
        return "ELEMENTS";
    case NoteFamily::StateVectors:
        return "RPOS/RVEL";
    case NoteFamily::Landed:
        return "landed";
    case NoteFamily::LaunchMjd:
        return "LAUNCH_MJD";
    case NoteFamily::MetStartMjd:
        return "MET_STARTING_MJD";
    case NoteFamily::TransferPlanDate:
        return "transfer plan date";
    case NoteFamily::TransferPlanData:
        return "transfer plan data";
    case NoteFamily::Playback:
        return "Playback";
    case NoteFamily::GuidanceMemory:
        break;
    }
    return "AGC memory image";
}

std::string effectiveDateJson(std::string_view prefix, std::optional<double> mjd, TimeScale scale) {
    std::string utc = "null";
    if (mjd) {
        if (const auto civil = mjdScaleOf(scale).dateOfMjd(*mjd)) {
            utc = "\"" + isoUtcText(*civil) + "\"";
        }
    }
    const std::string name(prefix);
    return "\"" + name + "Mjd\":" + jsonNumber(mjd) + ",\"" + name + "Utc\":" + utc;
}

std::string effectiveDateJson(std::string_view prefix, const std::optional<SimulatorDate>& date,
                              TimeScale scale) {
    return effectiveDateJson(prefix, date ? std::optional(date->mjd) : std::nullopt, scale);
}

std::string notesJson(const std::vector<ScenarioNote>& notes) {
    std::string text = "[";
    for (const auto& note : notes) {
        text +=
            std::string(text.size() > 1 ? "," : "") + "{\"kind\":\"" +
            std::string(noteKey(note.family)) + "\",\"line\":" + std::to_string(note.lineNumber) +
            ",\"value\":" + jsonNumber(note.value) + ",\"vessel\":" + jsonString(note.vessel) + "}";
    }
    return text + "]";
}

} // namespace zentadial
