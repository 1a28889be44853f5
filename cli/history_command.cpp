#include "cli/history_command.h"

#include "cli/argument_bytes.h"
#include "cli/journal_words.h"
#include "cli/shift_words.h"
#include "scenario/journal_pass.h"

#include <algorithm>

namespace zentadial {
namespace {

constexpr std::string_view kUsage = "zentadial-cli history";

constexpr std::string_view kMore =
    "Lists the passes the undo journal keeps, oldest first, one a line: its number, when\n"
    "it ran (UTC), what it was, how many files it replaced and what the journal keeps of\n"
    "it. 'zentadial-cli undo' undoes the last one.\n"
    "\n"
    "Exit status: 0, or 1 when the journal cannot be read, 2 for a wrong call.\n";

std::string count(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string passLine(const KeptPass& pass) {
    std::string line = "pass " + std::to_string(pass.pass) + "  ";
    if (!pass.manifest) {
        return line + "its record cannot be read";
    }
    const PassManifest& manifest = *pass.manifest;
    line += journalTimeWords(manifest.time) + "  ";
    line += manifest.kind == PassKind::Undo && manifest.undoes
                ? "undo of pass " + std::to_string(*manifest.undoes)
                : std::string("rewrite");
    if (manifest.shiftDays) {
        line += " (shift by " + spanWords(*manifest.shiftDays) + ")";
    }
    if (manifest.notKept) {
        return line + "  not kept: " +
               (*manifest.notKept == NotKept::TooLarge ? "too large"
                                                       : "the journal could not be written");
    }
    // A finished pass marks the files it replaced; the others it announced
    // were refused. A pass cut short is known only by what it announced.
    if (manifest.finished) {
        const auto replaced = std::ranges::count_if(
            manifest.files, [](const JournalEntry& file) { return file.replaced; });
        line += "  " + count(static_cast<std::size_t>(replaced), "file", "files");
    } else {
        line += "  up to " + count(manifest.files.size(), "file", "files");
    }
    line += ", " + byteCount(pass.bytes);
    if (!manifest.finished) {
        line += ", cut short";
    }
    return line;
}

} // namespace

int runHistory(const QStringList& arguments, CliStreams& io) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("List the passes over scenario files that can be undone."));
    if (const auto done = startJournalCommand(parser, arguments, io, "history", kUsage, kMore)) {
        return *done;
    }
    const std::string root = journalRoot();
    const auto passes = listJournalPasses(root);
    if (!passes) {
        io.err.write("zentadial-cli: the undo journal in \"" + printableBytes(root) +
                     "\" could not be read (" + passes.error().message() + ").\n");
        return kExitSomeFailed;
    }
    io.out.write("Undo journal: " + printableBytes(root) + "\n");
    if (passes->empty()) {
        io.out.write("It holds no pass.\n");
        return kExitSuccess;
    }
    for (const auto& pass : *passes) {
        io.out.write(passLine(pass) + "\n");
    }
    return kExitSuccess;
}

} // namespace zentadial
