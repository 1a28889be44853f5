#pragma once

#include "scenario/file_steps.h"
#include "scenario/scenario_rewrite.h"

#include <expected>
#include <functional>
#include <memory>
#include <string_view>

namespace zentadial {

// One step of a walk: a scenario file to rewrite, in a folder the walk
// opened once, or a folder that could not be listed or a link that leads out
// of its folder (the walk goes on past both).
using ScenarioTreeEntry = std::expected<FileInFolder, ScenarioFailure>;
using ScenarioVisitor = std::function<void(const ScenarioTreeEntry& entry)>;

// Whether a walk enters folders named "Quicksave" (in any case): the
// simulator fills them with its own quick saves, which a user moving a set of
// scenarios rarely means to move too.
enum class QuicksaveFolders { Enter, Skip };

// The scenario files a path stands for, each handed to `visit` as soon as it
// is found, so that a pass over a large tree holds one folder's listing at a
// time. A path that names a folder stands for its own files, as
// listScenarioFiles gives them, then with `recursive` for those of every
// folder below it, its sub-folders in byte order of their names; any other
// path stands for the file it names (a link followed). Each sub-folder is
// opened from its parent, never through a link: hidden folders and links to
// folders are not entered, so a link can neither lead the walk in a circle
// nor out of the tree the user named.
void forEachScenarioFile(std::string_view pathText, bool recursive, const ScenarioVisitor& visit,
                         FileSystem& fs = systemFileSystem(),
                         QuicksaveFolders quicksave = QuicksaveFolders::Enter);
// The same for a folder already open, which a caller listed first to fail as
// a whole: the walk goes on from that very folder, not from its text again.
void forEachScenarioFile(const std::shared_ptr<const OpenFolder>& folder, bool recursive,
                         const ScenarioVisitor& visit, FileSystem& fs = systemFileSystem(),
                         QuicksaveFolders quicksave = QuicksaveFolders::Enter);

} // namespace zentadial
