#include "report.h"

#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace Karvo {

namespace {

class Report
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::Report)
};

QString hexCode(char32_t character)
{
    return QString::number(uint(character), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// The sentence for a failure, without the system's reason.
QString sentence(const Outcome &o)
{
    const QString line = QString::number(o.line), column = QString::number(o.column);
    switch (o.failure) {
    case Failure::None:
        return QString();
    case Failure::CannotRead:
    case Failure::NotRegular:
        return Engine::tr("Could not open source file.");
    case Failure::NameNotUtf8:
        return Engine::tr("Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.");
    case Failure::FolderUnreadable:
        return Engine::tr("Could not read the folder.");
    case Failure::LinkOutside:
        return Engine::tr("Left alone: it is a link to a file outside the dropped folder.");
    case Failure::LeftOut:
        return Engine::tr("Left out: you said it is not a text file.");
    case Failure::Binary:
        return Report::tr("Left alone: it is not a text file.");
    case Failure::Doubtful:
        return Engine::tr("Not converted: the encoding is uncertain.");
    case Failure::UnknownEncoding:
        return Engine::tr("Could not find codec for file.");
    case Failure::LossySource:
        //: %3 is the name of the file's encoding, such as GB18030.
        return Engine::tr("Could not convert file: the bytes at line %1, column %2 are not valid %3.")
            .arg(line, column, o.encoding);
    case Failure::CutSource:
        //: %3 is the name of the file's encoding, such as Shift_JIS.
        return Engine::tr("Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.")
            .arg(line, column, o.encoding);
    case Failure::LossyTarget:
        //: %1 is a character with its code point, as in "М" (U+041C); %4 the name of the target encoding.
        return Engine::tr("Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.")
            .arg(characterLabel(o.character), line, column, o.encoding);
    case Failure::DestinationExists:
        return Engine::tr("Could not copy file: a different file of that name is already in the save folder.");
    case Failure::DestinationIsLink:
        return Engine::tr("Could not write target file: a symbolic link of that name is in the save folder.");
    case Failure::DestinationNotRegular:
        return Engine::tr("Could not write target file: something other than a file has that name.");
    case Failure::DestinationIsSource:
        return Engine::tr("Not written: the save folder is the file's own folder.");
    case Failure::SaveFolderGone:
        return Engine::tr("Not written: the save folder is gone.");
    case Failure::ReadOnly:
        return Engine::tr("Not converted: the file is read-only.");
    case Failure::FolderNotWritable:
        return Engine::tr(
            "Not converted: it cannot be replaced in its folder, so it could only be written over in place, "
            "which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).");
    case Failure::ChangedWhileConverting:
        return Engine::tr("Not converted: the file changed while it was being converted.");
    case Failure::SameFileInRun:
        //: Two names of one file (a link and its target) in one run; the path of the other follows in brackets.
        return Engine::tr("Done once: it is the same file as another one of this run.");
    case Failure::HardLinkInRun:
        //: Two names of one file (hard links) in one run, the file replaced under the other name alone; that name
        //: follows in brackets.
        return Engine::tr("Not converted: it is the same file as another one of this run, replaced under that name "
                          "alone; this name keeps the old text.");
    case Failure::SameDestination:
        return Engine::tr("Not written: another file of this run has the same name in the save folder.");
    case Failure::CannotKeepOriginal:
        return Engine::tr("Not converted: its original could not be kept for Undo.");
    case Failure::NoSpace:
    case Failure::PermissionDenied:
    case Failure::CannotWrite:
        return Engine::tr("Could not write target file.");
    case Failure::CutShort:
        //: %1 is the path of the copy of the original kept before the file was written over.
        return Engine::tr("Could not write target file, nor put its original back: it is cut short. "
                          "Its original is kept as %1.")
            .arg(QDir::toNativeSeparators(o.path));
    case Failure::Cancelled:
        return Engine::tr("Not done: the run was cancelled.");
    case Failure::ChangedSinceRun:
        return Undo::tr("It was changed after the run.");
    case Failure::GoneSinceRun:
        return Undo::tr("It was moved or deleted after the run.");
    case Failure::OriginalMissing:
        return Engine::tr("Its original is no longer in the undo store.");
    }
    return QString();
}

// Hidden files and folders a walk passed over; English has no catalogue to
// tell one from several.
QString hiddenNote(int count)
{
    return count == 1 ? Report::tr("1 hidden file passed over")
                      : Report::tr("%Ln hidden files passed over", "files and folders", count);
}

QString joinNotes(const QStringList &notes)
{
    //: Separates the notes of a summary, as in "2 failed, 1 to review".
    return notes.join(Report::tr(", "));
}

// The likeliest three: more would read as a list to study, not a hint.
QString candidateNames(const FileResult &result)
{
    QStringList names;
    for (const DetectResult::Candidate &candidate : result.detection.candidates.mid(0, 3))
        names.append(candidate.encoding.name());
    return names.join(QStringLiteral(", "));
}

// The file as listed in Detail: the dropped folder's name, then the path
// below it, so that two dropped folders' a.txt are told apart. A file
// dropped alone shows its own folder's name.
QString listedFile(const FileResult &result)
{
    if (result.path.isEmpty())
        return result.fileName;
    // The listed name may spell a name that is not UTF-8 otherwise than the
    // path does, so the dropped folder is found by counting components.
    QStringList parts = QDir::fromNativeSeparators(result.path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const int below = result.fileName.count(QLatin1Char('/')) + 1;
    if (parts.size() <= below)
        return result.fileName;
    return parts.at(parts.size() - below - 1) + QLatin1Char('/') + result.fileName;
}

QString statusWord(Verdict verdict, FileStatus status)
{
    switch (verdict) {
    case Verdict::Done:
        //: A status in the Detail table
        return status == FileStatus::Converted ? Report::tr("Converted")
            : status == FileStatus::Copied     ? Report::tr("Copied")
                                               : Report::tr("Unchanged", "a file already in the target encoding");
    case Verdict::Failed:
        return Report::tr("Failed");
    case Verdict::Doubtful:
        return Report::tr("Doubtful");
    case Verdict::Binary:
        return Report::tr("Binary", "a file that is not text");
    case Verdict::LeftAlone:
        return Report::tr("Skipped");
    case Verdict::LeftOut:
        return Report::tr("Left out");
    case Verdict::Duplicate:
        return Report::tr("Duplicate");
    }
    return QString();
}

// Nothing was read from files refused before they were opened, so no
// encoding can be named for them.
bool neverRead(const FileResult &result)
{
    switch (result.outcome.failure) {
    case Failure::CannotRead:
    case Failure::NotRegular:
    case Failure::NameNotUtf8:
    case Failure::FolderUnreadable:
    case Failure::LinkOutside:
    case Failure::LeftOut:
    case Failure::SameFileInRun:
    case Failure::HardLinkInRun:
    case Failure::SameDestination:
        return result.detectedName.isEmpty();
    default:
        return false;
    }
}

} // namespace

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString languageName(const QString &code)
{
    const QLocale locale(code == QLatin1String("zh-hans") ? QStringLiteral("zh_CN")
            : code == QLatin1String("zh-hant")            ? QStringLiteral("zh_TW")
                                                          : code);
    if (locale.language() == QLocale::C)
        return code;
    // Qt names languages in English or in themselves only: English where
    // Karvo speaks English (the JSON report among it), else each its own.
    //: Your language's word for the English language. Where this stays "English", Karvo names languages in English.
    if (Report::tr("English") != QLatin1String("English"))
        return locale.nativeLanguageName();
    if (code == QLatin1String("zh-hans"))
        return QStringLiteral("Simplified Chinese");
    if (code == QLatin1String("zh-hant"))
        return QStringLiteral("Traditional Chinese");
    return QLocale::languageToString(locale.language());
}

QString describe(const Doubt &doubt)
{
    const auto encoding = [&](int i) { return i < doubt.encodings.size() ? doubt.encodings.at(i).name() : QString(); };
    const auto language
        = [&](int i) { return i < doubt.languages.size() ? languageName(doubt.languages.at(i)) : QString(); };
    switch (doubt.kind) {
    case Doubt::Kind::CloseReadings:
    case Doubt::Kind::FewCharacters: {
        QString text;
        if (doubt.encodings.size() < 2)
            //: why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding
            text = Report::tr("it may read as %1 in %2, but not surely").arg(language(0), encoding(0));
        else if (language(0) == language(1))
            //: why detection asks; %1 is a language such as "română", %2 and %3 are encodings
            text = Report::tr("it reads as %1 about as well in %2 as in %3").arg(language(0), encoding(0), encoding(1));
        else
            //: why detection asks; %1 and %3 are languages, %2 and %4 encodings
            text = Report::tr("it reads as %1 in %2, and nearly as well as %3 in %4")
                       .arg(language(0), encoding(0), language(1), encoding(1));
        if (doubt.kind == Doubt::Kind::FewCharacters)
            //: why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by
            text = Report::tr("%1, on too few telling characters (%n)", "", doubt.characters).arg(text);
        return text;
    }
    case Doubt::Kind::NoLanguage:
        //: why detection asks; %1 is the encoding that came closest
        return Report::tr("in no encoding does it read as a language Karvo knows (closest: %1)").arg(encoding(0));
    case Doubt::Kind::NoCodec:
        //: why detection asks; %1 is an encoding name, such as VISCII
        return Report::tr("the charset detector says %1, which Karvo cannot read").arg(doubt.detectorName);
    case Doubt::Kind::MixedEncodings:
        //: why detection asks
        return Report::tr("part of it is UTF-8, and part is not");
    }
    return QString();
}

QStringList describe(const QVector<Doubt> &doubts)
{
    QStringList texts;
    for (const Doubt &doubt : doubts)
        texts.append(describe(doubt));
    return texts;
}

QString doubtCode(Doubt::Kind kind)
{
    switch (kind) {
    case Doubt::Kind::CloseReadings:
        return QStringLiteral("close-readings");
    case Doubt::Kind::FewCharacters:
        return QStringLiteral("few-characters");
    case Doubt::Kind::NoLanguage:
        return QStringLiteral("no-language");
    case Doubt::Kind::NoCodec:
        return QStringLiteral("no-codec");
    case Doubt::Kind::MixedEncodings:
        return QStringLiteral("mixed-encodings");
    }
    return QString();
}

QString describe(const Outcome &outcome)
{
    QString why = outcome.error != 0 ? systemReason(outcome.error) : QString();
    if (outcome.failure == Failure::NotRegular)
        why = Engine::tr("It is not a regular file.");
    if (!outcome.path.isEmpty() && outcome.failure != Failure::CutShort)
        //: %1 is a file's path, %2 why something went wrong with it.
        why = why.isEmpty() ? QDir::toNativeSeparators(outcome.path)
                            : Engine::tr("%1: %2").arg(QDir::toNativeSeparators(outcome.path), why);
    const QString text = sentence(outcome);
    //: A failure's sentence (%1) and, in brackets, which file and the system's reason (%2).
    return why.isEmpty() ? text : Report::tr("%1 (%2)").arg(text, why);
}

QString describe(Notice notice)
{
    switch (notice) {
    case Notice::ReplacedExisting:
        //: a Detail line: the copy took the place of a file already in the save folder
        return Report::tr("replaced an existing file");
    case Notice::OwnerNotKept:
        return Report::tr("its owner could not be kept: it is yours now");
    case Notice::GroupNotKept:
        return Report::tr("its group could not be kept");
    case Notice::SetIdDropped:
        return Report::tr("its set-user-ID or set-group-ID bit was dropped with its owner or group");
    case Notice::OtherLinksKeepOldText:
        return Report::tr("its other hard links still hold the old text");
    case Notice::AttributesNotKept:
        return Report::tr("its extended attributes or ACL could not be kept");
    case Notice::KeptBeforeWritingInPlace:
        return Report::tr("written over in place, as it cannot be replaced in its folder; the original was kept first");
    }
    return QString();
}

QStringList describe(Notices notices)
{
    QStringList words;
    for (uint bit = 1; bit <= uint(Notice::KeptBeforeWritingInPlace); bit <<= 1) {
        if (notices.testFlag(Notice(bit)))
            words.append(describe(Notice(bit)));
    }
    return words;
}

QString failureCode(Failure failure)
{
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::CannotRead:
        return QStringLiteral("cannot-read");
    case Failure::NotRegular:
        return QStringLiteral("not-regular");
    case Failure::NameNotUtf8:
        return QStringLiteral("name-not-utf8");
    case Failure::FolderUnreadable:
        return QStringLiteral("folder-unreadable");
    case Failure::LinkOutside:
        return QStringLiteral("link-outside");
    case Failure::LeftOut:
        return QStringLiteral("left-out");
    case Failure::Binary:
        return QStringLiteral("binary");
    case Failure::Doubtful:
        return QStringLiteral("doubtful");
    case Failure::UnknownEncoding:
        return QStringLiteral("unknown-encoding");
    case Failure::LossySource:
        return QStringLiteral("lossy-source");
    case Failure::CutSource:
        return QStringLiteral("cut-source");
    case Failure::LossyTarget:
        return QStringLiteral("lossy-target");
    case Failure::DestinationExists:
        return QStringLiteral("destination-exists");
    case Failure::DestinationIsLink:
        return QStringLiteral("destination-is-link");
    case Failure::DestinationNotRegular:
        return QStringLiteral("destination-not-regular");
    case Failure::DestinationIsSource:
        return QStringLiteral("destination-is-source");
    case Failure::SaveFolderGone:
        return QStringLiteral("save-folder-gone");
    case Failure::ReadOnly:
        return QStringLiteral("read-only");
    case Failure::FolderNotWritable:
        return QStringLiteral("folder-not-writable");
    case Failure::ChangedWhileConverting:
        return QStringLiteral("changed-while-converting");
    case Failure::SameFileInRun:
        return QStringLiteral("same-file-in-run");
    case Failure::HardLinkInRun:
        return QStringLiteral("hard-link-in-run");
    case Failure::SameDestination:
        return QStringLiteral("same-destination");
    case Failure::CannotKeepOriginal:
        return QStringLiteral("cannot-keep-original");
    case Failure::NoSpace:
        return QStringLiteral("no-space");
    case Failure::PermissionDenied:
        return QStringLiteral("permission-denied");
    case Failure::CannotWrite:
        return QStringLiteral("cannot-write");
    case Failure::CutShort:
        return QStringLiteral("cut-short");
    case Failure::Cancelled:
        return QStringLiteral("cancelled");
    case Failure::ChangedSinceRun:
        return QStringLiteral("changed-since-run");
    case Failure::GoneSinceRun:
        return QStringLiteral("gone-since-run");
    case Failure::OriginalMissing:
        return QStringLiteral("original-missing");
    }
    return QString();
}

QString detectedLabel(const FileResult &result)
{
    if (result.detection.kind == DetectResult::Kind::Empty)
        return Report::tr("Empty", "the encoding of an empty file");
    return result.detectedName.isEmpty() ? Report::tr("Unknown", "the encoding of a file") : result.detectedName;
}

QString characterLabel(char32_t character)
{
    const QString code = QStringLiteral("U+") + hexCode(character);
    const uint point = uint(character);
    if (!QChar::isPrint(point) || QChar::isSpace(point))
        return code;
    QString shown = QString::fromUcs4(&character, 1);
    // A combining mark alone would sit on the opening quote.
    if (QChar::isMark(point))
        shown.prepend(QChar(0x25CC));
    //: How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language's quotes.
    return Report::tr("\"%1\" (%2)").arg(shown, code);
}

Verdict verdictOf(const FileResult &result)
{
    switch (result.status) {
    case FileStatus::Converted:
    case FileStatus::Copied:
    case FileStatus::Unchanged:
        return Verdict::Done;
    case FileStatus::Binary:
        return Verdict::Binary;
    case FileStatus::Doubtful:
        return Verdict::Doubtful;
    case FileStatus::Skipped:
    case FileStatus::Failed:
        break;
    }
    if (result.outcome.failure == Failure::LeftOut)
        return Verdict::LeftOut;
    if (result.outcome.failure == Failure::SameFileInRun || result.outcome.failure == Failure::HardLinkInRun)
        return Verdict::Duplicate;
    return result.status == FileStatus::Skipped ? Verdict::LeftAlone : Verdict::Failed;
}

// A second name of a file done once is no problem: the file was done. A
// hard link left with the old text is.
bool isProblem(const FileResult &result)
{
    const Verdict v = verdictOf(result);
    return v != Verdict::Done && (v != Verdict::Duplicate || result.outcome.failure == Failure::HardLinkInRun);
}

ReportRow reportRow(const FileResult &result, const QString &target)
{
    ReportRow row;
    const Verdict v = verdictOf(result);
    row.status = statusWord(v, result.status);
    row.file = listedFile(result);
    row.problem = isProblem(result);
    if (v == Verdict::Doubtful)
        row.from = candidateNames(result);
    else if (v != Verdict::Binary && !neverRead(result))
        row.from = detectedLabel(result);
    if (v != Verdict::Binary)
        row.to = target;
    switch (v) {
    case Verdict::Done:
        row.reason = joinNotes(describe(result.outcome.notices));
        break;
    case Verdict::Doubtful:
        row.reason = Engine::tr("Not converted: the encoding is uncertain.");
        if (!result.detection.doubts.isEmpty())
            row.reason
                = Report::tr("%1 (%2)").arg(row.reason, describe(result.detection.doubts).join(QStringLiteral("; ")));
        break;
    case Verdict::Binary:
        //: a Detail line: the file was not touched because it is not text
        row.reason = Report::tr("Left alone: it is not a text file.");
        break;
    default:
        row.reason = describe(result.outcome);
        break;
    }
    return row;
}

ReportRow reportRow(const UndoResult &result)
{
    ReportRow row;
    //: A status in the Detail table of an undo: the file was put back as it was before the run
    row.status = result.undone ? Report::tr("Undone") : Report::tr("Left", "a file undo left as it is");
    row.file = result.name;
    row.reason = result.undone ? joinNotes(describe(result.outcome.notices)) : describe(result.outcome);
    row.problem = !result.undone;
    return row;
}

QString detailLine(const FileResult &result, const QString &target, bool checking)
{
    const QString encodings = QStringLiteral("  (%1->%2)").arg(detectedLabel(result), target);
    switch (result.status) {
    case FileStatus::Converted:
        if (checking)
            //: The status that begins a Detail line of a check: the file is not in the target encoding yet. The
            //: space after it only pads it.
            return Report::tr("[To convert] ") + result.fileName + encodings;
        Q_FALLTHROUGH();
    case FileStatus::Copied:
    case FileStatus::Unchanged:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Success] ") + result.fileName + encodings
            + (result.outcome.notices ? QStringLiteral("  ") + joinNotes(describe(result.outcome.notices)) : QString());
    case FileStatus::Failed:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Failed]     ") + result.fileName + encodings + QStringLiteral("  ")
            + describe(result.outcome);
    case FileStatus::Skipped:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Skipped]    ") + result.fileName + QStringLiteral("  ") + describe(result.outcome);
    case FileStatus::Binary:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Skipped]    ") + result.fileName
            + QStringLiteral("  ")
            //: a Detail line: the file was not touched because it is not text
            + Report::tr("Left alone: it is not a text file.");
    case FileStatus::Doubtful:
        //: The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
        return Report::tr("[Doubtful]   ") + result.fileName
            + QStringLiteral("  ")
            //: a Detail line; %1 lists the encodings the file may be in
            + Report::tr("Not converted: the encoding is uncertain (perhaps %1).").arg(candidateNames(result))
            + (result.detection.doubts.isEmpty()
                    ? QString()
                    : QStringLiteral("  ") + describe(result.detection.doubts).join(QStringLiteral("; ")));
    }
    return QString();
}

