// The one writer under faults and attacks. Every system call it makes is
// failed in turn, as a full disk or a failing drive would: the original
// stays as it was, nothing is left behind, and the record says why. Then the
// ways another user or program could turn a write against its owner: links
// below the save folder, a save folder swapped meanwhile, files that change
// while they are converted, files of the kernel, and an owner Karvo cannot
// keep.
#include "conversion.h"
#include "facts.h"
#include "jobsupport.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QtTest>

#include <cstring>
#include <optional>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Karvo;

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。\n孩子们在草地上奔跑。\n");

struct Scene : Scratch
{
    QStringList everything() const
    {
        QStringList all;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext())
            all.append(it.next().mid(dir.path().size()));
        all.sort();
        return all;
    }
};

ino_t inodeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

RunOptions into(const QString &saveFolder = QString())
{
    RunOptions options;
    options.saveFolder = saveFolder;
    options.overwrite = true;
    return options;
}

FileResult process(const QString &path, const RunOptions &options)
{
    RunContext context(options);
    return processFile(walkPaths({path}).value(0), options, &context);
}

// A record as the tables write it: the failure's code, or "ok" and the
// notices.
QString verdict(const FileResult &result)
{
    if (!result.outcome.ok())
        return failureCode(result.outcome.failure);
    QStringList words(QStringLiteral("ok"));
    for (const auto &[notice, word] :
        {std::pair {Notice::OwnerNotKept, "owner-not-kept"}, {Notice::GroupNotKept, "group-not-kept"},
            {Notice::SetIdDropped, "set-id-dropped"}, {Notice::AttributesNotKept, "attributes-not-kept"},
            {Notice::OtherLinksKeepOldText, "other-links"}, {Notice::ReplacedExisting, "replaced"}}) {
        if (result.outcome.notices.testFlag(notice))
            words.append(QLatin1String(word));
    }
    return words.join(QLatin1Char(' '));
}

// Runs `job` as nobody in a child process, for what only binds an
// unprivileged user; its exit code comes back.
int asNobody(const std::function<int()> &job, bool inRootsGroup = false)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const gid_t root = 0;
        if (::setgroups(inRootsGroup ? 1 : 0, &root) != 0 || ::setresgid(65534, 65534, 65534) != 0
            || ::setresuid(65534, 65534, 65534) != 0)
            ::_exit(99);
        ::_exit(job());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The source's folder takes no new file, as another user's folder would,
// so that the file is written over where it stands; and the disk is full:
// "no room" to set aside, or writes to the file itself stop half way
// ("full"), then even to put the original back ("full for good").
class WrittenOver : public SystemCalls
{
public:
    WrittenOver(const QString &file, const QString &fault)
        : file(QFileInfo(file).canonicalFilePath())
        , fault(fault)
    {
        setSystemCalls(this);
    }
    ~WrittenOver() override { setSystemCalls(nullptr); }

    int openat(int folder, const char *name, int flags, mode_t mode) override
    {
        errno = EACCES;
        return (flags & O_CREAT) && pathOf(folder) == QFileInfo(file).path()
            ? -1
            : SystemCalls::openat(folder, name, flags, mode);
    }
    int fallocate(int fd, int mode, off_t offset, off_t length) override
    {
        errno = fault == QLatin1String("no room") ? ENOSPC : EOPNOTSUPP;
        return fault.startsWith(QLatin1String("no ")) ? -1 : SystemCalls::fallocate(fd, mode, offset, length);
    }
    ssize_t write(int fd, const void *data, size_t size) override
    {
        if (!fault.startsWith(QLatin1String("full")) || pathOf(fd) != file)
            return SystemCalls::write(fd, data, size);
        if (++writes == 1)
            return SystemCalls::write(fd, data, size / 2);
        errno = ENOSPC;
        return writes == 2 || fault == QLatin1String("full for good") ? -1 : SystemCalls::write(fd, data, size);
    }

private:
    static QString pathOf(int fd) { return QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd)); }

    const QString file;
    const QString fault;
    int writes = 0;
};

