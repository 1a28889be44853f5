#pragma once

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
};

} // namespace zentadial
