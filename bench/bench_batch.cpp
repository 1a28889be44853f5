// Entries per second of convert --batch, in the process and through the
// program itself, next to the cost of moving the same lines through the same
// reading and writing without converting them.

#include "cli/batch_convert.h"
#include "cli/fd_io.h"
#include "core/regional_form.h"

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

constexpr int kEntries = 1'000'000;

// A mix of the four kinds, with figures that change from line to line.
std::string entryLines() {
    std::string lines;
    lines.reserve(static_cast<std::size_t>(kEntries) * 28);
    for (int i = 0; i < kEntries; ++i) {
        const int n = i % 10000;
        switch (i % 4) {
        case 0:
            lines += "mjd " + std::to_string(50000 + n) + "." + std::to_string(i % 97) + "\n";
            break;
        case 1:
            lines += "date " + std::to_string(1 + n % 12) + "/" + std::to_string(1 + n % 28) + "/" +
                     std::to_string(1900 + n % 200) + " " + std::to_string(1 + n % 12) + ":" +
                     std::to_string(10 + n % 50) + ":" + std::to_string(10 + i % 50) +
                     (i % 8 == 1 ? " AM\n" : " PM\n");
            break;
        case 2:
            lines += "jd " + std::to_string(2450000 + n) + ".25\n";
            break;
        default:
            lines += "epoch " + std::to_string(1950 + n % 100) + "." + std::to_string(n) + "\n";
            break;
        }
    }
    return lines;
}

template <class F> double seconds(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Fds {
    int in;
    int out;
    ~Fds() {
        ::close(in);
        ::close(out);
    }
};

Fds openFds(const std::string& input) {
    return {::open(input.c_str(), O_RDONLY), ::open("/dev/null", O_WRONLY)};
}

} // namespace

int main() {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fputs("bench_batch: no temporary folder\n", stderr);
        return 1;
    }
    const std::string input = folder.filePath(QStringLiteral("entries.txt")).toStdString();
    {
        const std::string lines = entryLines();
        std::FILE* file = std::fopen(input.c_str(), "wb");
        if (file == nullptr || std::fwrite(lines.data(), 1, lines.size(), file) != lines.size()) {
            std::fputs("bench_batch: could not write the entries\n", stderr);
            return 1;
        }
        std::fclose(file);
    }
    const zentadial::RegionalForm form = zentadial::RegionalForm::englishUnitedStates();

    std::size_t copied = 0;
    const double baseline = seconds([&] {
        const Fds fds = openFds(input);
        zentadial::FdLineReader in(fds.in);
        zentadial::FdWriter out(fds.out);
        while (const auto line = in.next()) {
            out.write(line->text);
            out.write("\n");
            ++copied;
        }
    });

    std::size_t failed = 0;
    const double converting = seconds([&] {
        const Fds fds = openFds(input);
        zentadial::FdLineReader in(fds.in);
        zentadial::FdWriter out(fds.out);
        zentadial::FdWriter err(fds.out);
        failed =
            zentadial::convertBatch(in, out, err, form, zentadial::BatchFormat::Columns).failed;
    });

    int exitCode = -1;
    const double spawned = seconds([&] {
        QProcess process;
        process.setStandardInputFile(QString::fromStdString(input));
        process.setStandardOutputFile(QStringLiteral("/dev/null"));
        process.start(QStringLiteral(ZENTADIAL_CLI),
                      {QStringLiteral("convert"), QStringLiteral("--batch"),
                       QStringLiteral("--locale"), QStringLiteral("en_US")});
        if (process.waitForFinished(-1)) {
            exitCode = process.exitCode();
        }
    });

    if (copied != kEntries || failed != 0 || exitCode != 0) {
        std::fprintf(stderr, "bench_batch: %zu lines read, %zu entries failed, exit %d\n", copied,
                     failed, exitCode);
        return 1;
    }
    const auto rate = [](double s) { return kEntries / s; };
    std::printf("entries                         %d\n", kEntries);
    std::printf("read + write only               %12.0f lines/s  (%.3f s)\n", rate(baseline),
                baseline);
    std::printf("convert --batch, in process     %12.0f entries/s (%.3f s)  %.1fx the baseline\n",
                rate(converting), converting, converting / baseline);
    std::printf("zentadial-cli convert --batch   %12.0f entries/s (%.3f s)  %.1fx the baseline\n",
                rate(spawned), spawned, spawned / baseline);
    return 0;
}
