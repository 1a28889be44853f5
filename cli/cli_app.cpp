#include "cli/cli_app.h"

#include "cli/convert_command.h"
#include "cli/history_command.h"
#include "cli/list_command.h"
#include "cli/rewrite_command.h"
#include "cli/undo_command.h"

namespace zentadial {
namespace {

constexpr std::string_view kHelp =
    "Usage: zentadial-cli COMMAND [options]\n"
    "       zentadial-cli --help | --version\n"
    "\n"
    "Converts instants between the date in GMT, the Modified Julian Date, the Julian\n"
    "epoch year and the Julian Date, and moves scenario files (*.scn) to a date, as the\n"
    "Zentadial window does, for scripts and machines without a display.\n"
    "\n"
    "Commands:\n"
    "  convert   Show one instant on the four scales, or convert entries read from\n"
    "            standard input (--batch).\n"
    "  list      Show the date each scenario file starts at, and what depends\n"
    "            on that date.\n"
    "  rewrite   Rewrite the Date MJD line of scenario files and folders.\n"
    "  undo      Put the files of the last rewrite (or undo) back as they were.\n"
    "  history   List the passes that can be undone.\n"
    "\n"
    "Options:\n"
    "  -h, --help  Show this help.\n"
    "  --version   Show the version.\n"
    "\n"
    "'zentadial-cli COMMAND --help' shows the options of one command.\n";

} // namespace

int runCli(const QStringList& arguments, CliStreams& io) {
    if (arguments.size() < 2) {
        return reportUsage(
            io,
            usageError(QStringLiteral("give a command: convert, list, rewrite, undo or history.")),
            {});
    }
    const QString& command = arguments.at(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        io.out.write(kHelp);
        return kExitSuccess;
    }
    if (command == QLatin1String("--version")) {
        io.out.write("zentadial-cli " ZENTADIAL_VERSION "\n");
        return kExitSuccess;
    }
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("convert")) {
        return runConvert(rest, io);
    }
    if (command == QLatin1String("list")) {
        return runList(rest, io);
    }
    if (command == QLatin1String("rewrite")) {
        return runRewrite(rest, io);
    }
    if (command == QLatin1String("undo")) {
        return runUndo(rest, io);
    }
    if (command == QLatin1String("history")) {
        return runHistory(rest, io);
    }
    return reportUsage(io,
                       usageError(command.startsWith(QLatin1Char('-'))
                                      ? QStringLiteral("unknown option '%1'.").arg(command)
                                      : QStringLiteral("unknown command '%1'.").arg(command)),
                       {});
}

} // namespace zentadial
