// Karvo against a hostile file system, through the run as a user starts it.
// Whatever happens: no crash, no hang (every wait is bounded), no byte of a
// source changed unless it was converted correctly, and records that say
// what really happened.
#include "runharness.h"

#include <QtTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs `act` once, as soon as something opens `name` in `folder`: detection
// opens a file first, so the conversion after it finds the path changed.
class OnFirstOpen
{
public:
    OnFirstOpen(const QString &folder, const QString &name, std::function<void()> act)
        : fd(inotify_init1(IN_CLOEXEC))
    {
        inotify_add_watch(fd, QFile::encodeName(folder).constData(), IN_OPEN);
        watcher = std::thread([this, name, act] {
            alignas(inotify_event) char buffer[4096];
            while (!stop) {
                pollfd ready {fd, POLLIN, 0};
                const ssize_t size = poll(&ready, 1, 50) > 0 ? read(fd, buffer, sizeof buffer) : 0;
                for (char *p = buffer; p < buffer + size;
                     p += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(p)->len) {
                    if (QFile::decodeName(reinterpret_cast<inotify_event *>(p)->name) == name) {
                        act();
                        done = true;
                        return;
                    }
                }
            }
        });
    }

    ~OnFirstOpen()
    {
        stop = true;
        watcher.join();
        close(fd);
    }

    std::atomic<bool> done {false};

private:
    int fd;
    std::atomic<bool> stop {false};
    std::thread watcher;
};

// Makes permissions bind within its scope even when the tests run as root,
// by taking nobody's identity for file access on this thread: the run does
// all its file work on the GUI thread.
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

