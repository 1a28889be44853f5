#include "scenario/scenario_preview.h"

#include "scenario/failure_kind.h"
#include "scenario/file_bytes.h"
#include "scenario/scenario_text.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zentadial {
namespace {

// The refusal the writing would meet first, on the file or the target of its
// link: a preview that promises a rewrite of a read-only file misleads.
std::optional<std::string> readOnlyReason(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return std::string{};
    }
    if (::access(path.c_str(), W_OK) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS)) {
        return errno == EROFS ? std::generic_category().message(errno) : std::string{};
    }
    return std::nullopt;
}

// The lines as the rewrite reads them: CR LF, CR and LF each end one.
template <class F> void forEachLine(std::string_view bytes, F&& visit) {
    std::size_t number = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        visit(++number, bytes.substr(pos, end - pos));
        pos = end;
        if (pos < bytes.size()) {
            pos += bytes.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
        }
    }
}

} // namespace

ScenarioPreviewOutcome previewScenarioFile(std::string_view pathText, std::string_view dateText,
                                           const RegionalForm& form) {
    const std::string path(pathText);
    auto fail = [&](ScenarioFailureKind kind, std::string reason) {
        ScenarioFailure failure{kind, path, std::move(reason), {}, false, 0};
        if (kind == ScenarioFailureKind::DateNotADate ||
            kind == ScenarioFailureKind::DateOutOfRange) {
            failure.dateText = std::string(dateText);
        }
        return std::unexpected(std::move(failure));
    };

    auto bytes = readFileBytes(path);
    if (!bytes) {
        return fail(failureKindOf(bytes.error().kind), std::move(bytes.error().reason));
    }
    DateLineSource dateLine{std::string(dateText), form};
    // The rewrite itself decides what fails, so the preview cannot disagree.
    const auto text = rewriteScenarioText(*bytes, dateLine);
    if (!text) {
        return fail(failureKindOf(text.error()), {});
    }
    if (auto reason = readOnlyReason(path)) {
        return fail(ScenarioFailureKind::ReadOnly, std::move(*reason));
    }
    ScenarioPreview preview{path, text->lineCount, {}};
    forEachLine(*bytes, [&](std::size_t number, std::string_view line) {
        if (isDateLine(line)) {
            // Built already: the rewrite met this very line.
            preview.changes.push_back({number, std::string(line), std::string(*dateLine.line())});
        }
    });
    return preview;
}

} // namespace zentadial