// An access ACL as the kernel stores it: the owner rw-, user nobody rw-,
// the owning group ---, mask rw-, others ---.
QByteArray accessList()
{
    QByteArray acl("\x02\0\0\0", 4);
    const auto entry = [&](quint16 tag, quint16 rights, quint32 id) {
        acl.append(char(tag & 0xFF)).append(char(tag >> 8)).append(char(rights)).append('\0');
        acl.append(reinterpret_cast<const char *>(&id), 4);
    };
    entry(0x01, 6, quint32(-1)); // user::rw-
    entry(0x02, 6, 65534); // user:nobody:rw-
    entry(0x04, 0, quint32(-1)); // group::---
    entry(0x10, 6, quint32(-1)); // mask::rw-
    entry(0x20, 0, quint32(-1)); // other::---
    return acl;
}

} // namespace

class TstWriter : public QObject
{
    Q_OBJECT

private slots:
    void faults_data()
    {
        QTest::addColumn<QString>(
            "where"); // "in place", "copy" (new, in the save folder), "below" (in a new subfolder)
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QString>("expected"); // the record's verdict()

        const auto row = [](const char *where, const char *call, int error, int nth, const char *expected) {
            QTest::addRow("%s: %s %s", where, call, std::strerror(error)) << where << call << error << nth << expected;
        };
        row("in place", "openat", ENOSPC, 1, "no-space");
        row("in place", "write", ENOSPC, 1, "no-space");
        row("in place", "write", EIO, 1, "cannot-write");
        row("in place", "fdatasync", EIO, 1, "cannot-write");
        row("in place", "fchown", EIO, 1, "cannot-write");
        row("in place", "fchown", EPERM, 1, "ok owner-not-kept");
        row("in place", "fchmod", EPERM, 1, "permission-denied");
        row("in place", "fsetxattr", EIO, 1, "cannot-write");
        row("in place", "fsetxattr", ENOTSUP, 1, "ok attributes-not-kept");
        row("in place", "fremovexattr", EIO, 1, "cannot-write");
        row("in place", "fremovexattr", ENODATA, 1, "ok"); // no list to take off
        row("in place", "fremovexattr", ENOTSUP, 1, "ok");
        row("in place", "renameat2", EIO, 1, "cannot-write");
        row("in place", "fsync", EIO, 1, "cannot-write");
        row("copy", "renameat2", EDQUOT, 1, "no-space");
        row("copy", "fsync", EIO, 1, "cannot-write");
        row("below", "mkdirat", ENOSPC, 1, "no-space");
    }

    void faults()
    {
        QFETCH(QString, where);
        QFETCH(QString, call);
        QFETCH(int, error);
        QFETCH(int, nth);
        QFETCH(QString, expected);

        Scene s;
        const bool root = ::geteuid() == 0;
        if (call == QLatin1String("fchown") && !root)
            QSKIP("only root can give a file to someone else for the owner to be kept");
        const QString source = s.file(where == QLatin1String("below") ? "in/sub/a.txt" : "in/a.txt", gb18030(chinese));
        QCOMPARE(::setxattr(QFile::encodeName(source).constData(), "user.origin", "mail", 4, 0), 0);
        if (root) // someone else's file: the owner is given back, set-group-ID with its group
            QCOMPARE(::chown(QFile::encodeName(source).constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(QFile::encodeName(source).constData(), 02640), 0);
        QDir().mkpath(s.path(QStringLiteral("out")));
        const QStringList before = s.everything();
        const ino_t inode = inodeOf(source);

        FileResult result;
        {
            Faults faults(call.toLatin1().constData(), error, nth);
            const RunOptions options = into(where == QLatin1String("in place") ? QString() : s.path("out"));
            RunContext context(options);
            QVector<PlannedFile> files = walkPaths({s.path(QStringLiteral("in"))}, true);
            result = processFile(files.value(0), options, &context);
            QVERIFY(faults.seen >= nth);
        }
        QCOMPARE(verdict(result), expected);
        if (!result.outcome.ok()) {
            QCOMPARE(result.outcome.error, error);
            QCOMPARE(contents(source), gb18030(chinese));
            QCOMPARE(inodeOf(source), inode);
            QCOMPARE(s.everything(), before); // nothing left behind
        } else {
            QCOMPARE(contents(result.destination), chinese.toUtf8());
        }
    }

    void writtenOver_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("undoable"); // kept for Undo, else in a backup folder
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("converted");
        QTest::addColumn<QString>("expected"); // the record's verdict()

        const QString german = QStringLiteral("Gr\u00FC\u00DFe aus K\u00F6ln, sagte er.\n").repeated(20);
        const auto row = [&](const char *name, const char *fault, bool undoable, const char *expected) {
            QTest::newRow(name) << fault << undoable << gb18030(chinese) << chinese.toUtf8() << expected;
        };
        row("grows", "", true, "ok");
        QTest::newRow("shrinks") << QString() << false << encoded("UTF-16LE", german) << german.toUtf8() << "ok";
        row("no room is set aside", "no fallocate", false, "ok");
        row("no room for it", "no room", false, "no-space");
        row("the disk fills half way", "full", true, "no-space");
        row("... with a backup folder", "full", false, "no-space");
        row("... and the original cannot go back", "full for good", true, "cut-short");
        row("... nor from the backup folder", "full for good", false, "cut-short");
    }

