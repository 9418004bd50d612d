#include "commandline.h"

#include "encoding.h"
#include "filter.h"
#include "report.h"
#include "run.h"
#include "terminal.h"
#include "translations.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Karvo {

namespace {

// The JSON report's layout. A new field leaves it as it is; a field that
// goes or changes its meaning raises it.
constexpr int reportVersion = 1;

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::CommandLine)
};

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usageError(const QString &message, bool hint = true)
{
    print(stderr, QStringLiteral("karvo: %1\n").arg(message));
    if (hint)
        print(stderr, CommandLine::tr("Try 'karvo --help' for more information.") + QLatin1Char('\n'));
    return ExitUsage;
}

// Ctrl+C, or the end of a session or a `timeout`, only writes the signal's
// number here; the event loop reads it and cancels the run, so that the
// files being written are finished and reported, and no half-written copy
// is left behind.
int interruptPipe[2] = {-1, -1};

void onInterrupt(int signal)
{
    const char byte = char(signal);
    const ssize_t written = ::write(interruptPipe[1], &byte, 1);
    (void)written;
}

bool installInterruptHandler()
{
    // A reader that goes away (`karvo -r dir | head`) must not kill the run
    // halfway; the lines are lost, the files are still done.
    std::signal(SIGPIPE, SIG_IGN);
    if (::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGINT, &action, nullptr) == 0 && ::sigaction(SIGTERM, &action, nullptr) == 0
        && ::sigaction(SIGHUP, &action, nullptr) == 0;
}

// "[done/total] name" on a terminal's standard error, redrawn in place and
// cleared before anything else is printed.
class ProgressLine
{
public:
    explicit ProgressLine(bool enabled)
        : enabled(enabled)
    { }
    ~ProgressLine() { clear(); }

    void show(int done, int total, const QString &name)
    {
        if (!enabled)
            return;
        QString line = QStringLiteral("[%1/%2] %3").arg(done).arg(total).arg(terminalSafe(name));
        // A line that wraps could no longer be drawn over.
        struct winsize size;
        if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1)
            line.truncate(size.ws_col - 1);
        print(stderr, QStringLiteral("\r\033[K") + line);
        shown = true;
    }

    void clear()
    {
        if (shown)
            std::fputs("\r\033[K", stderr);
        shown = false;
    }

private:
    bool enabled = false;
    bool shown = false;
};

