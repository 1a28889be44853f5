#pragma once

#include "scenario/scenario_rewrite.h"

#include <expected>
#include <string>
#include <string_view>
#include <vector>

namespace zentadial {

// One step of a walk: a scenario file to rewrite, or a folder that could not
// be listed or a link that leads out of its folder (the walk goes on past
// both).
using ScenarioTreeEntry = std::expected<std::string, ScenarioFailure>;

// The listing's files, then its skipped links, or its failure, as entries.
void appendListing(std::expected<ScenarioListing, ScenarioFailure> listing,
                   std::vector<ScenarioTreeEntry>& entries);

// Whether a walk enters folders named "Quicksave" (in any case): the
// simulator fills them with its own quick saves, which a user moving a set of
// scenarios rarely means to move too.
enum class QuicksaveFolders { Enter, Skip };

// The scenario files of a folder and of every folder below it: each folder's
// own files first, as listScenarioFiles gives them, then its sub-folders in
// byte order of their names. Hidden folders and links to folders are not
// entered, so a link can neither lead the walk in a circle nor out of the
// tree the user named.
[[nodiscard]] std::vector<ScenarioTreeEntry>
listScenarioTree(std::string_view folderText, FileSystem& fs = systemFileSystem(),
                 QuicksaveFolders quicksave = QuicksaveFolders::Enter);

} // namespace zentadial
