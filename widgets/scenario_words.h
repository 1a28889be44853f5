#pragma once

#include "scenario/scenario_rewrite.h"
#include "timescale/time_scale.h"

#include <QCoreApplication>
#include <QString>

namespace zentadial {

// The texts of one message box: the prompt, the smaller line under it, and
// what the user can unfold.
struct PassMessage {
    QString prompt;
    QString detail;
    QString details;
};

// The window's words for what the scenario library and the time scales hand
// back as values, in the user's language.
class ScenarioWords final {
    Q_DECLARE_TR_FUNCTIONS(zentadial::ScenarioWords)
public:
    // What was not done, to which file or folder, why, and for a pass that
    // ended how far it had got.
    [[nodiscard]] static QString failure(const ScenarioFailure& failure);
    // "File Converted" only over a file that was written.
    [[nodiscard]] static PassMessage file(const ScenarioFileResult& result);
    // The files written, left unchanged and refused, each counted; every
    // refused file named with its reason in the details.
    [[nodiscard]] static PassMessage folder(const ScenarioFolderResult& result);
    // A sentence for each note; empty when there is nothing to say.
    [[nodiscard]] static QString scaleNotes(const ScaleNotes& notes);
};

} // namespace zentadial
