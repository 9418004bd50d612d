#include "run.h"

#include "conversion.h"
#include "report.h"
#include "source.h"
#include "streaming.h"
#include "textjudge.h"
#include "utf8validator.h"
#include "writer.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QTextDecoder>
#include <QThread>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

// Keeps a copy of every file a run replaces in a folder the user named,
// below it as the run lists the file: the command line's way back.
class BackupKeeper : public Keeper
{
public:
    explicit BackupKeeper(const QString &path)
    {
        if (QDir().mkpath(path))
            opened = Folder::open(path, folder);
        else
            opened = Outcome::writeError(errno ? errno : EACCES, path);
    }

    Outcome keep(Replacement &replacement) override
    {
        if (!replacement.existing)
            return Outcome::success();
        if (!opened.ok())
            return Outcome::failed(Failure::CannotKeepOriginal, opened.error, folder.path());
        const QFileInfo listed(replacement.name);
        Folder below;
        Outcome outcome = folder.openBelow(listed.path(), true, below);
        if (!outcome.ok())
            return Outcome::failed(Failure::CannotKeepOriginal, outcome.error, outcome.path);
        const QByteArray entry = QFile::encodeName(listed.fileName());
        replacement.kept = below.pathOf(entry);
        Writer writer(below, entry);
        outcome = writer.look();
        if (outcome.ok() && writer.exists()) {
            // Kept already, by a run that stopped before it was done, say.
            if (writer.existing() >= 0 && sameBytes(replacement.existingFd, writer.existing()))
                return Outcome::success();
            return Outcome::failed(Failure::CannotKeepOriginal, EEXIST, replacement.kept);
        }
        if (outcome.ok())
            outcome = writer.open(false);
        if (outcome.ok() && !copyFrom(replacement.existingFd, writer.device()))
            outcome = Outcome::writeError(errno);
        Metadata metadata = Metadata::of(replacement.existingFd);
        metadata.keepTimes = true;
        Notices ignored;
        if (outcome.ok())
            outcome = writer.finish(metadata, ignored);
        if (outcome.ok())
            outcome = writer.commit({});
        return outcome.ok() ? outcome : Outcome::failed(Failure::CannotKeepOriginal, outcome.error, outcome.path);
    }

    void done(const Replacement &, bool) override { }
    bool keepsCopies() const override { return true; }

private:
    Folder folder;
    Outcome opened;
};

// What a refusal makes of a record: a failure where the user asked for
// something Karvo could not do, left alone where Karvo chose to.
FileStatus statusOf(const Outcome &refusal, bool named)
{
    switch (refusal.failure) {
    case Failure::LinkOutside:
    case Failure::SameFileInRun:
    case Failure::HardLinkInRun:
    case Failure::LeftOut:
        return FileStatus::Skipped;
    case Failure::NotRegular:
        return named ? FileStatus::Failed : FileStatus::Skipped;
    default:
        return FileStatus::Failed;
    }
}

struct Walker
{
    bool recursive = false;
    QSet<QPair<quint64, quint64>> excluded; // folders
    QStringList roots; // canonical paths of the dropped folders
    QVector<PlannedFile> files;
    QSet<QPair<quint64, quint64>> visited; // folders, against loops through bind mounts
    int hidden = 0;

    bool inside(const QString &canonical) const
    {
        for (const QString &root : roots) {
            if (canonical == root || canonical.startsWith(root + QLatin1Char('/')))
                return true;
        }
        return false;
    }

    void refuse(const QString &path, const QString &relative, const Outcome &why, const QByteArray &raw = QByteArray())
    {
        PlannedFile file;
        file.path = path;
        file.relativePath = relative;
        file.refusal = why;
        file.rawPath = raw;
        files.append(file);
    }

