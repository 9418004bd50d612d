// Karvo without a window: `karvo [OPTIONS] PATH...` drives the engine's Run
// over the paths, prints a line per file (or one JSON report) and says with
// its exit code how the run went. It needs Qt Core alone, so no display.
#ifndef KARVO_COMMANDLINE_H
#define KARVO_COMMANDLINE_H

class QCoreApplication;

namespace Karvo {

// The exit codes of the command line.
enum CommandLineExit {
    ExitDone = 0, // every file converted, copied or already in the target
    ExitSomeFailed = 1, // some files failed or need the user's word on their encoding
    ExitUsage = 2, // bad options or arguments; nothing was written
    ExitNeedsConverting = 3, // --check found files not in the target encoding
    ExitReportLost = 4, // the report could not be written (a full disk, a closed pipe)
    ExitInterrupted = 130, // Ctrl+C (128 + SIGINT; SIGTERM and SIGHUP give theirs): the files begun were finished, the rest left alone
};

// Parses the application's arguments, runs, reports and returns the exit code.
int runCommandLine(QCoreApplication &app);

} // namespace Karvo

#endif
