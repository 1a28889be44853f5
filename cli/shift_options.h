#pragma once

#include "cli/cli_support.h"
#include "core/regional_form.h"
#include "scenario/scenario_tree.h"
#include "timescale/time_scale.h"

#include <QCommandLineParser>
#include <vector>

namespace zentadial {

// rewrite's options for moving files by a span instead of to one date.
[[nodiscard]] QList<QCommandLineOption> shiftOptions();

// --shift or --shift-to was given: the pass moves each file by a span.
[[nodiscard]] bool shiftRequested(const QCommandLineParser& parser);

// The shift pass over the files the PATHs stand for; the exit status.
[[nodiscard]] int runShiftPass(const QCommandLineParser& parser, CliStreams& io,
                               const RegionalForm& form, TimeScale scale,
                               const std::vector<ScenarioTreeEntry>& entries);

} // namespace zentadial