    // `root` is the dropped folder, `below` the folder's path below it.
    void walk(const QString &folder, const QByteArray &nativeFolder, const QString &below)
    {
        const QString listed = below.isEmpty() ? QFileInfo(folder).fileName() : below;
        const int fd = ::open(nativeFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
        if (!dir) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            refuse(folder, listed + QLatin1Char('/'), Outcome::failed(Failure::FolderUnreadable, error));
            return;
        }
        struct stat self;
        if (::fstat(fd, &self) == 0)
            visited.insert({self.st_dev, self.st_ino});
        // Looking up each file's canonical path would cost a few system calls
        // per path component; a file that is no link sits where its folder does.
        const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
        QVector<QPair<QByteArray, bool>> subfolders;
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            // Hidden files and folders (.git and the like) are not the user's text.
            if (name.startsWith('.')) {
                ++hidden;
                continue;
            }
            const QString decoded = QFile::decodeName(name);
            const QString path = folder + QLatin1Char('/') + decoded;
            const QString relative = below.isEmpty() ? decoded : below + QLatin1Char('/') + decoded;
            if (QFile::encodeName(decoded) != name) {
                refuse(path, below.isEmpty() ? escapedName(name) : below + QLatin1Char('/') + escapedName(name),
                    Outcome::failed(Failure::NameNotUtf8), nativeFolder + '/' + name);
                continue;
            }
            struct stat info;
            if (::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                refuse(path, relative, Outcome::failed(Failure::CannotRead, errno));
                continue;
            }
            QString resolved;
            if (S_ISLNK(info.st_mode)) {
                if (::fstatat(fd, name.constData(), &info, 0) != 0) {
                    // A link to nothing, or to itself, is no file to convert.
                    const bool nothing = errno == ENOENT || errno == ELOOP;
                    refuse(path, relative, Outcome::failed(nothing ? Failure::NotRegular : Failure::CannotRead, errno));
                    continue;
                }
                // Links to folders could lead in circles or out of the tree.
                if (S_ISDIR(info.st_mode))
                    continue;
                resolved = QFileInfo(path).canonicalFilePath();
                if (S_ISREG(info.st_mode) && !inside(resolved)) {
                    refuse(path, relative, Outcome::failed(Failure::LinkOutside, 0, resolved));
                    continue;
                }
            } else if (S_ISDIR(info.st_mode)) {
                if (recursive && !excluded.contains({info.st_dev, info.st_ino})
                    && !visited.contains({info.st_dev, info.st_ino}))
                    subfolders.append({name, true});
                continue;
            } else if (!canonicalFolder.isEmpty()) {
                resolved = canonicalFolder + QLatin1Char('/') + decoded;
            }
            if (!S_ISREG(info.st_mode)) {
                refuse(path, relative, Outcome::failed(Failure::NotRegular));
                continue;
            }
            PlannedFile file;
            file.path = path;
            file.relativePath = relative;
            file.size = info.st_size;
            file.resolved = resolved;
            file.device = info.st_dev;
            file.inode = info.st_ino;
            files.append(file);
        }
        ::closedir(dir);
        for (const auto &subfolder : qAsConst(subfolders)) {
            const QString name = QFile::decodeName(subfolder.first);
            walk(folder + QLatin1Char('/') + name, nativeFolder + '/' + subfolder.first,
                below.isEmpty() ? name : below + QLatin1Char('/') + name);
        }
    }
};

QString destinationFor(const PlannedFile &file, const RunOptions &options)
{
    if (options.saveFolder.isEmpty())
        return file.path;
    return options.saveFolder + QLatin1Char('/') + file.relativePath;
}

} // namespace

RunContext::RunContext(const RunOptions &options, Keeper *keeper, UndoRecorder *recorder)
    : keeper(keeper)
    , recorder(recorder)
{
    if (!keeper && !options.backupFolder.isEmpty() && !options.dryRun) {
        backup = std::make_unique<BackupKeeper>(options.backupFolder);
        this->keeper = backup.get();
    }
    if (options.saveFolder.isEmpty())
        return;
    saveFolderState = Folder::open(options.saveFolder, saveFolder);
    // Never made again: the user chose a folder that is gone, and the
    // copies must not go somewhere else by the same name. (The command line
    // makes its save folder before the run; a dry run only pretends to.)
    saveFolderToMake = options.dryRun && saveFolderState.error == ENOENT;
    if (saveFolderToMake)
        saveFolderState = Outcome::success();
    else if (!saveFolderState.ok() && saveFolderState.error == ENOENT)
        saveFolderState = Outcome::failed(Failure::SaveFolderGone, 0, options.saveFolder);
}

