// The run without a window: folders walked into files, the decision taken
// for each file, and whole runs on the worker pool, over files in a
// temporary folder. Whatever happens, no source byte changes unless the file
// was converted correctly, and every record says what really happened.
#include "facts.h"
#include "jobsupport.h"
#include "report.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Karvo;

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

RunOptions into(const QString &target, const QString &saveFolder = QString())
{
    RunOptions options;
    options.target = codecByName(target);
    options.saveFolder = saveFolder;
    return options;
}

// What undo gives back besides the bytes: mode, owner, time and the file's
// own attribute.
QString metadata(const QString &path)
{
    struct stat info;
    char origin[16] = {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &info) != 0 || ::getxattr(native.constData(), "user.origin", origin, 15) < 0)
        return QString();
    return QStringLiteral("%1 %2:%3 %4.%5 %6")
        .arg(info.st_mode, 0, 8)
        .arg(info.st_uid)
        .arg(info.st_gid)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec)
        .arg(QLatin1String(origin));
}

// A file's identity and its last change: the same only if nothing wrote it.
QString stamp(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0
        ? QStringLiteral("%1 %2.%3").arg(info.st_ino).arg(info.st_ctim.tv_sec).arg(info.st_ctim.tv_nsec)
        : QString();
}

// Makes permissions bind when the tests run as root, by taking nobody's
// identity for file access on this thread, where processFile does its work.
class PermissionsBind
{
public:
    explicit PermissionsBind(const QString &folder)
    {
        if (!root)
            return;
        QFile::setPermissions(folder, permissions(0x7755)); // let nobody in
        setfsgid(65534);
        setfsuid(65534);
    }
    ~PermissionsBind()
    {
        if (root) {
            setfsuid(0);
            setfsgid(0);
        }
    }

private:
    const bool root = geteuid() == 0;
};

} // namespace

Q_DECLARE_METATYPE(Karvo::FileStatus)

class TstRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("undo"));
    }

    void decide_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("saveFolder"); // "gone": chosen, then deleted
        QTest::addColumn<QByteArray>("existing"); // already at the destination
        QTest::addColumn<FileStatus>("status");
        QTest::addColumn<QByteArray>("written"); // at the destination afterwards
        QTest::addColumn<QString>("message"); // the failure's facts()

        const auto row
            = [](const char *name, const QByteArray &bytes, const char *target, const char *saveFolder,
                  const QByteArray &existing, FileStatus status, const QByteArray &written, const char *message = "") {
                  QTest::newRow(name) << bytes << QString::fromLatin1(target) << QString::fromLatin1(saveFolder)
                                      << existing << status << written << QString::fromLatin1(message);
              };
        const QByteArray utf8 = chinese.toUtf8(), gb = gb18030(chinese), ascii("plain\n"), empty(""), none;
        const QByteArray missing("<missing>"), binary = elfHeader();
        const QString russian = QString::fromUtf8("Привет, как дела? Всё хорошо.\n");
        row("in the target: nothing written", utf8, "UTF-8", "", none, FileStatus::Unchanged, utf8);
        row("in the target: copied", utf8, "UTF-8", "out", none, FileStatus::Copied, utf8);
        row("save folder is its own folder", utf8, "UTF-8", ".", none, FileStatus::Copied, utf8);
        row("converted in place", gb, "UTF-8", "", none, FileStatus::Converted, utf8);
        row("converted copy", gb, "UTF-8", "out", none, FileStatus::Converted, utf8);
        row("copy onto the same bytes", utf8, "UTF-8", "out", utf8, FileStatus::Copied, utf8);
        row("copy onto a different file", utf8, "UTF-8", "out", "other\n", FileStatus::Failed, "other\n",
            "destination-exists");
        row("ASCII is windows-1252 already: copied as it is", ascii, "windows-1252", "out", none, FileStatus::Copied,
            ascii);
        row("ASCII is Shift_JIS already: nothing written", ascii, "Shift_JIS", "", none, FileStatus::Unchanged, ascii);
        row("... but for a control ICU's Shift_JIS swaps: converted", "plain\x1a\n", "Shift_JIS", "", none,
            FileStatus::Converted, encoded("Shift_JIS", QStringLiteral("plain\x1a\n")));
        row("ASCII is no UTF-16: converted", ascii, "UTF-16LE", "", none, FileStatus::Converted,
            QByteArray::fromHex("fffe70006c00610069006e000a00"));
        row("empty: nothing to convert", empty, "UTF-8", "", none, FileStatus::Unchanged, empty);
        row("empty: copied like any file", empty, "UTF-8", "out", none, FileStatus::Copied, empty);
        row("binary: left alone", binary, "UTF-8", "", none, FileStatus::Binary, binary);
        row("binary: not copied", binary, "UTF-8", "out", none, FileStatus::Binary, missing);
        // Qt 5's one-shot conversion would start with a byte-order mark.
        row("UTF-16 without a byte-order mark",
            QTextEncoder(QTextCodec::codecForName("UTF-16LE"), QTextCodec::IgnoreHeader).fromUnicode(chinese), "UTF-8",
            "", none, FileStatus::Converted, utf8);
        row("MIB 0 is not one codec", encoded("x-mac-cyrillic", russian), "windows-949", "", none,
            FileStatus::Converted, encoded("windows-949", russian));
        row("save folder gone, not made again", gb, "UTF-8", "gone", none, FileStatus::Failed, missing,
            "save-folder-gone");
    }

    void decide()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, target);
        QFETCH(QString, saveFolder);
        QFETCH(QByteArray, existing);
        QFETCH(FileStatus, status);
        QFETCH(QByteArray, written);
        QFETCH(QString, message);

        Scratch f;
        const QString source = f.file(QStringLiteral("a.txt"), bytes);
        // Set-user-ID, and someone else's where root can make it so.
        const uint owner = geteuid() == 0 ? 65534 : geteuid();
        QCOMPARE(::chown(QFile::encodeName(source).constData(), owner, owner), 0);
        QCOMPARE(::chmod(QFile::encodeName(source).constData(), 04750), 0);
        const QString folder = saveFolder.isEmpty() ? QString() : f.folder(saveFolder);
        if (!existing.isNull())
            f.file(saveFolder + QLatin1String("/a.txt"), existing);
        if (saveFolder == QLatin1String("gone"))
            QVERIFY(QDir(folder).removeRecursively());

        const QString before = stamp(source);
        const FileResult result = processFile(walkPaths({source}).value(0), into(target, folder));
        QCOMPARE(result.status, status);
        if (status == FileStatus::Unchanged) // not even written again as it was
            QCOMPARE(stamp(source), before);
        QCOMPARE(result.success,
            status == FileStatus::Converted || status == FileStatus::Copied || status == FileStatus::Unchanged);
        QCOMPARE(facts(result.outcome), message);
        const QString destination = folder.isEmpty() ? source : folder + QLatin1String("/a.txt");
        QCOMPARE(f.bytes(destination), written);
        // Converted in place, the file keeps its mode and owner; a copy is
        // its maker's, without the special bit that would hand on rights.
        struct stat info;
        if (status == FileStatus::Converted) {
            QCOMPARE(::stat(QFile::encodeName(destination).constData(), &info), 0);
            QCOMPARE(QStringLiteral("%1 %2").arg(info.st_mode & 07777, 0, 8).arg(info.st_uid),
                folder.isEmpty() ? QStringLiteral("4750 %1").arg(owner) : QStringLiteral("750 %1").arg(geteuid()));
        }
        if (!folder.isEmpty())
            QCOMPARE(f.bytes(QStringLiteral("a.txt")), bytes);
        QCOMPARE(QFileInfo::exists(f.path(QStringLiteral("gone"))), false);
    }

    void undo_data()
    {
        QTest::addColumn<QString>("saveFolder");
        QTest::addColumn<QByteArray>("existing"); // in the save folder before the run
        QTest::addColumn<QString>("store"); // "shm": on another file system, so nothing can be linked
        QTest::addColumn<QString>("after"); // what happens to the written file after the run
        QTest::addColumn<QString>("left"); // why undo left it; empty: undone

        const auto row = [](const char *name, const char *saveFolder, const QByteArray &existing, const char *store,
                             const char *after, const char *left) {
            QTest::newRow(name) << QString::fromLatin1(saveFolder) << existing << QString::fromLatin1(store)
                                << QString::fromLatin1(after) << QString::fromLatin1(left);
        };
        const QByteArray none, other("other\n");
        row("in place, store elsewhere", "", none, "shm", "", "");
        row("replaced in save folder", "out", other, "", "", "");
        row("replaced, store elsewhere", "out", other, "shm", "", "");
        row("changed after", "", none, "", "append", "changed-since-run");
        row("same size and time, other bytes", "out", other, "", "same size", "changed-since-run");
        row("deleted after", "", none, "", "delete", "gone-since-run");
        row("copy deleted after", "out", none, "", "delete", "");
    }

    void undo()
    {
        QFETCH(QString, saveFolder);
        QFETCH(QByteArray, existing);
        QFETCH(QString, store);
        QFETCH(QString, after);
        QFETCH(QString, left);

        Scratch f;
        QTemporaryDir shm(QStringLiteral("/dev/shm/karvo-test-XXXXXX"));
        const QString storeFolder = store.isEmpty() ? f.path(QStringLiteral("store")) : shm.path();
        const QString source = f.file(QStringLiteral("a.txt"), gb18030(chinese));
        // Someone else's file where root can make it so, with an attribute of its own.
        QVERIFY(QFile::setPermissions(source, permissions(0x6640)));
        QCOMPARE(::setxattr(QFile::encodeName(source).constData(), "user.origin", "mail", 4, 0), 0);
        if (geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(source).constData(), 65534, 100), 0);
        const QString sourceMetadata = metadata(source);
        const QString folder = saveFolder.isEmpty() ? QString() : f.folder(saveFolder);
        const QString written = folder.isEmpty() ? source : folder + QLatin1String("/a.txt");
        if (!existing.isNull()) // the file a copy replaces keeps its own mode
            QVERIFY(QFile::setPermissions(f.file(written, existing), permissions(0x6604)));

        Run run(keeping(storeFolder, folder));
        const QList<FileResult> results = runAll(run, {source});
        QCOMPARE(results.value(0).status, FileStatus::Converted);
        QCOMPARE(results.value(0).outcome.notices.testFlag(Notice::ReplacedExisting), !existing.isNull());
        QCOMPARE(f.bytes(written), chinese.toUtf8());
        QCOMPARE(QFileInfo(written).permissions(), permissions(existing.isNull() ? 0x6640 : 0x6604));
        QCOMPARE(run.undoableCount(), 1);
        const QList<UndoRunInfo> runs = UndoStore(storeFolder).runs();
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.first().target, QStringLiteral("UTF-8"));

        QByteArray changed = chinese.toUtf8();
        if (after == QLatin1String("append"))
            f.file(written, changed += "more\n");
        else if (after == QLatin1String("same size")) {
            struct stat info; // the same time back: only the bytes tell
            QCOMPARE(::stat(QFile::encodeName(written).constData(), &info), 0);
            f.file(written, changed = QByteArray(changed.size(), 'x'));
            const timespec times[2] = {{0, UTIME_OMIT}, info.st_mtim};
            QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(written).constData(), times, 0), 0);
        } else if (after == QLatin1String("delete"))
            QVERIFY(QFile::remove(written));

        const QList<UndoResult> undone = undoAll(storeFolder, run.undoRunId());
        QCOMPARE(undone.size(), 1);
        QCOMPARE(undone.first().undone, left.isEmpty());
        QCOMPARE(failureCode(undone.first().outcome.failure), left);
        QCOMPARE(f.bytes(QStringLiteral("a.txt")),
            left.isEmpty() || !folder.isEmpty()    ? gb18030(chinese)
                : after == QLatin1String("delete") ? QByteArray("<missing>")
                                                   : changed);
        if (left.isEmpty()) {
            QCOMPARE(metadata(source), sourceMetadata);
            QCOMPARE(f.bytes(written),
                existing.isNull() && !folder.isEmpty() ? QByteArray("<missing>")
                    : folder.isEmpty()                 ? gb18030(chinese)
                                                       : existing);
            QCOMPARE(UndoStore(storeFolder).runIds(), QStringList());
            QCOMPARE(
                f.names(saveFolder), existing.isNull() && !folder.isEmpty() ? QStringList() : QStringList {"a.txt"});
        } else {
            QCOMPARE(f.bytes(written), after == QLatin1String("delete") ? QByteArray("<missing>") : changed);
            QVERIFY(UndoStore(storeFolder).runs().isEmpty());
        }
    }

    void undoStoreLimits()
    {
        Scratch f;
        const QString store = f.path(QStringLiteral("store"));
        const RunOptions options = keeping(store);
        QStringList ids;
        for (int i = 0; i < 7; ++i) {
            // Each run keeps one original, larger each time.
            const QString source = f.file(QStringLiteral("a%1.txt").arg(i), gb18030(chinese).repeated(100 * (i + 1)));
            Run run(options);
            runAll(run, {source});
            ids.append(run.undoRunId());
            QVERIFY(!ids.last().isEmpty());
        }
        QCOMPARE(UndoStore(store).runIds(), ids.mid(2));
        // A run of an older Karvo, named by a date that lies ahead, is not the newest.
        writeFile(f.folder(QStringLiteral("store/20991231-235959-999")) + QStringLiteral("/journal.json"),
            R"({"version":1,"files":[{"path":"/nowhere/x","action":"created copy","size":1}]})");
        QCOMPARE(UndoStore(store).runs().value(0).id, ids.last());

        // A smaller cap drops the oldest runs first, never the newest.
        QSettings().setValue(QStringLiteral("undo/maxBytes"), gb18030(chinese).size() * 2000 + 4096);
        Run run(options);
        runAll(run, {f.file(QStringLiteral("b.txt"), gb18030(chinese).repeated(1300))});
        QSettings().setValue(QStringLiteral("undo/maxBytes"), 1);
        QVERIFY(!UndoStore(store).problem(2).isEmpty());
        QCOMPARE(UndoStore(store).runIds(), QStringList({ids.last(), run.undoRunId()}));
        QSettings().remove(QStringLiteral("undo"));

        // An unusable store is a problem to ask about before the run, not a failure.
        QCOMPARE(UndoStore(store).problem(1), QString());
        QVERIFY(!UndoStore(f.file(QStringLiteral("x"), "x")).problem(1).isEmpty());
    }

    void folderRun()
    {
        // Files of very different sizes finish out of order on the pool, yet
        // are listed as the walk found them; copies keep the tree, and undo
        // takes away the folders it made.
        Scratch f;
        f.file(QStringLiteral("in/a.txt"), gb18030(chinese));
        for (int i = 1; i < 40; ++i)
            f.file(QStringLiteral("in/sub/deep/%1.txt").arg(i), gb18030(chinese).repeated(i % 5 == 0 ? 3000 : 1));
        f.folder(QStringLiteral("out/sub"));
        RunOptions options = keeping(f.path(QStringLiteral("store")), f.path(QStringLiteral("out")));
        options.recursive = true;
        Run run(options);
        QSignalSpy progress(&run, &Run::progress);
        const QList<FileResult> results = runAll(run, {f.path(QStringLiteral("in"))});
        QCOMPARE(results.size(), 40);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(results.at(i).path, run.files().at(i).path);
        QCOMPARE(progress.last().at(0).toInt(), 40);
        QCOMPARE(progress.last().at(1).toInt(), 40);
        QCOMPARE(f.bytes(QStringLiteral("out/a.txt")), chinese.toUtf8());
        QCOMPARE(f.bytes(QStringLiteral("out/sub/deep/1.txt")), chinese.toUtf8());

        QCOMPARE(undoAll(options.undoFolder, run.undoRunId()).size(), 40);
        QCOMPARE(QDir(f.path(QStringLiteral("out"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList {"sub"});
        QCOMPARE(
            QDir(f.path(QStringLiteral("out/sub"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void manyFolders()
    {
        // Far more folders than descriptors to spare: each is let go when
        // done with.
        Scratch f;
        for (int i = 0; i < 300; ++i)
            f.file(QStringLiteral("in/%1/a.txt").arg(i), gb18030(chinese));
        const int open = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size();
        struct rlimit limit;
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
        const rlimit tight = {rlim_t(open + 200), limit.rlim_max}; // a worker holds four or five
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &tight), 0);
        RunOptions options = into(QStringLiteral("UTF-8"));
        options.recursive = true;
        Run run(options);
        const QList<FileResult> results = runAll(run, {f.path(QStringLiteral("in"))});
        ::setrlimit(RLIMIT_NOFILE, &limit);
        QCOMPARE(results.size(), 300);
        for (const FileResult &result : results)
            QVERIFY2(result.outcome.ok(), qPrintable(result.path + QLatin1Char(' ') + describe(result.outcome)));
    }

    void clashes_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("saveFolder");
        QTest::addColumn<QString>("message"); // of the second record
        QTest::addColumn<bool>("firstConverted");
        const auto row = [](const char *name, const QStringList &dropped, const char *saveFolder, const char *message,
                             bool firstConverted = true) {
            QTest::newRow(name) << dropped << QString::fromLatin1(saveFolder) << QString::fromLatin1(message)
                                << firstConverted;
        };
        row("same name from two folders", {"x", "y"}, "out", "same-destination");
        row("a folder named through a link, and a file in it", {"x/a.txt", "x-link"}, "", "same-file-in-run");
        row("a copy onto a dropped file", {"x", "out/a.txt"}, "out", "same-destination");
        row("a hard link, replaced in place under its other name", {"x/a.txt", "x-hard.txt"}, "", "hard-link-in-run");
        row("a hard link, copied under its other name", {"x/a.txt", "x-hard.txt"}, "out", "same-file-in-run");
        row("a hard link whose other name needs no converting", {"x/a.txt", "x-hard.txt"}, "", "same-file-in-run",
            false);
    }

    void clashes()
    {
        QFETCH(QStringList, dropped);
        QFETCH(QString, saveFolder);
        QFETCH(QString, message);
        QFETCH(bool, firstConverted);

        // Decided in the plan, so whichever worker comes first, the first
        // file dropped wins and the other is never written. The first is
        // long, so that the other's worker is done before it.
        const QString text = chinese.repeated(20000);
        Scratch f;
        f.file(QStringLiteral("x/a.txt"), firstConverted ? gb18030(text) : text.toUtf8());
        f.file(QStringLiteral("y/a.txt"), gb18030(chinese + chinese));
        f.file(QStringLiteral("out/a.txt"), gb18030(chinese + chinese));
        QVERIFY(QFile::link(f.path(QStringLiteral("x")), f.path(QStringLiteral("x-link"))));
        QVERIFY(hardLink(f.path(QStringLiteral("x/a.txt")), f.path(QStringLiteral("x-hard.txt"))));
        for (QString &path : dropped)
            path = f.path(path);
        RunOptions options = into(QStringLiteral("UTF-8"), saveFolder.isEmpty() ? QString() : f.path(saveFolder));
        options.overwrite = true;
        QVector<PlannedFile> plan = walkPaths(dropped);
        markClashes(plan, options);
        // Whether the first name will be replaced, the plan cannot know.
        QCOMPARE(
            failureCode(plan.last().refusal.failure), firstConverted ? message : QStringLiteral("hard-link-in-run"));
        Run run(options);
        const QList<FileResult> results = runAll(run, dropped);
        QCOMPARE(results.size(), 2);
        QCOMPARE(results.at(0).status, firstConverted ? FileStatus::Converted : FileStatus::Unchanged);
        // The same file twice is left alone; two files for one place fail.
        QCOMPARE(results.at(1).status,
            message.endsWith(QLatin1String("-in-run")) ? FileStatus::Skipped : FileStatus::Failed);
        QCOMPARE(failureCode(results.at(1).outcome.failure), message);
        // Only a name that shares the converted file is no problem.
        QCOMPARE(Karvo::isProblem(results.at(1)), message != QLatin1String("same-file-in-run"));
        QCOMPARE(
            f.bytes(saveFolder.isEmpty() ? QStringLiteral("x/a.txt") : QStringLiteral("out/a.txt")), text.toUtf8());
    }

    void walk_data()
    {
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<QStringList>("listed"); // "name" or "name:refusal", in any order
        QTest::addColumn<int>("hidden");

        // Every entry is accounted for: files to convert, and what is left
        // alone with the reason; hidden ones are counted. A link to a file
        // outside the dropped folders is left alone, a link inside is the
        // file it leads to, once. The save folder inside is never walked.
        // Dropped, what is no file is refused as well, never opened: a
        // device (/dev/zero never ends), a link to itself, a web link.
        const QStringList top = {":not-regular", "a.txt", "b.txt", "dangling.txt:not-regular", "fifo.txt:not-regular", "self.txt:not-regular",
            "inner-link.txt", "link.txt:link-outside", "loop:cannot-read", "zero:not-regular"};
        QTest::newRow("top level") << false << top << 2;
        QTest::newRow("with subfolders") << true << top + QStringList {"locked/:folder-unreadable", "sub/inner.txt"}
                                         << 2;
    }

    void walk()
    {
        QFETCH(bool, recursive);
        QFETCH(QStringList, listed);
        QFETCH(int, hidden);

        Scratch f;
        QTemporaryDir elsewhere;
        for (const QString name : {"in/sub/inner.txt", "in/.hidden.txt", "in/.git/config", "in/a.txt", "in/b.txt",
                 "in/out/copy.txt", "z.txt"})
            f.file(name, "x\n");
        QVERIFY(QFile::link(f.path(QStringLiteral("in")), f.path(QStringLiteral("in/sub/loop")))); // passed over
        QVERIFY(QFile::link(
            writeFile(elsewhere.filePath(QStringLiteral("real.txt")), "x\n"), f.path(QStringLiteral("in/link.txt"))));
        QVERIFY(QFile::setPermissions(elsewhere.path(), permissions(0x7755)));
        QVERIFY(QFile::link(f.path(QStringLiteral("in/sub/inner.txt")), f.path(QStringLiteral("in/inner-link.txt"))));
        QVERIFY(QFile::link(f.path(QStringLiteral("gone")), f.path(QStringLiteral("in/dangling.txt"))));
        QVERIFY(QFile::link(f.path(QStringLiteral("in/self.txt")), f.path(QStringLiteral("in/self.txt"))));
        QCOMPARE(mkfifo(QFile::encodeName(f.path(QStringLiteral("in/fifo.txt"))).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(f.path(QStringLiteral("in/locked"))));
        QVERIFY(QFile::setPermissions(f.path(QStringLiteral("in/locked")), permissions(0)));
        QVERIFY(QFile::link(f.path(QStringLiteral("loop")), f.path(QStringLiteral("loop"))));

        int passedOver = 0;
        QVector<PlannedFile> files;
        {
            PermissionsBind asNobody(f.dir.path()); // root reads any folder
            files = walkPaths({f.path(QStringLiteral("z.txt")), f.path(QStringLiteral("in")),
                                  QStringLiteral("/dev/zero"), f.path(QStringLiteral("loop")), QString()},
                recursive, {f.path(QStringLiteral("in/out"))}, &passedOver);
        }
        QFile::setPermissions(f.path(QStringLiteral("in/locked")), permissions(0x7700));
        QStringList names;
        for (const PlannedFile &file : files)
            names.append(file.refusal.ok() ? file.relativePath
                                           : file.relativePath + QLatin1Char(':') + failureCode(file.refusal.failure));
        QCOMPARE(names.takeFirst(), QStringLiteral("z.txt")); // dropped items keep their order
        QCOMPARE(files.value(files.size() - 2).refusal.error, ELOOP); // the link to itself says so
        names.sort();
        listed.sort();
        QCOMPARE(names, listed);
        QCOMPARE(passedOver, hidden);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("read-only save folder") << QStringLiteral("read-only folder") << "permission-denied";
        QTest::newRow("read-only file, in place") << QStringLiteral("read-only file") << "read-only";
        QTest::newRow("unreadable source") << QStringLiteral("unreadable") << "cannot-read";
        QTest::newRow("symbolic link in the save folder") << QStringLiteral("link") << "destination-is-link";
        QTest::newRow("dangling link in the save folder") << QStringLiteral("dangling") << "destination-is-link";
    }

    void refused()
    {
        QFETCH(QString, refusal);
        QFETCH(QString, message);

        // Nothing is written, the source keeps its bytes, and a link in the
        // save folder is never written through to what it points to.
        Scratch f;
        const QString source = f.file(QStringLiteral("in/a.txt"), gb18030(chinese));
        const QString victim = f.file(QStringLiteral("victim.txt"), "victim");
        const bool inPlace = refusal == QLatin1String("read-only file") || refusal == QLatin1String("unreadable");
        const QString out = inPlace ? QString() : f.folder(QStringLiteral("out"));
        if (refusal == QLatin1String("read-only file"))
            QVERIFY(QFile::setPermissions(source, permissions(0x4444)));
        else if (refusal == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(source, permissions(0x2200)));
        else if (refusal == QLatin1String("link") || refusal == QLatin1String("dangling"))
            QVERIFY(QFile::link(refusal == QLatin1String("link") ? victim : f.path(QStringLiteral("gone")),
                f.path(QStringLiteral("out/a.txt"))));
        else
            QVERIFY(QFile::setPermissions(out, permissions(0x5555)));
        FileResult result;
        {
            // The files are nobody's own, so that only their mode bits refuse.
            if (geteuid() == 0)
                QCOMPARE(chown(QFile::encodeName(f.path(QStringLiteral("in"))).constData(), 65534, 65534), 0);
            PermissionsBind asNobody(f.dir.path());
            result = processFile(walkPaths({source}).value(0), into(QStringLiteral("UTF-8"), out));
        }
        QCOMPARE(result.status, FileStatus::Failed);
        QCOMPARE(failureCode(result.outcome.failure), message);
        QVERIFY(QFile::setPermissions(source, permissions(0x6600)));
        QCOMPARE(f.bytes(QStringLiteral("in/a.txt")), gb18030(chinese));
        QCOMPARE(f.bytes(QStringLiteral("victim.txt")), QByteArray("victim"));
        QCOMPARE(f.names(QStringLiteral("in")), QStringList {"a.txt"});
        QCOMPARE(QFileInfo(f.path(QStringLiteral("out/a.txt"))).isSymLink(),
            message == QLatin1String("destination-is-link"));
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("gone"))));
    }
};

QTEST_GUILESS_MAIN(TstRun)
#include "tst_run.moc"
