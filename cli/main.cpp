#include "cli/argument_bytes.h"
#include "cli/cli_app.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <csignal>
#include <unistd.h>

#ifdef _WIN32
// shellapi.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace {

QStringList commandLineArguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    QStringList arguments;
#ifdef _WIN32
    // argv holds the arguments in the ANSI code page, which has already lost
    // every character of a name it cannot write; the wide command line has
    // them all.
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        arguments << QString::fromWCharArray(wide[i]);
    }
    ::LocalFree(wide);
#else
    for (int i = 0; i < argc; ++i) {
        arguments << zentadial::argumentFromBytes(argv[i]);
    }
#endif
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // No QCoreApplication: it would set the C library's locale from the
    // environment, and nothing here needs an event loop.
#ifdef _WIN32
    // The output is UTF-8; a console must not read it in its OEM code page.
    ::SetConsoleOutputCP(CP_UTF8);
#else
    // A reader that stops early (| head) must not kill a rewrite half-way:
    // the write error is noted instead, the pass finishes, and the exit
    // status says the output was lost.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // The window's names, so that both find the same undo journal.
    QCoreApplication::setApplicationName(QStringLiteral("Zentadial"));
    QCoreApplication::setOrganizationName(QStringLiteral("Zentadial"));
    const QStringList arguments = commandLineArguments(argc, argv);
    zentadial::FdLineReader in(STDIN_FILENO);
    zentadial::FdWriter out(STDOUT_FILENO);
    zentadial::FdWriter err(STDERR_FILENO);
    zentadial::CliStreams io{in, out, err};
    int status = zentadial::runCli(arguments, io);
    out.flush();
    if (out.error()) {
        // Output that did not arrive is no success, whatever was converted.
        err.write("zentadial-cli: could not write the output: " + *out.error() + "\n");
        status = status == zentadial::kExitSuccess ? zentadial::kExitSomeFailed : status;
    }
    return status;
}
