#pragma once

#include "scenario/scenario_reader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// What a change of a scenario's date touches besides its date line, each
// kind from the public scenario files that carry it.
enum class NoteFamily {
    ElementsEpoch,    // a vessel given by ELEMENTS: its epoch (an MJD), from which it is propagated
    StateVectors,     // a vessel given by RPOS/RVEL: kept where it is relative to its body
    Landed,           // a vessel whose STATUS is Landed
    LaunchMjd,        // LAUNCH_MJD: a launch-control vessel's launch; its countdown runs to it
    MetStartMjd,      // MET_STARTING_MJD: when a vessel's mission clock started (below 0: not yet)
    TransferPlanDate, // a transfer-planning MFD's stored manoeuvre date ("Man. date")
    TransferPlanData, // a transfer-planning MFD's stored program data holding an MJD ("Data")
    Playback,         // a Playback entry in the environment section: a recorded flight
    GuidanceMemory,   // a guidance computer's memory image (AGC_BEGIN): time in its own units
};

// What moving the whole scenario in time does to the note's number.
enum class ShiftRule {
    Moves,   // a plain instant: it moves by the span
    OwnTime, // a stored plan, a recording, a memory image: its own time base, which cannot move
    NoTime,  // nothing that keeps time (state vectors, landed)
};

[[nodiscard]] ShiftRule shiftRuleOf(NoteFamily family);

struct ScenarioNote {
    NoteFamily family = NoteFamily::ElementsEpoch;
    std::size_t lineNumber = 0;  // the line holding the number (or the key, without one)
    std::string vessel;          // the vessel block it belongs to; empty outside one
    std::optional<double> value; // the MJD it carries, as %lf reads it
    NumberSpan number;           // where that number stands in the file
};

// Every note, in file order. Vessel blocks are the lines "Name:Class" to
// "END" inside BEGIN_SHIPS; MFD blocks run from BEGIN_MFD to END_MFD and are
// told apart by their MODE line.
[[nodiscard]] std::vector<ScenarioNote> scenarioNotes(std::string_view bytes);

} // namespace zentadial