RunContext::~RunContext() = default;

bool RunContext::claim(quint64 device, quint64 inode, const QString &path, QString *first)
{
    const QPair<quint64, quint64> identity(device, inode);
    QMutexLocker lock(&mutex);
    const auto known = claimed.constFind(identity);
    if (known != claimed.constEnd()) {
        *first = *known;
        return false;
    }
    claimed.insert(identity, path);
    return true;
}

Outcome RunContext::folderOf(const QString &path, std::shared_ptr<const Folder> &folder)
{
    QMutexLocker lock(&mutex);
    // A run over a tree of thousands of folders holds open only those of
    // the files in hand and a few more, within the usual 1,024 descriptors.
    constexpr int mostIdleFolders = 32;
    if (folders.size() > mostIdleFolders && !folders.contains(path)) {
        for (auto it = folders.begin(); it != folders.end();)
            it = it.value().use_count() == 1 ? folders.erase(it) : std::next(it);
    }
    std::shared_ptr<const Folder> &known = folders[path];
    if (!known) {
        auto opened = std::make_shared<Folder>();
        const Outcome outcome = Folder::open(path, *opened);
        if (!outcome.ok()) {
            folders.remove(path);
            return outcome;
        }
        known = opened;
    }
    folder = known;
    return Outcome::success();
}

void RunContext::recordFolders(const QStringList &made)
{
    if (recorder)
        for (const QString &folder : made)
            recorder->createdFolder(folder);
}

QString escapedName(const QByteArray &bytes)
{
    QString name;
    for (int i = 0; i < bytes.size();) {
        const int length = utf8SequenceLength(bytes.constData() + i, bytes.size() - i);
        if (length > 0) {
            name += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
            continue;
        }
        name += QStringLiteral("\\x")
            + QString::number(uchar(bytes.at(i)), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        ++i;
    }
    return name;
}

QString resolvedPath(const PlannedFile &file)
{
    return file.resolved.isEmpty() ? resolvedPath(file.path) : file.resolved;
}

PlannedFile plannedFrom(const FileResult &result)
{
    PlannedFile file;
    file.path = result.path;
    file.relativePath = result.fileName;
    file.rawPath = result.rawPath;
    file.named = true;
    return file;
}

QVector<PlannedFile> walkPaths(const QStringList &paths, bool recursive, const QStringList &excluded, int *hidden)
{
    Walker walker;
    walker.recursive = recursive;
    struct stat info;
    for (const QString &folder : excluded) {
        if (!folder.isEmpty() && ::stat(QFile::encodeName(folder).constData(), &info) == 0)
            walker.excluded.insert({info.st_dev, info.st_ino});
    }
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            walker.roots.append(QFileInfo(path).canonicalFilePath());
    }
    for (const QString &path : paths) {
        const QFileInfo fileInfo(path);
        const QByteArray native = QFile::encodeName(path);
        if (path.isEmpty() || ::stat(native.constData(), &info) != 0) {
            // A web link drops as an empty path; a name the system could not
            // give us whole cannot be opened.
            const Outcome why = path.isEmpty() ? Outcome::failed(Failure::NotRegular)
                : path.contains(QChar::ReplacementCharacter) && errno == ENOENT
                ? Outcome::failed(Failure::NameNotUtf8)
                : Outcome::failed(Failure::CannotRead, errno);
            walker.refuse(path, fileInfo.fileName(), why);
            walker.files.last().named = true;
        } else if (S_ISDIR(info.st_mode)) {
            walker.walk(fileInfo.absoluteFilePath(), QFile::encodeName(fileInfo.absoluteFilePath()), QString());
        } else {
            PlannedFile file;
            file.path = path;
            file.relativePath = fileInfo.fileName();
            file.size = info.st_size;
            file.named = true;
            file.device = info.st_dev;
            file.inode = info.st_ino;
            if (!S_ISREG(info.st_mode))
                file.refusal = Outcome::failed(Failure::NotRegular);
            walker.files.append(file);
        }
    }
    if (hidden)
        *hidden = walker.hidden;
    return walker.files;
}