class TstAdversarial : public QObject
{
    Q_OBJECT

private slots:
    void writeFailsPartWay()
    {
        // A file-size limit makes the write fail part-way, as a full disk would.
        Scenario s;
        s.file(QStringLiteral("in/small.txt"), gb18030(chinese));
        const QByteArray big = s.bytes(s.file(QStringLiteral("in/big.txt"), gb18030(chinese).repeated(7000)));
        QVERIFY(big.size() < 1024 * 1024 && chinese.toUtf8().size() * 7000 > 1024 * 1024);

        rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited {1024 * 1024, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool finished = s.run(QStringLiteral("in"));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(finished);
        QCOMPARE(s.summary(), QStringLiteral("[1/2] Success!"));
        QCOMPARE(s.boxes, QStringList {"Karvo|Could not write target file."});
        QCOMPARE(s.bytes(QStringLiteral("in/big.txt")), big);
        QCOMPARE(s.bytes(QStringLiteral("in/small.txt")), chinese.toUtf8());
        QCOMPARE(QDir(s.path(QStringLiteral("in"))).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void saveFolderGone()
    {
        Scenario s;
        s.file(QStringLiteral("in/a.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/b.txt"), chinese.toUtf8());
        s.setSaveFolder(s.folder(QStringLiteral("out")));
        QVERIFY(QDir(s.path(QStringLiteral("out"))).removeRecursively());
        QVERIFY(s.run(QStringLiteral("in")));

        QCOMPARE(s.summary(), QStringLiteral("[0/2] Success!"));
        QCOMPARE(s.boxes, QStringList({"Karvo|Could not open target file.", "Karvo|Could not open target file."}));
        QCOMPARE(s.bytes(QStringLiteral("in/a.txt")), gb18030(chinese));
        QCOMPARE(s.bytes(QStringLiteral("in/b.txt")), chinese.toUtf8());
        QVERIFY(!QFileInfo::exists(s.path(QStringLiteral("out"))));
    }

    void refusedDestination_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("box");

        const QByteArray utf8 = chinese.toUtf8();
        const QString cannotOpen = QStringLiteral("Karvo|Could not open target file.");
        const QString link
            = QStringLiteral("Karvo|Could not write target file: a symbolic link of that name is in the save folder.");
        QTest::newRow("read-only save folder") << "read-only folder" << gb18030(chinese) << cannotOpen;
        QTest::newRow("read-only file, in place") << "read-only file" << gb18030(chinese) << cannotOpen;
        QTest::newRow("symbolic link in the save folder") << "link" << gb18030(chinese) << link;
        QTest::newRow("symbolic link in the save folder, copying") << "link" << utf8 << link;
    }

    void refusedDestination()
    {
        QFETCH(QString, refusal);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, box);

        Scenario s;
        const QString source = s.file(QStringLiteral("in/a.txt"), bytes);
        const QString victim = s.file(QStringLiteral("victim.txt"), "victim");
        if (refusal == QLatin1String("read-only file")) {
            QVERIFY(QFile::setPermissions(source, permissions(0x4444)));
        } else {
            s.setSaveFolder(s.folder(QStringLiteral("out")));
            if (refusal == QLatin1String("link"))
                QVERIFY(QFile::link(victim, s.path(QStringLiteral("out/a.txt"))));
            else
                QVERIFY(QFile::setPermissions(s.path(QStringLiteral("out")), permissions(0x5555)));
        }
        {
            // The files are nobody's own, so that only their mode bits refuse.
            if (geteuid() == 0)
                chown(QFile::encodeName(s.path(QStringLiteral("in"))).constData(), 65534, 65534);
            PermissionsBind asNobody(s.dir.path());
            QVERIFY(s.run(source));
        }
        QCOMPARE(s.boxes, QStringList {box});
        QVERIFY(s.summary().startsWith(QLatin1String("[Failed] a.txt")));
        QCOMPARE(s.bytes(source), bytes);
        QCOMPARE(s.bytes(victim), QByteArray("victim"));
        QCOMPARE(QDir(s.path(QStringLiteral("in"))).entryList(QDir::Files | QDir::Hidden), QStringList {"a.txt"});
        QCOMPARE(QFileInfo(s.path(QStringLiteral("out/a.txt"))).isSymLink(), refusal == QLatin1String("link"));
    }

    void sourceChangesAfterDetection_data()
    {
        QTest::addColumn<bool>("becomesFolder");
        QTest::newRow("deleted") << false;
        QTest::newRow("replaced by a folder") << true;
    }

    void sourceChangesAfterDetection()
    {
        QFETCH(bool, becomesFolder);

        // Single-byte text keeps the detector busy long enough for the
        // watcher to act before the conversion opens the file again.
        Scenario s;
        const QString source = s.file(QStringLiteral("a.txt"),
            QTextCodec::codecForName("windows-1251")
                ->fromUnicode(QString::fromUtf8("Съешь же ещё этих булок.\n"))
                .repeated(300000));
        OnFirstOpen watcher(s.dir.path(), QStringLiteral("a.txt"), [&] {
            QFile::remove(source);
            if (becomesFolder)
                s.folder(QStringLiteral("a.txt"));
        });
        QVERIFY(s.run(QStringLiteral("a.txt"), 60000));

        QVERIFY(watcher.done);
        QVERIFY(!s.window.lastRun().value(0).detectedName.isEmpty());
        QVERIFY(!s.window.lastRun().value(0).success);
        QCOMPARE(s.boxes, QStringList {"Karvo|Could not open source file."});
        QCOMPARE(QFileInfo(source).isDir(), becomesFolder);
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void unreadableSource()
    {
        Scenario s;
        const QString source = s.file(QStringLiteral("a.txt"), gb18030(chinese));
        QVERIFY(QFile::setPermissions(source, permissions(0x2200)));
        {
            PermissionsBind asNobody(s.dir.path());
            QVERIFY(s.run(QStringLiteral("a.txt")));
        }
        QCOMPARE(s.summary(), QStringLiteral("[Failed] a.txt\n(->UTF-8)"));
        QVERIFY(QFile::setPermissions(source, permissions(0x6600)));
        QCOMPARE(s.bytes(QStringLiteral("a.txt")), gb18030(chinese));
    }

    void notAFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("summary");
        QTest::newRow("FIFO") << "fifo"
                              << "[Failed] x\n(->UTF-8)";
        QTest::newRow("endless device") << "/dev/zero"
                                        << "[Failed] zero\n(->UTF-8)";
        QTest::newRow("dangling link") << "dangling"
                                       << "[Failed] x\n(->UTF-8)";
        QTest::newRow("link loop") << "loop"
                                   << "[Failed] x\n(->UTF-8)";
        QTest::newRow("web link") << QString() << "[Failed] \n(->UTF-8)";
    }

    void notAFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, summary);

