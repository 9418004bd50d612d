#include "report.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <algorithm>

namespace Karvo {

namespace {

QString tr(const char *text, const char *comment = nullptr, int n = -1)
{
    return QCoreApplication::translate("Karvo::Report", text, comment, n);
}

// The failure's sentence and, where the system gave one, its reason.
QString reason(const FileResult &result)
{
    QString text = result.outcome.message;
    const QString detail = result.outcome.detail;
    if (!detail.isEmpty() && detail != QDir::toNativeSeparators(result.path))
        text += QStringLiteral(" (%1)").arg(detail);
    return text;
}

QString candidateNames(const FileResult &result)
{
    QStringList names;
    for (const DetectResult::Candidate &candidate : result.detection.candidates)
        names.append(candidate.name);
    return names.join(QStringLiteral(", "));
}

} // namespace

QString detectedLabel(const FileResult &result)
{
    if (result.detection.kind == DetectResult::Kind::Empty)
        return tr("Empty", "the encoding of an empty file");
    return result.detectedName.isEmpty() ? QStringLiteral("Unknown") : result.detectedName;
}

QString detailLine(const FileResult &result, const QString &target)
{
    const QString encodings = QStringLiteral("  (%1->%2)").arg(detectedLabel(result), target.toUpper());
    switch (result.status) {
    case FileStatus::Converted:
    case FileStatus::Copied:
    case FileStatus::Unchanged:
        //: a Detail line: the copy took the place of a file already in the save folder
        return QStringLiteral("[Success] ") + result.fileName + encodings
            + (result.replacedExisting ? QStringLiteral("  ") + tr("replaced an existing file") : QString());
    case FileStatus::Failed:
        return QStringLiteral("[Failed]     ") + result.fileName + encodings + QStringLiteral("  ") + reason(result);
    case FileStatus::Binary:
        //: a Detail line: the file was not touched because it is not text
        return QStringLiteral("[Skipped]    ") + result.fileName + QStringLiteral("  ")
            + tr("Left alone: it is not a text file.");
    case FileStatus::Doubtful:
        //: a Detail line; %1 lists the encodings the file may be in
        return QStringLiteral("[Doubtful]   ") + result.fileName + encodings + QStringLiteral("  ")
            + tr("Not converted: the encoding is uncertain (perhaps %1).").arg(candidateNames(result));
    }
    return QString();
}

QString summaryText(const QList<FileResult> &results, const QString &target, int planned, bool cancelled)
{
    if (planned == 1 && results.size() == 1) {
        const FileResult &result = results.first();
        switch (result.status) {
        case FileStatus::Binary:
            return QStringLiteral("[Skipped] ") + result.fileName + QLatin1Char('\n') + tr("(binary file, left alone)");
        case FileStatus::Doubtful:
            return QStringLiteral("[Doubtful] ") + result.fileName + QStringLiteral("\n(") + result.detectedName
                + QStringLiteral("?->") + target.toUpper() + QLatin1Char(')');
        default:
            // The detector's name as it gave it, empty when it gave none;
            // an empty file says so.
            return (result.success ? QStringLiteral("[Success] ") : QStringLiteral("[Failed] ")) + result.fileName
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
        notes.append(tr("%n failed", "", failed));
    if (doubtful > 0)
        notes.append(tr("%n to review", "files whose encoding is uncertain", doubtful));
    if (binary > 0)
        notes.append(tr("%n binary left alone", "", binary));
    if (cancelled)
        notes.append(tr("cancelled after %1 of %2 files").arg(results.size()).arg(planned));
    QString text = QStringLiteral("[%1/%2] Success!").arg(succeeded).arg(results.size() - binary);
    if (!notes.isEmpty())
        text += QLatin1Char('\n') + notes.join(QStringLiteral(", "));
    return text;
}

QString undoLine(const UndoResult &result)
{
    if (result.undone)
        return QStringLiteral("[Undone]  ") + result.name;
    return QStringLiteral("[Left]       ") + result.name + QStringLiteral("  ") + result.reason;
}

QString undoSummary(const QList<UndoResult> &results, int total, bool cancelled)
{
    const int undone
        = int(std::count_if(results.cbegin(), results.cend(), [](const UndoResult &r) { return r.undone; }));
    QStringList notes;
    if (undone < results.size())
        notes.append(tr("%n left as it is now", "files that changed after the run", results.size() - undone));
    if (cancelled && results.size() < total)
        notes.append(tr("cancelled after %1 of %2 files").arg(results.size()).arg(total));
    QString text = tr("[%1/%2] Undone").arg(undone).arg(total);
    if (!notes.isEmpty())
        text += QLatin1Char('\n') + notes.join(QStringLiteral(", "));
    return text;
}

} // namespace Karvo
