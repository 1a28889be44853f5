#include "preview/preview_rows.h"

#include "scenario/failure_kind.h"
#include "scenario/file_steps.h"
#include "scenario/folder_path.h"
#include "scenario/scenario_preview.h"
#include "scenario/scenario_tree.h"

namespace zentadial {
namespace {

// The path as the user reads it in a table of one folder: what follows the
// folder's own text.
std::string nameBelow(const std::string& folder, const std::string& path) {
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0) {
        std::size_t start = folder.size();
        while (start < path.size() && isPathSeparator(path[start])) {
            ++start;
        }
        return path.substr(start);
    }
    return path;
}

PreviewRow fileRow(const FileInFolder& file, std::string name, DateLineSource& dateLine,
                   FileSystem& fs) {
    PreviewRow row{file.path, std::move(name), file};
    if (auto reached = reachFile(fs, file)) {
        if (auto contents = readFile(fs, *reached)) {
            row.reading = readScenario(contents->bytes);
            row.notes = scenarioNotes(contents->bytes);
        }
    }
    // The rewrite's own checks, so that what the table says is what the
    // pass will do.
    auto preview = previewScenarioFile(file, dateLine, fs);
    if (preview) {
        row.dateLines = preview->changes.size();
    } else {
        row.refusal = std::move(preview.error());
    }
    row.checked = !row.refusal;
    return row;
}

} // namespace

std::expected<std::vector<PreviewRow>, ScenarioFailure>
readPreviewRows(const PreviewSource& source, DateLineSource& dateLine, FileSystem& fs) {
    std::vector<PreviewRow> rows;
    if (!source.folder) {
        auto file = openNamedFile(fs, source.path);
        if (!file) {
            return fileFailure(failureKindOf(file.error().kind), source.path,
                               std::move(file.error().reason), dateLine);
        }
        // A file that cannot be read at all has nothing to show.
        PreviewRow row = fileRow(*file, fileNameOf(source.path), dateLine, fs);
        if (!row.reading && row.refusal) {
            return std::unexpected(std::move(*row.refusal));
        }
        rows.push_back(std::move(row));
        return rows;
    }
    // The top folder fails as a whole; below it, a folder that cannot be
    // listed is a row of its own. The walk starts from the folder the
    // listing opened.
    auto listing = listScenarioFiles(source.path, fs);
    if (!listing) {
        return std::unexpected(std::move(listing.error()));
    }
    forEachScenarioFile(
        listing->folder, source.subFolders,
        [&](const ScenarioTreeEntry& entry) {
            if (entry) {
                rows.push_back(fileRow(*entry, nameBelow(source.path, entry->path), dateLine, fs));
            } else {
                PreviewRow refused{entry.error().path, nameBelow(source.path, entry.error().path)};
                refused.refusal = entry.error();
                rows.push_back(std::move(refused));
            }
        },
        fs);
    return rows;
}

} // namespace zentadial
