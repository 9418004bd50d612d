#include "report.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <algorithm>

namespace Karvo {

namespace {

class Report
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::Report)
};

// The failure's sentence and, where the system gave one, its reason.
QString reason(const FileResult &result)
{
    QString text = result.outcome.message;
    const QString detail = result.outcome.detail;
    if (!detail.isEmpty() && detail != QDir::toNativeSeparators(result.path))
        //: A failure's sentence (%1) and, in brackets, which file and the system's reason (%2).
        text = Report::tr("%1 (%2)").arg(text, detail);
    return text;
}

QString joinNotes(const QStringList &notes)
{
    //: Separates the notes of a summary, as in "2 failed, 1 to review".
    return notes.join(Report::tr(", "));
}

QString candidateNames(const FileResult &result)
{
    QStringList names;
    for (const DetectResult::Candidate &candidate : result.detection.candidates)
        names.append(candidate.encoding.name());
    return names.join(QStringLiteral(", "));
}

} // namespace

QString detectedLabel(const FileResult &result)
{
    if (result.detection.kind == DetectResult::Kind::Empty)
        return Report::tr("Empty", "the encoding of an empty file");
    return result.detectedName.isEmpty() ? Report::tr("Unknown", "the encoding of a file") : result.detectedName;
}

QString detailLine(const FileResult &result, const QString &target)
{
    const QString encodings = QStringLiteral("  (%1->%2)").arg(detectedLabel(result), target.toUpper());
    switch (result.status) {
    case FileStatus::Converted:
    case FileStatus::Copied:
    case FileStatus::Unchanged:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Success] ") + result.fileName
            + encodings
            //: a Detail line: the copy took the place of a file already in the save folder
            + (result.replacedExisting ? QStringLiteral("  ") + Report::tr("replaced an existing file") : QString());
    case FileStatus::Failed:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Failed]     ") + result.fileName + encodings + QStringLiteral("  ") + reason(result);
    case FileStatus::Binary:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Skipped]    ") + result.fileName
            + QStringLiteral("  ")
            //: a Detail line: the file was not touched because it is not text
            + Report::tr("Left alone: it is not a text file.");
    case FileStatus::Doubtful:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Doubtful]   ") + result.fileName + encodings
            + QStringLiteral("  ")
            //: a Detail line; %1 lists the encodings the file may be in
            + Report::tr("Not converted: the encoding is uncertain (perhaps %1).").arg(candidateNames(result));
    }
    return QString();
}

QString summaryText(const QList<FileResult> &results, const QString &target, int planned, bool cancelled)
{
    if (planned == 1 && results.size() == 1) {
        const FileResult &result = results.first();
        switch (result.status) {
        case FileStatus::Binary:
            //: The status before the name of a file run alone. The space after it only pads it and may change.
            return Report::tr("[Skipped] ") + result.fileName + QLatin1Char('\n')
                + Report::tr("(binary file, left alone)");
        case FileStatus::Doubtful:
            //: The status before the name of a file run alone. The space after it only pads it and may change.
            return Report::tr("[Doubtful] ") + result.fileName + QStringLiteral("\n(") + result.detectedName
                + QStringLiteral("?->") + target.toUpper() + QLatin1Char(')');
        default:
            // The detector's name as it gave it, empty when it gave none;
            // an empty file says so.
            //: The status before the name of a file run alone. The space after it only pads it and may change.
            return (result.success ? Report::tr("[Success] ") : Report::tr("[Failed] ")) + result.fileName
                + QStringLiteral("\n(")
                + (result.detection.kind == DetectResult::Kind::Empty ? detectedLabel(result) : result.detectedName)
                + QStringLiteral("->") + target.toUpper() + QLatin1Char(')');
        }
    }

    const auto count = [&](FileStatus status) {
        return int(std::count_if(
            results.cbegin(), results.cend(), [status](const FileResult &r) { return r.status == status; }));
    };
    const int binary = count(FileStatus::Binary);
    const int failed = count(FileStatus::Failed);
    const int doubtful = count(FileStatus::Doubtful);
    const int succeeded = results.size() - binary - failed - doubtful;

    QStringList notes;
    if (failed > 0)
        notes.append(Report::tr("%n failed", "files", failed));
    if (doubtful > 0)
        notes.append(Report::tr("%n to review", "files whose encoding is uncertain", doubtful));
    if (binary > 0)
        notes.append(Report::tr("%n binary left alone", "files", binary));
    if (cancelled)
        //: %1 files were done when the run was cancelled, out of %n
        notes.append(Report::tr("cancelled after %1 of %n files", "", planned).arg(results.size()));
    //: The summary of a run: %1 text files converted out of %2.
    QString text = Report::tr("[%1/%2] Success!").arg(succeeded).arg(results.size() - binary);
    if (!notes.isEmpty())
        text += QLatin1Char('\n') + joinNotes(notes);
    return text;
}

QString undoLine(const UndoResult &result)
{
    if (result.undone)
        //: The status that begins an undo's Detail line. The spaces after it only pad it; they align nothing and may
        //: change.
        return Report::tr("[Undone]  ") + result.name;
    //: The status that begins an undo's Detail line: the file was left as it is. The spaces after it only pad it;
    //: they align nothing and may change.
    return Report::tr("[Left]       ") + result.name + QStringLiteral("  ") + result.reason;
}

QString undoSummary(const QList<UndoResult> &results, int total, bool cancelled)
{
    const int undone
        = int(std::count_if(results.cbegin(), results.cend(), [](const UndoResult &r) { return r.undone; }));
    QStringList notes;
    if (undone < results.size())
        notes.append(Report::tr("%n left as it is now", "files that changed after the run", results.size() - undone));
    if (cancelled && results.size() < total)
        notes.append(Report::tr("cancelled after %1 of %n files", "", total).arg(results.size()));
    //: The summary of an undo: %1 files put back out of %2.
    QString text = Report::tr("[%1/%2] Undone").arg(undone).arg(total);
    if (!notes.isEmpty())
        text += QLatin1Char('\n') + joinNotes(notes);
    return text;
}

} // namespace Karvo