    // Written over where it stands, a file holds the new text, or its
    // original with its times; where neither, the record says where the
    // original is kept, and Undo puts it back.
    void writtenOver()
    {
        QFETCH(QString, fault);
        QFETCH(bool, undoable);
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, converted);
        QFETCH(QString, expected);

        Scene s;
        const QString source = s.file("in/a.txt", original);
        const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(source).constData(), old, 0), 0);
        const QString store = s.path(QStringLiteral("store"));
        RunOptions options = undoable ? keeping(store) : into();
        if (!undoable)
            options.backupFolder = s.path(QStringLiteral("bak"));
        Run run(options);
        FileResult result;
        {
            WrittenOver over(source, fault);
            result = runAll(run, {source}).value(0);
        }
        QCOMPARE(verdict(result), expected);
        const QString id = run.undoRunId();
        if (result.outcome.ok()) {
            QCOMPARE(contents(source), converted);
            if (undoable) {
                undoAll(store, id);
                QCOMPARE(contents(source), original);
            }
        } else if (result.outcome.failure == Failure::CutShort) {
            QCOMPARE(contents(result.outcome.path), original);
            QCOMPARE(describe(result.outcome).count(result.outcome.path), 1);
            if (undoable) {
                undoAll(store, id);
                QCOMPARE(contents(source), original);
            }
        } else {
            QCOMPARE(contents(source), original);
            QCOMPARE(QFileInfo(source).lastModified().toSecsSinceEpoch(), 1000000000);
            QVERIFY(id.isEmpty()); // nothing to undo
        }
    }

    void attacks_data()
    {
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("expected"); // the record's verdict()

        const auto row = [](const char *name, const char *attack, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(attack) << QString::fromUtf8(expected);
        };
        row("a link planted below the save folder", "planted link", "destination-is-link");
        row("the save folder swapped for a link meanwhile", "swapped save folder", "ok");
        row("text appended while converting", "append", "changed-while-converting");
        row("another file renamed over it while converting", "replace", "changed-while-converting");
        row("another file renamed over the one to replace", "swapped destination", "changed-while-converting");
        row("a setting of the kernel, in /proc", "/proc/sys/kernel/hostname", "not-regular");
        row("a setting of the kernel, in /sys", "/sys/kernel/mm/transparent_hugepage/enabled", "not-regular");
        row("a link dropped for the file", "link", "ok");
        row("a hard link elsewhere", "hard link", "ok other-links");
        row("a hard link elsewhere, in a dry run", "hard link, dry run", "ok other-links");
        row("an access list", "acl", "ok");
        row("none, in a folder with a default access list", "default acl", "ok");
        row("in a set-group-ID folder of another group", "setgid folder", "ok");
        row("root's 0666 file in my folder", "root's file", "ok owner-not-kept group-not-kept");
        row("root's 2666 file in my folder", "root's setgid file", "ok owner-not-kept group-not-kept set-id-dropped");
        row("... as a member of root's group", "root's setgid file, in root's group", "ok owner-not-kept");
        // What a dry run foresees, without trying.
        row("root's 2666 file in my folder, in a dry run", "root's setgid file, dry run",
            "ok owner-not-kept group-not-kept set-id-dropped");
        row("... as a member of root's group, in a dry run", "root's setgid file, in root's group, dry run",
            "ok owner-not-kept");
        row("nobody's file, by root, in a dry run", "nobody's file, dry run", "ok");
        row("root's file copied into my folder, in a dry run", "root's file copied, dry run", "ok");
    }

    void attacks()
    {
        QFETCH(QString, attack);
        QFETCH(QString, expected);

        Scene s;
        const QString source = s.file(QStringLiteral("src/sub/notes.txt"), gb18030(chinese));
        const QString victim = s.file(QStringLiteral("victim/notes.txt"), "victim's own\n");
        QDir().mkpath(s.path(QStringLiteral("out")));
        RunOptions options = into();
        std::function<void()> act;
        QString processed = source;
        std::unique_ptr<RunContext> context;

        if (attack == QLatin1String("planted link")) {
            QVERIFY(QFile::link(s.path(QStringLiteral("victim")), s.path(QStringLiteral("out/sub"))));
            options = into(s.path(QStringLiteral("out")));
            processed = s.path(QStringLiteral("src"));
        } else if (attack == QLatin1String("swapped save folder")) {
            options = into(s.path(QStringLiteral("out")));
            processed = s.path(QStringLiteral("src"));
            context = std::make_unique<RunContext>(options);
            QVERIFY(QDir().rename(s.path(QStringLiteral("out")), s.path(QStringLiteral("moved"))));
            QVERIFY(QFile::link(s.path(QStringLiteral("victim")), s.path(QStringLiteral("out"))));
        } else if (attack == QLatin1String("append")) {
            act = [&] { writeFile(source, gb18030(chinese + chinese)); };
        } else if (attack == QLatin1String("replace")) {
            act = [&] {
                ::rename(QFile::encodeName(writeFile(s.path("other"), gb18030(chinese + chinese))).constData(),
                    QFile::encodeName(source).constData());
            };
        } else if (attack == QLatin1String("swapped destination")) {
            options = into(s.path(QStringLiteral("out")));
            processed = s.path(QStringLiteral("src"));
            s.file(QStringLiteral("out/sub/notes.txt"), "to be replaced, and kept first");
            act = [&] {
                ::rename(QFile::encodeName(s.file(QStringLiteral("out/sub/new"), "came meanwhile")).constData(),
                    QFile::encodeName(s.path(QStringLiteral("out/sub/notes.txt"))).constData());
            };
        } else if (attack.startsWith(QLatin1Char('/'))) {
            processed = attack;
            options.dryRun = true; // should the refusal ever fail, nothing is written
        } else if (attack == QLatin1String("link")) { // the file is converted, and the link stays
            QVERIFY(QFile::link(QStringLiteral("notes.txt"), processed = s.path(QStringLiteral("src/sub/link.txt"))));
        } else if (attack.startsWith(QLatin1String("hard link"))) {
            QVERIFY(hardLink(source, s.path(QStringLiteral("other name"))));
            options.dryRun = attack.endsWith(QLatin1String("dry run"));
        } else if (attack == QLatin1String("acl")) {
            const QByteArray acl = accessList();
            QCOMPARE(::setxattr(QFile::encodeName(source).constData(), "system.posix_acl_access", acl.constData(),
                         size_t(acl.size()), 0),
                0);
        } else if (attack == QLatin1String("default acl")) { // nobody may read the file, nor its new version
            QCOMPARE(::chmod(QFile::encodeName(source).constData(), 0600), 0);
            QByteArray acl = accessList();
            if (::setxattr(QFile::encodeName(s.path(QStringLiteral("src/sub"))).constData(), "system.posix_acl_default",
                    acl.constData(), size_t(acl.size()), 0)
                != 0)
                QSKIP("this file system keeps no access lists");
        } else if (attack == QLatin1String("setgid folder")) {
            if (::geteuid() != 0)
                QSKIP("needs root to give the folder to a group of which the file is not");
            QCOMPARE(::chown(QFile::encodeName(s.path(QStringLiteral("src/sub"))).constData(), uid_t(-1), 65534), 0);
            QCOMPARE(::chmod(QFile::encodeName(s.path(QStringLiteral("src/sub"))).constData(), 02775), 0);
            QCOMPARE(::chmod(QFile::encodeName(source).constData(), 0640), 0);
        } else if (attack == QLatin1String("nobody's file, dry run")) {
            if (::geteuid() != 0)
                QSKIP("needs root to give a file away");
            QCOMPARE(::chown(QFile::encodeName(source).constData(), 65534, 65534), 0);
            options.dryRun = true;
        } else if (attack.startsWith(QLatin1String("root's"))) {
            if (::geteuid() != 0)
                QSKIP("needs root to make a file of root's in nobody's folder");
            QCOMPARE(::chown(QFile::encodeName(s.path(QStringLiteral("src/sub"))).constData(), 65534, 65534), 0);
            QCOMPARE(::chmod(QFile::encodeName(s.path(QStringLiteral("src"))).constData(), 0755), 0);
            QCOMPARE(::chmod(QFile::encodeName(s.dir.path()).constData(), 0755), 0);
            const mode_t mode = attack.contains("setgid") ? 02666 : 0666;
            QCOMPARE(::chmod(QFile::encodeName(source).constData(), mode), 0);
            options.dryRun = attack.endsWith(QLatin1String("dry run"));
            if (attack.contains(QLatin1String("copied"))) {
                options.saveFolder = s.path(QStringLiteral("out"));
                QCOMPARE(::chown(QFile::encodeName(s.path(QStringLiteral("out"))).constData(), 65534, 65534), 0);
            }
            const int verdictCode = asNobody([&] { return verdict(process(source, options)) == expected ? 0 : 1; },
                attack.contains(QLatin1String("root's group")));
            QCOMPARE(verdictCode, 0);
            struct stat info; // the new file is nobody's; set-group-ID goes with root's group, or stays with it
            QVERIFY(::stat(QFile::encodeName(source).constData(), &info) == 0);
            if (options.dryRun) {
                QVERIFY(info.st_uid == 0 && (info.st_mode & 07777) == mode);
                QCOMPARE(contents(source), gb18030(chinese));
            } else {
                QVERIFY(info.st_uid == 65534
                    && (info.st_mode & 07777) == (attack.contains(QLatin1String("root's group")) ? mode : 0666));
                QCOMPARE(contents(source), chinese.toUtf8());
            }
            return;
        }

        const QStringList elsewhere = QDir(s.path(QStringLiteral("victim"))).entryList(QDir::Files | QDir::Hidden);
        FileResult result;
        {
            std::optional<Faults> faults;
            if (act)
                faults.emplace("fdatasync", 0, 1, act);
            if (!context)
                context = std::make_unique<RunContext>(options);
            result = processFile(walkPaths({processed}, true).value(0), options, context.get());
        }
        QCOMPARE(verdict(result), expected);
        QCOMPARE(contents(victim), QByteArray("victim's own\n"));
        QCOMPARE(QDir(s.path(QStringLiteral("victim"))).entryList(QDir::Files | QDir::Hidden), elsewhere);
        if (attack == QLatin1String("swapped save folder"))
            QCOMPARE(contents(s.path(QStringLiteral("moved/sub/notes.txt"))), chinese.toUtf8());
        if (attack == QLatin1String("append") || attack == QLatin1String("replace"))
            QCOMPARE(contents(source), gb18030(chinese + chinese)); // the newer text, not encoded twice
        if (attack == QLatin1String("swapped destination"))
            QCOMPARE(contents(s.path(QStringLiteral("out/sub/notes.txt"))), QByteArray("came meanwhile"));
        if (attack == QLatin1String("link"))
            QVERIFY(QFileInfo(processed).isSymLink() && contents(source) == chinese.toUtf8());
        if (attack.startsWith(QLatin1String("hard link")))
            QCOMPARE(contents(s.path(QStringLiteral("other name"))), gb18030(chinese));
        if (attack == QLatin1String("acl")) {
            QByteArray acl(64, '\0');
            acl.resize(int(::getxattr(
                QFile::encodeName(source).constData(), "system.posix_acl_access", acl.data(), size_t(acl.size()))));
            QCOMPARE(acl, accessList());
            QCOMPARE(int(QFileInfo(source).permissions() & permissions(0x0070)), int(permissions(0x0060)));
        }
        if (attack == QLatin1String("default acl")) {
            QCOMPARE(::getxattr(QFile::encodeName(source).constData(), "system.posix_acl_access", nullptr, 0), -1);
        }
        if (attack == QLatin1String("default acl") || attack == QLatin1String("setgid folder")) {
            struct stat info;
            QVERIFY(::stat(QFile::encodeName(source).constData(), &info) == 0);
            QCOMPARE(info.st_gid, ::getegid());
            QCOMPARE(info.st_mode & 07777, mode_t(attack == QLatin1String("default acl") ? 0600 : 0640));
        }
    }

    void sameEntry_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("same");
        QTest::newRow("through a link to its folder") << "x-link/a.txt" << true;
        QTest::newRow("a hard link to it") << "x/b.txt" << false;
        QTest::newRow("another file of the name") << "y/a.txt" << false;
    }

    void sameEntry()
    {
        QFETCH(QString, other);
        QFETCH(bool, same);

        // What decides whether a file is replaced in place, and whether
        // another name of it keeps the old text when it is.
        Scratch f;
        const QString path = f.file(QStringLiteral("x/a.txt"), "text");
        f.file(QStringLiteral("y/a.txt"), "text");
        QVERIFY(QFile::link(f.path(QStringLiteral("x")), f.path(QStringLiteral("x-link"))));
        QVERIFY(hardLink(path, f.path(QStringLiteral("x/b.txt"))));
        QCOMPARE(Karvo::sameEntry(path, f.path(other)), same);
    }

    void leftoversOfDeadRunsGo()
    {
        // Only Karvo's own names, and only of a process that is gone.
        Scene s;
        QFile stat(QStringLiteral("/proc/self/stat"));
        QVERIFY(stat.open(QIODevice::ReadOnly));
        const QByteArray line = stat.readAll();
        const QByteArray started = line.mid(line.lastIndexOf(')') + 2).split(' ').value(19);
        const QString me = QString::number(::getpid());
        const QString live = QStringLiteral(".karvo-%1-%2-00000running0").arg(me, QString::fromLatin1(started));
        const QString source = s.file(QStringLiteral("a.txt"), gb18030(chinese));
        s.file(QStringLiteral(".karvo-999999999-1-00000000dead0"), "half a file");
        s.file(QStringLiteral(".karvo-%1-1-000000reused0").arg(me), "half a file"); // the number, of another process
        s.file(live, "being written");
        s.file(QStringLiteral(".karvo-abc"), "of an older Karvo");
        s.file(QStringLiteral(".karvo-notes.txt"), "the user's");
        s.file(QStringLiteral(".karvo-2024-12-backup"), "the user's");
        QCOMPARE(verdict(process(source, into())), QStringLiteral("ok"));
        QStringList left {QLatin1Char('/') + live, "/.karvo-2024-12-backup", "/.karvo-abc", "/.karvo-notes.txt", "/a.txt"};
        left.sort();
        QCOMPARE(s.everything(), left);

        // Once a folder is gone its inode number soon goes to a new one,
        // which holds leftovers of its own.
        QCOMPARE(verdict(process(s.file(QStringLiteral("old/a.txt"), gb18030(chinese)), into())), QStringLiteral("ok"));
        const ino_t swept = inodeOf(s.path(QStringLiteral("old")));
        QVERIFY(QDir(s.path(QStringLiteral("old"))).removeRecursively());
        QString made;
        for (int i = 0; i < 100 && (made.isEmpty() || inodeOf(made) != swept); ++i)
            made = s.folder(QStringLiteral("new%1").arg(i));
        const QString inMade = s.file(made + QStringLiteral("/b.txt"), gb18030(chinese));
        s.file(made + QStringLiteral("/.karvo-999999999-1-00000000dead0"), "half a file");
        QCOMPARE(verdict(process(inMade, into())), QStringLiteral("ok"));
        QCOMPARE(QDir(made).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("b.txt")});
    }
};

QTEST_GUILESS_MAIN(TstWriter)
#include "tst_writer.moc"
