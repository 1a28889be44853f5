#pragma once

#include "scenario/scenario_notes.h"
#include "scenario/scenario_reader.h"

#include <QCoreApplication>
#include <QStringList>

namespace zentadial {

// The window's words for how the simulator reads a scenario: why it starts
// at the present moment, and the date lines it does not read.
class ReadingWords final {
    Q_DECLARE_TR_FUNCTIONS(zentadial::ReadingWords)
public:
    [[nodiscard]] static QStringList notes(const ScenarioReading& reading);
    // What else a new date touches: vessels by elements, by state vectors or
    // landed, and the MJDs that add-ons keep, counted by kind.
    [[nodiscard]] static QStringList notes(const std::vector<ScenarioNote>& notes,
                                           const std::optional<SimulatorDate>& date);
};

} // namespace zentadial