        // Dropped alone, each is a failed record; in a folder, none is listed.
        Scenario s;
        const QString x = s.path(QStringLiteral("in/x"));
        s.file(QStringLiteral("in/good.txt"), gb18030(chinese));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(x).constData(), 0600), 0);
        else if (kind == QLatin1String("dangling"))
            QVERIFY(QFile::link(s.path(QStringLiteral("missing")), x));
        else if (kind == QLatin1String("loop"))
            QVERIFY(QFile::link(x, x));
        const QString dropped = kind.startsWith(QLatin1Char('/')) || kind.isEmpty() ? kind : x;

        QVERIFY(s.run(dropped));
        QCOMPARE(s.summary(), summary);
        QVERIFY(s.run(QStringLiteral("in")));
        QCOMPARE(s.summary(), QStringLiteral("[Success] good.txt\n(GB18030->UTF-8)"));
        QCOMPARE(s.boxes, QStringList());
    }

    void awkwardNames()
    {
        Scenario s;
        const QList<QByteArray> names = {"line\nbreak.txt", "<b>bold.txt", " spaces  around .txt",
            "\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac \xe4\xb8\xad.txt",
            "caf\xe9 not UTF-8.txt"};
        const QByteArray folder = QFile::encodeName(s.dir.path()) + '/';
        for (const QByteArray &name : names) {
            const int fd = open(folder + name, O_WRONLY | O_CREAT, 0644);
            QVERIFY(fd >= 0 && write(fd, gb18030(chinese).constData(), size_t(gb18030(chinese).size())) > 0);
            close(fd);
        }
        QVERIFY(s.run(s.dir.path()));

        // Qt cannot name a file whose name is not UTF-8, so its listing of
        // the folder leaves that one out: it is neither counted nor touched.
        QCOMPARE(s.summary(), QStringLiteral("[4/4] Success!"));
        for (const QByteArray &name : names) {
            QFile file;
            const int fd = open(folder + name, O_RDONLY);
            QVERIFY(fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
            QCOMPARE(file.readAll(), name.contains('\xe9') ? gb18030(chinese) : chinese.toUtf8());
        }
        unlink(folder + names.last());
        const QString listing = s.detail();
        QVERIFY(listing.contains(QStringLiteral("[Success] line\nbreak.txt  (GB18030->UTF-8)")));
        QVERIFY(listing.contains(QStringLiteral("[Success] <b>bold.txt  (GB18030->UTF-8)")));

        QVERIFY(s.run(QStringLiteral("line\nbreak.txt")));
        QCOMPARE(s.summary(), QStringLiteral("[Success] line\nbreak.txt\n(UTF-8->UTF-8)"));
    }

    void tenThousandFiles()
    {
        Scenario s;
        for (int i = 0; i < 10000; ++i)
            s.file(QStringLiteral("in/note%1.txt").arg(i), "note " + QByteArray::number(i) + '\n');
        QVERIFY(s.run(QStringLiteral("in"), 600000));
        QCOMPARE(s.summary(), QStringLiteral("[10000/10000] Success!"));
    }
};

QTEST_MAIN(TstAdversarial)
#include "tst_adversarial.moc"