namespace {

// Whether `file` will be written over where it stands, keeping its inode,
// so that every name of it gets the new text: its folder lets no new file
// take its name, and the run keeps a copy first.
bool writtenOver(const PlannedFile &file, const RunOptions &options)
{
    if (!options.keepOriginals && options.backupFolder.isEmpty())
        return false;
    const QString resolved = resolvedPath(file);
    const QByteArray path = QFile::encodeName(resolved);
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).path());
    struct stat info, folderInfo;
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0
        || (::stat(path.constData(), &info) == 0 && ::stat(folder.constData(), &folderInfo) == 0
            && stickyRefuses(info, folderInfo));
}

} // namespace

void markClashes(QVector<PlannedFile> &files, const RunOptions &options)
{
    const QString folder = options.saveFolder.isEmpty() ? QString() : resolvedPath(options.saveFolder);
    QHash<QPair<quint64, quint64>, int> seen; // a file, and where in `files` it came first
    QHash<QString, QString> taken; // a destination, and the file that goes there
    for (int i = 0; i < files.size(); ++i) {
        PlannedFile &file = files[i];
        if (!file.refusal.ok())
            continue;
        if (file.inode != 0) {
            const QPair<quint64, quint64> identity(file.device, file.inode);
            const auto first = seen.constFind(identity);
            if (first != seen.constEnd()) {
                // Replaced in place, a file is a new file under the name
                // it was reached by: its other hard links keep the old one.
                const PlannedFile &done = files.at(*first);
                const bool keepsOldText = folder.isEmpty() && !sameEntry(resolvedPath(file), resolvedPath(done))
                    && !writtenOver(done, options);
                file.refusal
                    = Outcome::failed(keepsOldText ? Failure::HardLinkInRun : Failure::SameFileInRun, 0, done.path);
                file.sameAs = *first;
                continue;
            }
            seen.insert(identity, i);
        }
        if (folder.isEmpty())
            continue;
        const QString destination = folder + QLatin1Char('/') + file.relativePath;
        const auto first = taken.constFind(destination);
        if (first != taken.constEnd())
            file.refusal = Outcome::failed(Failure::SameDestination, 0, *first);
        else
            taken.insert(destination, file.path);
    }
}

qint64 bytesToKeep(const QVector<PlannedFile> &files, const RunOptions &options)
{
    qint64 bytes = 0;
    for (const PlannedFile &file : files) {
        if (file.refusal.ok())
            bytes += options.saveFolder.isEmpty() ? file.size : QFileInfo(destinationFor(file, options)).size();
    }
    return bytes;
}

