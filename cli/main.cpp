#include "cli/argument_bytes.h"
#include "cli/cli_app.h"

#include <QString>
#include <QStringList>
#include <csignal>
#include <unistd.h>

int main(int argc, char** argv) {
    // No QCoreApplication: it would set the C library's locale from the
    // environment, and nothing here needs an event loop.
    // A reader that stops early (| head) must not kill a rewrite half-way:
    // the write error is noted instead, the pass finishes, and the exit
    // status says the output was lost.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << zentadial::argumentFromBytes(argv[i]);
    }
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
