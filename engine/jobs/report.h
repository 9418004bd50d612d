// How a run's records read to a person: the words for every failure and
// notice, the Detail list's lines and the result page's summary. The window
// and the command line print the same texts; programs read the codes.
#ifndef KARVO_REPORT_H
#define KARVO_REPORT_H

#include "run.h"
#include "undo.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Karvo {

// The system's words for an errno value ("No space left on device").
QString systemReason(int error);
// A failure in words, with its facts and the system's reason where there is
// one ("No space left on device").
QString describe(const Outcome &outcome);
// What a write that succeeded could not keep, in words.
QString describe(Notice notice);
QStringList describe(Notices notices);
// A stable name for programs: "lossy-target", "no-space", ...
QString failureCode(Failure failure);
// Why detection asks, in words: "it reads as română about as well in
// windows-1250 as in ISO-8859-16".
QString describe(const Doubt &doubt);
QStringList describe(const QVector<Doubt> &doubts);
// A stable name for programs: "close-readings", "no-codec", ...
QString doubtCode(Doubt::Kind kind);
// A language detection names by code ("ro", "zh-hant"), as its speakers
// write its name.
QString languageName(const QString &code);

// The encoding a record was found in, as listed: "Unknown" when detection
// had no answer, "Empty" for an empty file.
QString detectedLabel(const FileResult &result);

// A code point as people read it: the character in quotes with its code,
// "\"М\" (U+041C)", or the code alone for one that does not show.
QString characterLabel(char32_t character);

// What a record comes to, for the summary's counts and the Detail filter.
enum class Verdict {
    Done, // converted, copied or already right
    Failed,
    Doubtful, // left alone until the user picks the encoding
    Binary, // left alone: not text
    LeftOut, // left alone because the user said so
    Duplicate, // the same file again under another name, done once
    LeftAlone, // left alone on purpose: a link out of the folder, a FIFO in it
};
Verdict verdictOf(const FileResult &result);
// Anything but done: what needs a look.
bool isProblem(const FileResult &result);

// One record in words, a field per column of the Detail table; the command
// line's line and the CSV file are made from the same fields.
struct ReportRow
{
    QString status; // "Converted", "Failed", ...
    QString file; // the dropped folder's name and the path below it
    QString from; // as the catalogue spells it; a doubtful file's likeliest encodings
    QString to; // empty where nothing was to be written
    QString reason; // why it failed or was left alone; what a success could not keep
    bool problem = false;
};
ReportRow reportRow(const FileResult &result, const QString &target);
ReportRow reportRow(const UndoResult &result);

// One line of the Detail list, for a run into `target`: status, name,
// "(detected->target)" and, for a file that was not converted, why. In a
// check, a file that would be converted is what fails it.
QString detailLine(const FileResult &result, const QString &target, bool checking = false);

// The result page's text. A run that planned one file names it; a larger
// run counts its successes among the text files, then notes what failed,
// what needs review, what was left alone and whether it was cancelled.
// "Success!" only when every text file succeeded. A check counts the text
// files in the target encoding already, and notes those to convert.
QString summaryText(const QList<FileResult> &results, const QString &target, int planned, bool cancelled,
    int hiddenPassedOver = 0, bool checking = false);

// The same for an undo: the result page's text.
QString undoSummary(const QList<UndoResult> &results, int total, bool cancelled);

} // namespace Karvo

#endif
