#include "scenario/scenario_tree.h"

#include "scenario/folder_path.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <system_error>
#include <utility>

namespace zentadial {
namespace {

ScenarioFailure cannotList(const std::string& path, std::error_code error) {
    return {.kind = ScenarioFailureKind::CannotList,
            .path = path,
            .reason = error.message(),
            .folderPass = true};
}

void visitListing(FileSystem& fs, const std::shared_ptr<const OpenFolder>& folder,
                  const ScenarioVisitor& visit) {
    auto listing = listScenarioFiles(folder, fs);
    if (!listing) {
        visit(std::unexpected(std::move(listing.error())));
        return;
    }
    for (const auto& path : listing->files) {
        visit(FileInFolder{folder, fileNameOf(path), path});
    }
    for (auto& skipped : listing->skipped) {
        visit(std::unexpected(std::move(skipped)));
    }
}

bool isQuicksave(std::string_view name) {
    constexpr std::string_view kName = "quicksave";
    return std::ranges::equal(name, kName, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

void walk(FileSystem& fs, const std::shared_ptr<const OpenFolder>& folder,
          const ScenarioVisitor& visit, QuicksaveFolders quicksave) {
    visitListing(fs, folder, visit);
    const auto names = listFolderNames(fs, *folder, [&](const FolderEntry& entry) {
        if (entry.hidden) {
            return false;
        }
        if (entry.type != EntryType::Unknown) {
            return entry.type == EntryType::Folder;
        }
        const auto info = fs.entryAt(*folder, entry.name);
        return info && info->type == EntryType::Folder;
    });
    if (!names) {
        visit(std::unexpected(cannotList(folder->path, names.error())));
        return;
    }
    for (const auto& name : *names) {
        if (quicksave == QuicksaveFolders::Skip && isQuicksave(name)) {
            continue;
        }
        auto sub = fs.openFolderAt(*folder, name);
        if (!sub) {
            visit(std::unexpected(cannotList(joinPath(folder->path, name), sub.error())));
            continue;
        }
        walk(fs, std::make_shared<const OpenFolder>(std::move(*sub)), visit, quicksave);
    }
}

} // namespace

void forEachScenarioFile(std::string_view pathText, bool recursive, const ScenarioVisitor& visit,
                         FileSystem& fs, QuicksaveFolders quicksave) {
    const std::string path(pathText);
    std::expected<OpenFolder, std::error_code> folder =
        std::unexpected(std::make_error_code(std::errc::invalid_argument));
    if (!path.empty()) {
        folder = fs.openFolder(path);
    }
    if (!folder) {
        auto file = openNamedFile(fs, path);
        if (!file) {
            visit(std::unexpected(ScenarioFailure{.kind = ScenarioFailureKind::CannotOpen,
                                                  .path = path,
                                                  .reason = std::move(file.error().reason)}));
            return;
        }
        visit(*file);
        return;
    }
    forEachScenarioFile(std::make_shared<const OpenFolder>(std::move(*folder)), recursive, visit,
                        fs, quicksave);
}

void forEachScenarioFile(const std::shared_ptr<const OpenFolder>& folder, bool recursive,
                         const ScenarioVisitor& visit, FileSystem& fs, QuicksaveFolders quicksave) {
    if (recursive) {
        walk(fs, folder, visit, quicksave);
    } else {
        visitListing(fs, folder, visit);
    }
}

} // namespace zentadial