namespace {

// The user's word on the source encoding replaces detection's guess.
void forceEncoding(DetectResult &detection, const Encoding &encoding)
{
    if (!encoding.isValid())
        return;
    detection.encoding = encoding;
    detection.confidence = 1;
    detection.doubtful = false;
    detection.asciiOnly = false;
}

// Whether `target` writes the ASCII of an open file as it stands: every
// ASCII-compatible encoding does; ICU's Shift_JIS does too, but for three
// controls it swaps, and ISO-2022-JP but for its escapes and shifts.
bool keepsAscii(const SourceFile &source, const Encoding &target)
{
    if (target.isAsciiCompatible())
        return true;
    // Worked out once for each target (UTF-16 and UTF-32 change every byte).
    using Changed = std::array<bool, 0x80>;
    static QMutex mutex;
    static QHash<QTextCodec *, Changed> changedByTarget;
    Changed isChanged {};
    {
        const QMutexLocker lock(&mutex);
        const auto known = changedByTarget.constFind(target.codec());
        if (known != changedByTarget.cend()) {
            isChanged = known.value();
        } else {
            for (int b = 0; b < 0x80; ++b) {
                const QByteArray byte(1, char(b));
                QTextDecoder decoder(target.codec(), QTextCodec::IgnoreHeader);
                QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
                isChanged[size_t(b)] = decoder.toUnicode(byte) != QString(QChar(b)) || decoder.hasFailure()
                    || target.codec()->fromUnicode(QString(QChar(b)).constData(), 1, &state) != byte;
            }
            changedByTarget.insert(target.codec(), isChanged);
        }
    }
    QByteArray block(1 << 20, Qt::Uninitialized);
    ssize_t read = 0;
    for (off_t at = 0; (read = ::pread(source.fd(), block.data(), size_t(block.size()), at)) > 0; at += read) {
        if (std::any_of(block.cbegin(), block.cbegin() + read, [&](char b) { return isChanged[uchar(b) & 0x7F]; }))
            return false;
    }
    return read == 0;
}

// Converts, copies or leaves alone a file whose encoding is settled.
void decide(
    SourceFile &source, const PlannedFile &file, const RunOptions &options, RunContext &context, FileResult &result)
{
    const DetectResult &detection = result.detection;
    if (detection.kind == DetectResult::Kind::Binary) {
        result.status = FileStatus::Binary;
        return;
    }
    if (detection.kind == DetectResult::Kind::Text) {
        if (detection.doubtful) {
            result.status = FileStatus::Doubtful;
            return;
        }
        if (!detection.encoding.isValid()) {
            result.outcome = Outcome::failed(Failure::UnknownEncoding);
            result.outcome.encoding = detection.detectorName;
            return;
        }
    }

    // Bytes that are already right in the target as they stand are left
    // alone: an empty file is valid in every encoding, ASCII in every one
    // that reads its bytes as ASCII. Rewriting them unchanged would only give
    // them a new inode and time, and break their other hard links.
    const bool inTarget = detection.kind == DetectResult::Kind::Empty || detection.encoding == options.target
        || (detection.asciiOnly && keepsAscii(source, options.target));
    const bool intoFolder = !options.saveFolder.isEmpty();
    if (inTarget && !intoFolder) {
        result.status = FileStatus::Unchanged;
        return;
    }
    result.status = inTarget ? FileStatus::Copied : FileStatus::Converted;

    // Where the new version goes: in place, the folder the file really is
    // in; into the save folder, below the folder opened at the start, never
    // through a link.
    Folder own;
    const Folder *folder = &own;
    QByteArray entry;
    std::shared_ptr<const Folder> shared;
    if (!intoFolder) {
        const QFileInfo real(resolvedPath(file));
        entry = QFile::encodeName(real.fileName());
        result.outcome = context.folderOf(real.absolutePath(), shared);
        folder = shared.get();
    } else if (!context.saveFolderState.ok()) {
        result.outcome = context.saveFolderState;
    } else {
        const QFileInfo listed(file.relativePath);
        entry = QFile::encodeName(listed.fileName());
        folder = &context.saveFolder;
        if (!context.saveFolderToMake && listed.path() != QLatin1String(".")) {
            QStringList made;
            result.outcome = context.saveFolder.openBelow(listed.path(), !options.dryRun, own, &made);
            context.recordFolders(made);
            folder = &own;
        }
        // A dry run makes no folder: what would go in it is new.
        if (options.dryRun && (context.saveFolderToMake || result.outcome.error == ENOENT)) {
            result.outcome = inTarget ? Outcome::success() : check(source, detection.encoding, options.target);
            result.destination = destinationFor(file, options);
            return;
        }
    }
    if (!result.outcome.ok())
        return;
    result.destination = folder->pathOf(entry);

    WriteOptions write;
    write.name = file.relativePath;
    write.inPlace = !intoFolder;
    write.replaceExisting = options.overwrite;
    write.dryRun = options.dryRun;
    write.copiesKept = options.keepOriginals || !options.backupFolder.isEmpty();
    result.outcome = inTarget
        ? copy(source, *folder, entry, write, context.keeper)
        : convert(source, detection.encoding, options.target, *folder, entry, write, context.keeper);
}

} // namespace

