#include "scenario/scenario_preview.h"

#include "scenario/failure_kind.h"
#include "scenario/file_steps.h"
#include "scenario/file_system.h"
#include "scenario/scenario_notes.h"
#include "scenario/scenario_text.h"

#include <algorithm>

namespace zentadial {

ScenarioPreviewOutcome previewScenarioFile(std::string_view pathText, DateLineSource& dateLine,
                                           FileSystem& fs) {
    const std::string path(pathText);
    auto file = openNamedFile(fs, path);
    if (!file) {
        return fileFailure(failureKindOf(file.error().kind), path, std::move(file.error().reason),
                           dateLine);
    }
    return previewScenarioFile(*file, dateLine, fs);
}

ScenarioPreviewOutcome previewScenarioFile(const FileInFolder& file, DateLineSource& dateLine,
                                           FileSystem& fs) {
    const std::string& path = file.path;
    auto fail = [&](ScenarioFailureKind kind, std::string reason) {
        return fileFailure(kind, path, std::move(reason), dateLine);
    };

    auto reached = reachFile(fs, file);
    if (!reached) {
        return fail(failureKindOf(reached.error().kind), std::move(reached.error().reason));
    }
    auto contents = readFile(fs, *reached);
    if (!contents) {
        return fail(failureKindOf(contents.error().kind), std::move(contents.error().reason));
    }
    // The rewrite itself decides what fails, so the preview cannot disagree.
    const auto text = rewriteScenarioText(contents->bytes, dateLine);
    if (!text) {
        auto failure = fail(failureKindOf(text.error().kind), {});
        failure.error().unread = text.error().unread;
        return failure;
    }
    ScenarioPreview preview{.path = path,
                            .outcome = FileOutcome::NoDateLine,
                            .lineCount = text->lineCount,
                            .changes = {},
                            .before = text->before,
                            .after = text->after,
                            .notes = scenarioNotes(contents->bytes)};
    if (text->dateLineCount == 0) {
        return preview; // left as it is, so nothing can refuse it
    }
    preview.outcome =
        text->bytes == contents->bytes ? FileOutcome::AlreadyAtDate : FileOutcome::Written;
    // A file the rewrite would not write cannot be refused for writing.
    if (preview.outcome == FileOutcome::Written) {
        if (auto refused = checkReplaceable(fs, *reached); !refused) {
            return fail(failureKindOf(refused.error().kind), std::move(refused.error().reason));
        }
    }
    forEachLine(contents->bytes, [&](std::size_t number, std::string_view line) {
        if (std::find(text->dateLines.begin(), text->dateLines.end(), number) !=
            text->dateLines.end()) {
            // Built already: the rewrite met this very line.
            preview.changes.push_back({number, std::string(line), std::string(*dateLine.line())});
        }
        return true;
    });
    return preview;
}

} // namespace zentadial
