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

// One line of the Detail list, for a run into `target`: status, name,
// "(detected->TARGET)" and, for a file that was not converted, why.
QString detailLine(const FileResult &result, const QString &target);

// The result page's text. A run that planned one file names it; a larger
// run counts its successes among the text files, then notes what failed,
// what needs review, what was binary and whether it was cancelled.
QString summaryText(const QList<FileResult> &results, const QString &target, int planned, bool cancelled);

// The same for an undo: a Detail line per file, and the result page's text.
QString undoLine(const UndoResult &result);
QString undoSummary(const QList<UndoResult> &results, int total, bool cancelled);

} // namespace Karvo

#endif