FileResult processFile(const PlannedFile &file, const RunOptions &options, RunContext *shared)
{
    std::unique_ptr<RunContext> own;
    if (!shared) {
        own = std::make_unique<RunContext>(options);
        shared = own.get();
    }
    FileResult result;
    result.fileName = file.relativePath;
    result.path = file.path;
    result.rawPath = file.rawPath;
    if (!file.refusal.ok()) {
        result.outcome = file.refusal;
        result.status = statusOf(file.refusal, file.named);
        return result;
    }

    SourceFile source;
    result.outcome = source.open(file.path);
    QString first;
    if (result.outcome.ok() && !shared->claim(source.info().st_dev, source.info().st_ino, file.path, &first))
        result.outcome = Outcome::failed(Failure::SameFileInRun, 0, first);
    if (!result.outcome.ok()) {
        result.status = statusOf(result.outcome, file.named);
        return result;
    }

    result.detection = detectFile(source.file());
    // What looks binary may be text in the encoding the user names (SCSU's
    // tags, ISO-2022-KR's shifts).
    if (options.sourceEncoding.isValid() && result.detection.kind == DetectResult::Kind::Binary
        && readsAsText(source.file(), options.sourceEncoding))
        result.detection.kind = DetectResult::Kind::Text;
    if (options.sourceEncoding.isValid() && result.detection.kind == DetectResult::Kind::Text)
        forceEncoding(result.detection, options.sourceEncoding);
    result.detectedName = result.detection.name();
    decide(source, file, options, *shared, result);
    if (!result.outcome.ok())
        result.status = FileStatus::Failed;
    result.success = result.outcome.ok()
        && (result.status == FileStatus::Converted || result.status == FileStatus::Copied
            || result.status == FileStatus::Unchanged);
    return result;
}

Run::Run(const RunOptions &options, QObject *parent)
    // A small file costs little processor time and then waits for the disk
    // to confirm its write (fdatasync); many threads overlap those waits. A
    // run that writes nothing has none to overlap, and more threads than
    // cores only take turns (2,000 small files checked: 7 % slower at 16).
    : Job(options.threads > 0 ? options.threads
            : options.dryRun  ? QThread::idealThreadCount()
                              : qMax(16, 4 * QThread::idealThreadCount()),
        parent)
    , runOptions(options)
{
    qRegisterMetaType<Karvo::FileResult>();
}

Run::~Run()
{
    cancel();
    pool.waitForDone();
}

void Run::walk(const QStringList &paths)
{
    // On a second thread while the first lists the files: over many small
    // files this is a tenth of the time a dry run takes.
    pool.start([] { prepareWeighing(); });
    inBackground(
        [this, paths] {
            // Copies made by earlier runs are not the user's text to convert.
            planned = walkPaths(paths, runOptions.recursive, {runOptions.saveFolder, runOptions.backupFolder}, &hidden);
            saveMissing = !runOptions.saveFolder.isEmpty() && !QFileInfo(runOptions.saveFolder).isDir();
            for (PlannedFile &file : planned) {
                if (file.refusal.ok())
                    file.keepSize = runOptions.saveFolder.isEmpty()
                        ? file.size
                        : QFileInfo(destinationFor(file, runOptions)).size();
            }
            if (!runOptions.keepOriginals || runOptions.dryRun || !runOptions.joinRun.isEmpty())
                return;
            UndoStore store(runOptions.undoFolder);
            storeProblem = store.problem(0);
            Outcome failure;
            if (storeProblem.isEmpty())
                recorder = store.begin(runOptions.target.name(), runOptions.saveFolder, &failure);
            if (storeProblem.isEmpty() && !recorder)
                storeProblem = Undo::tr("Karvo cannot write in its undo folder %1 (%2).")
                                   .arg(QDir::toNativeSeparators(store.folder()), systemReason(failure.error));
        },
        [this] { emit walked(); });
}