QString actionName(const FileResult &result, bool dryRun)
{
    switch (result.status) {
    case FileStatus::Converted:
        return dryRun ? QStringLiteral("would convert") : QStringLiteral("converted");
    case FileStatus::Copied:
        return dryRun ? QStringLiteral("would copy") : QStringLiteral("copied");
    case FileStatus::Unchanged:
        return QStringLiteral("unchanged");
    case FileStatus::Binary:
        return QStringLiteral("binary");
    case FileStatus::Skipped:
        return QStringLiteral("skipped");
    case FileStatus::Doubtful:
        return QStringLiteral("doubtful");
    case FileStatus::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QJsonObject fileReport(const FileResult &result, bool dryRun)
{
    QJsonObject file {
        {QStringLiteral("path"), result.path},
        {QStringLiteral("name"), result.fileName},
        {QStringLiteral("detected"), result.detectedName.isEmpty() ? QJsonValue() : QJsonValue(result.detectedName)},
        {QStringLiteral("confidence"), result.detection.confidence},
        {QStringLiteral("action"), actionName(result, dryRun)},
        {QStringLiteral("outcome"), result.outcome.ok() ? QStringLiteral("ok") : QStringLiteral("failed")},
    };
    // A name that is not valid UTF-8 has no exact JSON string: its bytes
    // come beside the name as the listing gives it.
    if (!result.rawPath.isEmpty())
        file.insert(QStringLiteral("pathBytes"), QString::fromLatin1(result.rawPath.toBase64()));
    if (!result.destination.isEmpty())
        file.insert(QStringLiteral("destination"), result.destination);
    if (!result.outcome.ok()) {
        file.insert(QStringLiteral("reason"),
            QJsonObject {{QStringLiteral("code"), failureCode(result.outcome.failure)},
                {QStringLiteral("message"), describe(result.outcome)}});
    }
    if (result.status == FileStatus::Doubtful) {
        QJsonArray candidates;
        for (const DetectResult::Candidate &candidate : result.detection.candidates)
            candidates.append(QJsonObject {
                {QStringLiteral("name"), candidate.encoding.name()}, {QStringLiteral("score"), candidate.score}});
        file.insert(QStringLiteral("candidates"), candidates);
        QJsonArray doubts;
        for (const Doubt &doubt : result.detection.doubts)
            doubts.append(QJsonObject {
                {QStringLiteral("code"), doubtCode(doubt.kind)}, {QStringLiteral("message"), describe(doubt)}});
        file.insert(QStringLiteral("doubts"), doubts);
    }
    return file;
}

// The record with every name in it safe for a terminal: a name's bytes as
// `ls -b` shows them.
FileResult printable(FileResult result)
{
    if (!result.rawPath.isEmpty()) {
        const int components = result.fileName.count(QLatin1Char('/')) + 1;
        const QList<QByteArray> parts = result.rawPath.split('/');
        result.fileName = terminalSafe(parts.mid(qMax(0, parts.size() - components)).join('/'));
        result.path = terminalSafe(result.rawPath);
    } else {
        result.fileName = terminalSafe(result.fileName);
        result.path = terminalSafe(result.path);
    }
    result.destination = terminalSafe(result.destination);
    result.outcome.path = terminalSafe(result.outcome.path);
    return result;
}

int countStatus(const QList<FileResult> &results, FileStatus status)
{
    return int(
        std::count_if(results.cbegin(), results.cend(), [status](const FileResult &r) { return r.status == status; }));
}

int exitCodeFor(const QList<FileResult> &results, bool check, int interrupted)
{
    if (interrupted)
        return ExitInterrupted - SIGINT + interrupted;
    if (check && countStatus(results, FileStatus::Converted) > 0)
        return ExitNeedsConverting;
    if (countStatus(results, FileStatus::Failed) > 0 || countStatus(results, FileStatus::Doubtful) > 0)
        return ExitSomeFailed;
    return ExitDone;
}

// The sources are left as they are when copies go to a save folder: a save
// folder that is, or leads to, a source folder would have them replaced in
// place. Copies must not land on each other or on a file the run reads.
// Each is an error before anything is written. A file named twice is
// processed once: the run's plan marks the second.
QString checkPlan(const QVector<PlannedFile> &files, const QStringList &paths, const QString &saveFolder)
{
    if (saveFolder.isEmpty())
        return QString();
    const QString folder = resolvedPath(saveFolder);
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString source = resolvedPath(info.isDir() ? path : info.absolutePath());
        if (source == folder)
            return CommandLine::tr("the save folder '%1' is the folder of '%2': the sources would be replaced; "
                                   "no file was written")
                .arg(saveFolder, path);
    }
    QSet<QString> sources;
    for (const PlannedFile &file : files)
        sources.insert(resolvedPath(file));
    QHash<QString, QString> writers;
    for (const PlannedFile &file : files) {
        if (!file.refusal.ok())
            continue;
        const QString named = QDir::cleanPath(saveFolder + QLatin1Char('/') + file.relativePath);
        const QString destination = folder + QLatin1Char('/') + file.relativePath;
        if (writers.contains(destination))
            return CommandLine::tr("'%1' and '%2' would both be written to '%3'; no file was written")
                .arg(terminalSafe(writers.value(destination)), terminalSafe(file.path), terminalSafe(named));
        if (sources.contains(resolvedPath(destination)))
            return CommandLine::tr("'%1' would be written over '%2', which this run also reads; no file was written")
                .arg(terminalSafe(file.path), terminalSafe(named));
        writers.insert(destination, file.path);
    }
    return QString();
}

// Why the save folder, or the backup folder, named on the command line
// cannot be used, or be made where it is missing (`make`: a dry run makes
// no folder either); empty when it can.
QString folderProblem(const QString &folder, bool make, bool save)
{
    const QFileInfo info(folder);
    const QString name = terminalSafe(folder);
    if (info.exists() && !info.isDir())
        return save ? CommandLine::tr("cannot use '%1' as the save folder: it is not a folder").arg(name)
                    : CommandLine::tr("cannot use '%1' as the backup folder: it is not a folder").arg(name);
    errno = 0;
    if (!make || QDir().mkpath(folder))
        return QString();
    const QString reason = errno != 0 ? systemReason(errno) : QString();
    if (reason.isEmpty())
        return save ? CommandLine::tr("cannot create the save folder '%1'").arg(name)
                    : CommandLine::tr("cannot create the backup folder '%1'").arg(name);
    //: %2 is the system's reason
    return save ? CommandLine::tr("cannot create the save folder '%1': %2").arg(name, reason)
                //: %2 is the system's reason
                : CommandLine::tr("cannot create the backup folder '%1': %2").arg(name, reason);
}

void listEncodings()
{
    QStringList lines;
    for (const Encoding &encoding : catalogue()) {
        const QStringList aliases = encoding.aliases();
        lines.append(aliases.isEmpty()
                ? encoding.name()
                : QStringLiteral("%1 (%2)").arg(encoding.name(), aliases.join(QStringLiteral(", "))));
    }
    lines.sort(Qt::CaseInsensitive);
    print(stdout, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

} // namespace

int runCommandLine(QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Detects the character encoding of each file and rewrites it, losslessly, in another.\n"
                        "Without arguments, karvo opens its window."));
    // Qt's own help option would add --help-all, for options a command
    // without a window does not take.
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Show this help and exit."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")}, CommandLine::tr("Show the version and exit."));
    parser.addOption(versionOption);
    const QCommandLineOption toOption({QStringLiteral("t"), QStringLiteral("to")},
        //: <encoding> is the option's value as the help shows it; keep it as it is.
        CommandLine::tr("Rewrite files in <encoding> (default UTF-8)."), QStringLiteral("encoding"),
        QStringLiteral("UTF-8"));
    const QCommandLineOption intoOption({QStringLiteral("o"), QStringLiteral("into")},
        //: <folder> is the option's value as the help shows it; keep it as it is.
        CommandLine::tr("Write converted copies into <folder> (created if missing) instead of replacing the files."),
        QStringLiteral("folder"));
    const QCommandLineOption recursiveOption({QStringLiteral("r"), QStringLiteral("recursive")},
        CommandLine::tr("Also process the files in subfolders, but not hidden ones or links to folders."));
    const QCommandLineOption dryRunOption({QStringLiteral("n"), QStringLiteral("dry-run")},
        CommandLine::tr("Detect and report what would be done; write nothing."));
    const QCommandLineOption checkOption(QStringLiteral("check"),
        CommandLine::tr("Write nothing; exit with 3 if any file is not in the target encoding yet."));
    const QCommandLineOption forceOption(QStringLiteral("force-encoding"),
        CommandLine::tr("Read every text file as <encoding> instead of the detected one."), QStringLiteral("encoding"));
    const QCommandLineOption jsonOption(
        QStringLiteral("json"), CommandLine::tr("Print one JSON report instead of a line per file."));
    const QCommandLineOption listOption(
        QStringLiteral("list-encodings"), CommandLine::tr("List the encodings karvo knows, with their aliases."));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
        CommandLine::tr(
            "Print only the files that failed or whose encoding is uncertain, and hard links left with the old text."));
    const QCommandLineOption overwriteOption(QStringLiteral("overwrite"),
        CommandLine::tr("With -o, replace a different file of the same name in the save folder."));
    const QCommandLineOption backupOption(QStringLiteral("backup-dir"),
        //: <folder> is the option's value as the help shows it; keep it as it is.
        CommandLine::tr("Keep a copy of every file replaced in <folder> first, below it as listed."),
        QStringLiteral("folder"));
    const QCommandLineOption stdoutOption(QStringLiteral("stdout"),
        CommandLine::tr("Write the converted text of the files to standard output, one after another; "
                        "touch no file. A path of - reads standard input."));
    // Taken by main() when it comes first; listed here for --help.
    const QCommandLineOption windowOption(QStringLiteral("window"),
        CommandLine::tr("Open the window and start a run on the files, as a drop would. Comes first; "
                        "--to <encoding> or --ask may follow it."));
    parser.addOptions({toOption, intoOption, recursiveOption, dryRunOption, checkOption, forceOption, jsonOption,
        listOption, quietOption, overwriteOption, backupOption, stdoutOption, windowOption});
    parser.addPositionalArgument(QStringLiteral("path"),
        CommandLine::tr("Files and folders to convert; - alone converts standard input to standard output."),
        QStringLiteral("path..."));

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(terminalSafe(parser.errorText()));
    if (parser.isSet(helpOption)) {
        // The usage line names the program as typed, whatever path ran it,
        // in whatever language Qt words that line.
        QString help = parser.helpText();
        const QString program = QCoreApplication::arguments().constFirst();
        const int at = help.indexOf(program);
        if (at >= 0 && at < help.indexOf(QLatin1Char('\n')))
            help.replace(at, program.size(), QStringLiteral("karvo"));
        print(stdout, help);
        return ExitDone;
    }
    if (parser.isSet(windowOption))
        return usageError(CommandLine::tr("--window comes before any other argument"));
    if (parser.isSet(versionOption)) {
        print(stdout, QStringLiteral("karvo %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitDone;
    }
    if (parser.isSet(listOption)) {
        listEncodings();
        return ExitDone;
    }

    RunOptions options;
    const QString targetName = parser.value(toOption);
    options.target = Encoding::named(targetName);
    if (!options.target.isValid())
        return usageError(CommandLine::tr("unknown encoding '%1'; see --list-encodings").arg(targetName), false);
    if (parser.isSet(forceOption)) {
        const QString sourceName = parser.value(forceOption);
        options.sourceEncoding = Encoding::named(sourceName);
        if (!options.sourceEncoding.isValid())
            return usageError(CommandLine::tr("unknown encoding '%1'; see --list-encodings").arg(sourceName), false);
    }
    const bool check = parser.isSet(checkOption);
    options.dryRun = check || parser.isSet(dryRunOption);
    options.recursive = parser.isSet(recursiveOption);
    const bool json = parser.isSet(jsonOption);
    // The report is for programs, which read its messages as written.
    if (json)
        installTranslators(app, QLocale::c());
    const bool quiet = parser.isSet(quietOption);
    options.overwrite = parser.isSet(overwriteOption);
    if (parser.isSet(backupOption)) {
        options.backupFolder = parser.value(backupOption);
        if (options.backupFolder.isEmpty())
            return usageError(CommandLine::tr("the backup folder's name is empty"));
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        return usageError(CommandLine::tr("no files or folders given"));

    if (parser.isSet(stdoutOption) || paths == QStringList {QStringLiteral("-")}) {
        for (const QCommandLineOption &option :
            {intoOption, recursiveOption, dryRunOption, checkOption, jsonOption, overwriteOption, backupOption}) {
            if (parser.isSet(option))
                //: %1 is an option such as --json
                return usageError(
                    CommandLine::tr("--%1 does not go with standard output").arg(option.names().constLast()));
        }
        return runFilter(paths, options.target, options.sourceEncoding);
    }
    if (paths.contains(QStringLiteral("-")))
        return usageError(CommandLine::tr("- (standard input) goes alone, or with --stdout"));

    if (parser.isSet(intoOption)) {
        const QString folder = parser.value(intoOption);
        if (folder.isEmpty())
            return usageError(CommandLine::tr("the save folder's name is empty"));
        const QString problem = folderProblem(folder, !options.dryRun, true);
        if (!problem.isEmpty())
            return usageError(problem, false);
        options.saveFolder = QDir::cleanPath(folder);
    }
    // Every file would fail for want of it: a backup folder that cannot be
    // is refused before anything is read, as a save folder is.
    if (!options.backupFolder.isEmpty()) {
        const QString problem = folderProblem(options.backupFolder, !options.dryRun, false);
        if (!problem.isEmpty())
            return usageError(problem, false);
    }

    Run run(options);
    ProgressLine progress(!quiet && ::isatty(STDERR_FILENO));
    int interrupted = 0; // by this signal
    QString planError;

    std::unique_ptr<QSocketNotifier> interruptNotifier;
    if (installInterruptHandler()) {
        interruptNotifier.reset(new QSocketNotifier(interruptPipe[0], QSocketNotifier::Read));
        QObject::connect(interruptNotifier.get(), &QSocketNotifier::activated, [&] {
            char byte;
            while (::read(interruptPipe[0], &byte, 1) > 0)
                interrupted = byte;
            run.cancel();
        });
    }

    // Records arrive as files finish; they are printed in walk order, each
    // as soon as every file before it has been printed. The JSON report's
    // records are made the same way, while the rest of the run goes on.
    QVector<PlannedFile> files;
    QHash<QString, QVector<int>> pending;
    QVector<FileResult> reported;
    QVector<bool> filled;
    QJsonArray records;
    int nextToPrint = 0;
    const auto printReady = [&](bool all) {
        for (; nextToPrint < reported.size() && (all || filled.at(nextToPrint)); ++nextToPrint) {
            const FileResult &result = reported.at(nextToPrint);
            // For --check, a file that would convert is what failed the check.
            const bool problem = result.status == FileStatus::Failed || result.status == FileStatus::Doubtful
                || result.outcome.failure == Failure::HardLinkInRun
                || (check && result.status == FileStatus::Converted);
            if (filled.at(nextToPrint) && json)
                records.append(fileReport(result, options.dryRun));
            if (filled.at(nextToPrint) && !json && (!quiet || problem)) {
                progress.clear();
                print(stdout, detailLine(printable(result), options.target.name(), check) + QLatin1Char('\n'));
            }
        }
    };

    QObject::connect(&run, &Run::walked, [&] {
        files = run.files();
        planError = checkPlan(files, paths, options.saveFolder);
        if (interrupted || !planError.isEmpty()) {
            QCoreApplication::exit();
            return;
        }
        reported.resize(files.size());
        filled.fill(false, files.size());
        for (int i = files.size() - 1; i >= 0; --i)
            pending[files.at(i).path].append(i);
        run.process(files);
    });
    // A name given that is not UTF-8 is reported by its bytes, as one a
    // folder holds is.
    const QList<QByteArray> native = nativeArguments(paths);
    QObject::connect(&run, &Run::fileFinished, [&](const FileResult &result) {
        QVector<int> &places = pending[result.path];
        if (places.isEmpty())
            return;
        const int index = places.takeLast();
        reported[index] = result;
        const int given = result.rawPath.isEmpty() && result.path.contains(QChar::ReplacementCharacter)
            ? int(paths.indexOf(result.path))
            : -1;
        if (given >= 0) {
            const QByteArray &bytes = native.at(given);
            reported[index].rawPath = bytes;
            reported[index].fileName = escapedName(bytes.mid(bytes.lastIndexOf('/') + 1));
        }
        filled[index] = true;
        printReady(false);
    });
    QObject::connect(&run, &Run::progress,
        [&](int done, int total, const QString &current) { progress.show(done, total, current); });
    QObject::connect(&run, &Run::finished, [&] {
        printReady(true);
        QCoreApplication::exit();
    });

    run.walk(paths);
    app.exec();
    progress.clear();
    if (!planError.isEmpty())
        return usageError(planError, false);

    const QList<FileResult> results = run.results();
    const int code = exitCodeFor(results, check, interrupted);
    const int planned = files.size();
    // The summary's several-files form, which counts, even for one file: its
    // line is already printed above.
    const QString summary = summaryText(results, options.target.name(), planned == 1 && !interrupted ? 0 : planned,
        interrupted != 0, run.hiddenPassedOver(), check);
    if (json) {
        const QJsonObject report {
            {QStringLiteral("version"), reportVersion},
            {QStringLiteral("target"), options.target.name()},
            {QStringLiteral("dryRun"), options.dryRun},
            {QStringLiteral("files"), records},
            {QStringLiteral("summary"),
                QJsonObject {
                    {QStringLiteral("planned"), planned},
                    {QStringLiteral("processed"), results.size()},
                    {QStringLiteral("converted"), countStatus(results, FileStatus::Converted)},
                    {QStringLiteral("copied"), countStatus(results, FileStatus::Copied)},
                    {QStringLiteral("unchanged"), countStatus(results, FileStatus::Unchanged)},
                    {QStringLiteral("binary"), countStatus(results, FileStatus::Binary)},
                    {QStringLiteral("doubtful"), countStatus(results, FileStatus::Doubtful)},
                    {QStringLiteral("skipped"), countStatus(results, FileStatus::Skipped)},
                    {QStringLiteral("failed"), countStatus(results, FileStatus::Failed)},
                    {QStringLiteral("cancelled"), interrupted != 0},
                    {QStringLiteral("text"), summary},
                    {QStringLiteral("exitCode"), code},
                }},
        };
        const QByteArray bytes = QJsonDocument(report).toJson(QJsonDocument::Indented);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    } else if (!quiet) {
        print(stdout, summary + QLatin1Char('\n'));
        if (options.dryRun)
            print(stdout, CommandLine::tr("Dry run: nothing was written.") + QLatin1Char('\n'));
    }
    // A report that did not reach its reader is no report: say so, and
    // fail, whatever became of the files.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        print(stderr,
            CommandLine::tr("karvo: the report could not be written: %1").arg(systemReason(error)) + QLatin1Char('\n'));
        return ExitReportLost;
    }
    return code;
}

} // namespace Karvo
