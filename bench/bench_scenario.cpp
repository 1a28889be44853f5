// How much a folder pass costs over the least any safe rewrite must do: read
// each file, write a temporary file beside it, flush it and rename it over.
// Prints the median ratio of several rounds; both sides run in the same
// process on the same files, one right after the other, so the machine's
// speed cancels out, and many short rounds keep a disk that other programs
// load now and then from tipping a whole side.

#include "core/regional_form.h"
#include "scenario/journal_pass.h"
#include "scenario/posix_file_system.h"
#include "scenario/scenario_rewrite.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace zentadial;

namespace {

std::vector<std::string> fixtureContents(const fs::path& root) {
    std::vector<fs::path> paths;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".scn") {
            paths.push_back(it->path());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> contents;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return contents;
}

bool plainRewrite(const std::string& path, bool sync) {
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        return false;
    }
    std::string bytes;
    char buffer[65536];
    for (ssize_t n; (n = ::read(in, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(in);
    std::string name = path + ".XXXXXX";
    const int out = ::mkostemp(name.data(), O_CLOEXEC);
    if (out < 0) {
        return false;
    }
    bool ok = ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ok && (!sync || ::fsync(out) == 0);
    ok = ::close(out) == 0 && ok;
    ok = ok && ::rename(name.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(name.c_str());
    }
    return ok;
}

template <class F> double seconds(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr double kMostRatio = 1.3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int fileCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;

    const auto contents = fixtureContents(ZENTADIAL_FIXTURE_SCENARIOS);
    if (contents.empty()) {
        std::fprintf(stderr, "no fixture scenarios under %s\n", ZENTADIAL_FIXTURE_SCENARIOS);
        return 1;
    }
    std::error_code ec;
    std::string folder = (fs::temp_directory_path(ec) / "zentadial-bench-XXXXXX").string();
    if (ec || ::mkdtemp(folder.data()) == nullptr) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    std::vector<std::string> paths;
    for (int i = 0; i < fileCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/scenario%05d.scn", i);
        paths.push_back(folder + name);
        std::ofstream(paths.back(), std::ios::binary)
            << contents[static_cast<std::size_t>(i) % contents.size()];
    }

    const RegionalForm form = RegionalForm::englishUnitedStates();
    const WriteCalls noSync{systemWriteCalls().write, [](int) { return 0; }};
    int status = 0;
    const std::string journal = folder + "-journal";
    auto run = [&](const char* label, bool sync, const WriteCalls& calls, bool journaled) {
        PosixFileSystem fs(calls);
        std::vector<double> ratios;
        for (int round = 0; round < rounds; ++round) {
            const auto timePlain = [&] {
                return seconds([&] {
                    for (const auto& path : paths) {
                        if (!plainRewrite(path, sync)) {
                            status = 1;
                        }
                    }
                });
            };
            // A new date each round: a pass leaves files already at its date unwritten.
            const std::string date = "1/" + std::to_string(round + 1) + "/2004 12:00:00 PM";
            const auto timePass = [&] {
                return seconds([&] {
                    // The journal keeps the 64 MiB the user's would; only the
                    // last 2 passes, so that the rounds measure the same work.
                    JournalPass kept(journal, PassKind::Rewrite, {}, {2, kJournalMaxBytes});
                    const auto result =
                        rewriteScenarioFolder(folder, date, form, fs, journaled ? &kept : nullptr);
                    if (!result || !result->refused.empty()) {
                        std::fprintf(stderr, "the folder pass failed or refused a file\n");
                        status = 1;
                    }
                    if (journaled && kept.finish().state != JournalState::Kept) {
                        std::fprintf(stderr, "the journal did not keep the pass\n");
                        status = 1;
                    }
                });
            };
            // Each side goes first every other round, so that neither always
            // meets the disk the other left busy.
            double plain = 0;
            double pass = 0;
            if (round % 2 == 0) {
                plain = timePlain();
                pass = timePass();
            } else {
                pass = timePass();
                plain = timePlain();
            }
            ratios.push_back(pass / plain);
            std::printf("  %s round %d: plain %.3f s, folder pass %.3f s, ratio %.2f\n", label,
                        round + 1, plain, pass, pass / plain);
        }
        const double result = median(ratios);
        std::printf("%s: median ratio %.2f (folder pass / plain rewrite, %d files, %d rounds)\n",
                    label, result, fileCount, rounds);
        return result;
    };
    const double journaled = run("with fsync and the undo journal", true, systemWriteCalls(), true);
    run("with fsync", true, systemWriteCalls(), false);
    run("without fsync", false, noSync, false);
    // The figure the pass is held to: everything a user's pass does, the
    // journal and every check included, against the plain rewrite.
    std::printf("folder pass with the journal and checks: %.2fx the plain read + temporary + "
                "fsync + rename (held to %.1fx)\n",
                journaled, kMostRatio);

    fs::remove_all(folder, ec);
    fs::remove_all(journal, ec);
    return status;
}