QString summaryText(const QList<FileResult> &results, const QString &target, int planned, bool cancelled,
    int hiddenPassedOver, bool checking)
{
    if (planned == 1 && results.size() == 1) {
        const FileResult &result = results.first();
        const Verdict v = verdictOf(result);
        QString status;
        switch (v) {
        case Verdict::Done:
            //: The status before the name of a file run alone. The space after it only pads it and may change.
            status = Report::tr("[Success] ");
            break;
        case Verdict::Binary:
            return Report::tr("[Skipped] ") + result.fileName + QLatin1Char('\n')
                + Report::tr("(binary file, left alone)");
        case Verdict::Doubtful:
            return Report::tr("[Doubtful] ") + result.fileName + QStringLiteral("\n(") + result.detectedName
                + QStringLiteral("?->") + target + QLatin1Char(')');
        case Verdict::LeftOut:
            //: The status before the name of a file the user left out. The space after it only pads it.
            return Report::tr("[Left out] ") + result.fileName;
        case Verdict::LeftAlone:
            return Report::tr("[Skipped] ") + result.fileName;
        case Verdict::Failed:
        case Verdict::Duplicate:
            status = Report::tr("[Failed] ");
            break;
        }
        // A file that was never read has no encoding to name.
        QString text = status + result.fileName;
        if (!neverRead(result))
            text += QStringLiteral("\n(")
                + (result.detection.kind == DetectResult::Kind::Empty ? detectedLabel(result) : result.detectedName)
                + QStringLiteral("->") + target + QLatin1Char(')');
        if (hiddenPassedOver > 0)
            text += QLatin1Char('\n') + hiddenNote(hiddenPassedOver);
        return text;
    }

    int counts[int(Verdict::LeftAlone) + 1] = {};
    for (const FileResult &result : results)
        ++counts[int(verdictOf(result))];
    const auto count = [&counts](Verdict v) { return counts[int(v)]; };
    const int done = count(Verdict::Done);
    const int failed = count(Verdict::Failed);
    const int doubtful = count(Verdict::Doubtful);
    const int leftOut = count(Verdict::LeftOut);
    // Binary files and second names of a file are not text to convert.
    const int text = done + failed + doubtful + leftOut;
    // A check converts nothing: what it would convert is what fails it.
    int toConvert = 0;
    for (const FileResult &result : results)
        toConvert += checking && result.status == FileStatus::Converted;

    QStringList notes;
    if (toConvert > 0)
        notes.append(Report::tr("%Ln to convert", "files not in the target encoding yet", toConvert));
    if (cancelled && done > 0 && !checking)
        notes.append(Report::tr("%Ln converted", "files", done));
    if (failed > 0)
        notes.append(Report::tr("%Ln failed", "files", failed));
    if (doubtful > 0)
        notes.append(Report::tr("%Ln to review", "files whose encoding is uncertain", doubtful));
    if (leftOut > 0)
        notes.append(Report::tr("%Ln left out", "files the user said are not text", leftOut));
    if (count(Verdict::Binary) > 0)
        notes.append(Report::tr("%Ln binary left alone", "files", count(Verdict::Binary)));
    if (count(Verdict::LeftAlone) > 0)
        notes.append(Report::tr("%Ln left alone", "files such as links out of the folder", count(Verdict::LeftAlone)));
    if (count(Verdict::Duplicate) > 0)
        notes.append(Report::tr("%Ln named twice", "files met twice in one run, done once", count(Verdict::Duplicate)));
    if (hiddenPassedOver > 0)
        notes.append(hiddenNote(hiddenPassedOver));

    QString text1;
    if (cancelled) {
        // English has no catalogue to tell one file from several.
        text1 = planned == 1 ? Report::tr("Cancelled after %L1 of 1 file").arg(results.size())
            : planned > 0
            //: %1 files were done when the run was cancelled, out of %Ln
            ? Report::tr("Cancelled after %L1 of %Ln files", "", planned).arg(results.size())
            : Report::tr("Cancelled: nothing was written");
    } else if (text == 0) {
        text1 = results.isEmpty() && hiddenPassedOver == 0 ? Report::tr("Nothing to convert: the folder is empty")
                                                           : Report::tr("Nothing to convert");
    } else if (checking) {
        //: The summary of a check: %1 of the %2 text files are in the target encoding %3 already.
        text1 = Report::tr("[%1/%2] in %3 already").arg(done - toConvert).arg(text).arg(target);
    } else if (done == text) {
        //: The summary of a run in which every text file succeeded: %1 of %2.
        text1 = Report::tr("[%1/%2] Success!").arg(done).arg(text);
    } else {
        //: The summary of a run in which some files did not succeed: %1 converted out of %2.
        text1 = Report::tr("[%1/%2] converted").arg(done).arg(text);
    }
    if (!notes.isEmpty())
        text1 += QLatin1Char('\n') + joinNotes(notes);
    return text1;
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
