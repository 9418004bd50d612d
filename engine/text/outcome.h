// How a file operation ended, as a value: what kind of failure, if any, and
// the facts behind it. The words for people are made in one place
// (report.h), for the window and the command line alike; programs read the
// kind.
#ifndef KARVO_OUTCOME_H
#define KARVO_OUTCOME_H

#include <QFlags>
#include <QString>

#include <cerrno>

namespace Karvo {

enum class Failure {
    None,
    // Reading what was dropped.
    CannotRead, // `error` says why the file could not be opened or read
    NotRegular, // a folder, device, pipe or socket, or a file of a pseudo file system
    NameNotUtf8, // a name whose bytes are not UTF-8: Karvo cannot name the file to open it
    FolderUnreadable, // a folder that could not be listed; `error` says why
    LinkOutside, // a link to a file outside the dropped folders, left alone
    LeftOut, // left out by the user, who said it is no text file
    // What the bytes are.
    Binary, // not text in any encoding
    Doubtful, // too weak a guess to write without asking
    UnknownEncoding, // `encoding` names an encoding Qt cannot read
    LossySource, // bytes at `line`, `column` are not valid in `encoding`
    CutSource, // the file ends inside a character of `encoding`, at `line`, `column`
    LossyTarget, // `character` at `line`, `column` cannot be written in `encoding`
    // Where the text would go.
    DestinationExists, // a different file of that name is already at `path`
    DestinationIsLink, // a symbolic link at `path`, in or below the save folder
    DestinationNotRegular, // something other than a regular file at `path`
    DestinationIsSource, // the save folder is the file's own folder
    SaveFolderGone, // the save folder `path` is not there
    ReadOnly, // the file to replace is read-only
    FolderNotWritable, // its folder `path` lets no new file take its name (sticky, or taking none); no copy kept
    ChangedWhileConverting, // the file changed between reading and replacing it
    SameFileInRun, // the same file is already in this run, as `path`
    HardLinkInRun, // a hard link to a file already in this run as `path`, replaced in place under that name alone
    SameDestination, // another file of this run, `path`, goes to the same place
    CannotKeepOriginal, // the original could not be kept for Undo (`error`)
    // Writing, by the system's reason (`error`) for what failed at `path`.
    NoSpace,
    PermissionDenied,
    CannotWrite,
    CutShort, // a write over the file broke off, and its original, kept at `path`, could not be put back
    Cancelled,
    // Undo.
    ChangedSinceRun, // the file was changed after the run, and is left as it is
    GoneSinceRun, // the file was moved or deleted after the run
    OriginalMissing, // what undo would put back is no longer in the store
};

// What a write that succeeded could not keep, or wants known.
enum class Notice {
    ReplacedExisting = 0x1, // a different file at the destination gave way (and was kept for Undo)
    OwnerNotKept = 0x2, // the file now belongs to whoever converted it
    GroupNotKept = 0x4,
    SetIdDropped = 0x8, // set-user-ID or set-group-ID went with the owner or group
    OtherLinksKeepOldText = 0x10, // other hard links to the file still hold the old text
    AttributesNotKept = 0x20, // extended attributes or the ACL could not be copied
    KeptBeforeWritingInPlace = 0x40, // the folder takes no new file: the original was kept, then overwritten
};
Q_DECLARE_FLAGS(Notices, Notice)
Q_DECLARE_OPERATORS_FOR_FLAGS(Notices)

struct Outcome
{
    Failure failure = Failure::None;
    int error = 0; // the system's errno, where it gave one
    qint64 line = 0; // from 1, where the failure is in the text
    qint64 column = 0;
    char32_t character = 0; // the character that cannot be written
    QString encoding; // the encoding the failure is about
    QString path; // the other file a failure is about (a destination, a clash)
    Notices notices;

    bool ok() const { return failure == Failure::None; }

    static Outcome success() { return {}; }
    static Outcome failed(Failure failure, int error = 0, const QString &path = QString())
    {
        Outcome outcome;
        outcome.failure = failure;
        outcome.error = error;
        outcome.path = path;
        return outcome;
    }
    // A write that the system refused, by the kind its errno falls under.
    static Outcome writeError(int error, const QString &path = QString())
    {
        const Failure kind = error == ENOSPC || error == EDQUOT   ? Failure::NoSpace
            : error == EACCES || error == EPERM || error == EROFS ? Failure::PermissionDenied
                                                                  : Failure::CannotWrite;
        return failed(kind, error, path);
    }
};

} // namespace Karvo

#endif