QString Run::undoProblem(const QVector<PlannedFile> &files) const
{
    if (!runOptions.keepOriginals || runOptions.dryRun)
        return QString();
    if (!storeProblem.isEmpty())
        return storeProblem;
    qint64 bytes = 0;
    for (const PlannedFile &file : files)
        bytes += file.refusal.ok() ? file.keepSize : 0;
    return UndoStore::sizeProblem(bytes);
}

void Run::process(const QVector<PlannedFile> &files)
{
    queued = files;
    markClashes(queued, runOptions);
    if (!runOptions.keepOriginals || runOptions.dryRun)
        recorder.reset();
    undoCount = 0;
    {
        QMutexLocker lock(&mutex);
        records = QVector<FileResult>(queued.size());
        done = QVector<bool>(queued.size(), false);
    }

    Steps steps;
    steps.workers = pool.maxThreadCount();
    steps.prepare = [this] {
        UndoStore store(runOptions.undoFolder);
        Outcome failure;
        if (!runOptions.joinRun.isEmpty() && !runOptions.dryRun)
            recorder = store.join(runOptions.joinRun, &failure);
        else if (runOptions.keepOriginals && !runOptions.dryRun && !recorder)
            recorder = store.begin(runOptions.target.name(), runOptions.saveFolder, &failure);
        if (recorder)
            undoId = recorder->id();
        context = std::make_unique<RunContext>(runOptions, recorder.get(), recorder.get());
        if (!recorder && !runOptions.joinRun.isEmpty() && !runOptions.dryRun) {
            // A review that cannot join its run's undo entry writes nothing.
            for (PlannedFile &file : queued)
                file.refusal = failure;
        }
        return int(queued.size());
    };
    steps.name = [this](int i) { return queued.at(i).relativePath; };
    steps.item = [this](int i) {
        FileResult result = processFile(queued.at(i), runOptions, context.get());
        QMutexLocker lock(&mutex);
        if (result.outcome.failure == Failure::HardLinkInRun) {
            // Only once its other name is done can a hard link say whether
            // that name was replaced. That name comes first in the list, so a
            // worker has it in hand already.
            const int first = queued.at(i).sameAs;
            while (!done.at(first))
                recorded.wait(&mutex);
            const FileResult &other = records.at(first);
            if (other.status != FileStatus::Converted || !other.outcome.ok())
                result.outcome.failure = Failure::SameFileInRun; // nothing was replaced: both names keep one text
        }
        records[i] = std::move(result);
        done[i] = true;
        recorded.wakeAll();
    };
    steps.conclude = [this] {
        context.reset();
        if (!recorder)
            return;
        // The journal's end and the dropping of old runs (unlinking a
        // gigabyte takes a while) are not the window's to wait for.
        recorder->finish();
        undoCount = recorder->count();
        recorder.reset();
        UndoStore(runOptions.undoFolder).prune(undoId);
    };
    Job::start(steps);
}

QList<FileResult> Run::results() const
{
    QMutexLocker lock(&mutex);
    QList<FileResult> list;
    for (int i = 0; i < records.size(); ++i) {
        if (done.at(i))
            list.append(records.at(i));
    }
    return list;
}

void Run::itemsFinished(const QVector<int> &items)
{
    QVector<FileResult> finishedNow;
    {
        QMutexLocker lock(&mutex);
        for (int index : items)
            finishedNow.append(records.at(index));
    }
    for (const FileResult &result : qAsConst(finishedNow))
        emit fileFinished(result);
}

} // namespace Karvo
