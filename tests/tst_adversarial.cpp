// Karvo against a hostile file system, through the run as a user starts it.
// Whatever happens: no crash, no hang (every wait is bounded), no byte of a
// source changed unless it was converted correctly, and records that say
// what really happened.
#include "runharness.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

QByteArray gb18030(const QString &text)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(text);
}

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
                if (poll(&ready, 1, 50) <= 0)
                    continue;
                const ssize_t size = read(fd, buffer, sizeof buffer);
                for (char *p = buffer; size > 0 && p < buffer + size;) {
                    const auto *event = reinterpret_cast<inotify_event *>(p);
                    if (event->len && QFile::decodeName(event->name) == name) {
                        act();
                        done = true;
                        return;
                    }
                    p += sizeof(inotify_event) + event->len;
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

// The names in a folder as the bytes the file system holds.
QList<QByteArray> rawNames(const QString &folder)
{
    QList<QByteArray> names;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.append(entry->d_name);
    }
    closedir(dir);
    return names;
}

QByteArray rawContents(const QByteArray &path)
{
    QByteArray bytes;
    const int fd = open(path.constData(), O_RDONLY);
    char buffer[4096];
    for (ssize_t n; fd >= 0 && (n = read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, int(n));
    if (fd >= 0)
        close(fd);
    return bytes;
}

} // namespace

class TstAdversarial : public QObject
{
    Q_OBJECT

private slots:
    void writeFailsPartWay();
    void saveFolderGone();
    void readOnlySaveFolder();
    void sourceChangesAfterDetection_data();
    void sourceChangesAfterDetection();
    void unreadableSource();
    void linksInAFolder();
    void notAFileDroppedAlone_data();
    void notAFileDroppedAlone();
    void awkwardNames();
    void tenThousandFiles();
};

void TstAdversarial::writeFailsPartWay()
{
    // A file-size limit makes the write fail part-way, as a full disk would.
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("small.txt")), gb18030(chinese));
    const QByteArray big = gb18030(chinese).repeated(7000);
    writeFile(dir.filePath(QStringLiteral("big.txt")), big);
    QVERIFY(big.size() < 1024 * 1024 && chinese.toUtf8().size() * 7000 > 1024 * 1024);

    Window w;
    ModalAnswerer answerer;
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited {1024 * 1024, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool finished = w.run(dir.path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(finished);
    QCOMPARE(w.summary(), QStringLiteral("[1/2] Success!"));
    QCOMPARE(answerer.boxes, QStringList {"Karvo|Could not write target file."});
    QCOMPARE(contents(dir.filePath(QStringLiteral("big.txt"))), big);
    QCOMPARE(contents(dir.filePath(QStringLiteral("small.txt"))), chinese.toUtf8());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TstAdversarial::saveFolderGone()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    writeFile(dir.filePath(QStringLiteral("a.txt")), gb18030(chinese));
    writeFile(dir.filePath(QStringLiteral("b.txt")), chinese.toUtf8());

    Window w;
    w.setSaveFolder(dir.filePath(QStringLiteral("out")));
    QVERIFY(QDir(dir.filePath(QStringLiteral("out"))).removeRecursively());
    ModalAnswerer answerer;
    QVERIFY(w.run(dir.path()));

    QCOMPARE(w.summary(), QStringLiteral("[0/2] Success!"));
    QCOMPARE(answerer.boxes, QStringList({"Karvo|Could not open target file.", "Karvo|Could not open target file."}));
    QCOMPARE(contents(dir.filePath(QStringLiteral("a.txt"))), gb18030(chinese));
    QCOMPARE(contents(dir.filePath(QStringLiteral("b.txt"))), chinese.toUtf8());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("out"))));
}

void TstAdversarial::readOnlySaveFolder()
{
    // Root writes into read-only folders; everyone else is refused. Either
    // way the record must match what is on disk.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const QString source = writeFile(dir.filePath(QStringLiteral("a.txt")), gb18030(chinese));
    QVERIFY(QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner));

    Window w;
    w.setSaveFolder(out);
    ModalAnswerer answerer;
    const bool finished = w.run(source);
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(finished);
    QCOMPARE(contents(source), gb18030(chinese));
    const bool written = QFile::exists(out + QLatin1String("/a.txt"));
    QCOMPARE(w.window.lastRun().value(0).success, written);
    if (written)
        QCOMPARE(contents(out + QLatin1String("/a.txt")), chinese.toUtf8());
    else
        QCOMPARE(answerer.boxes, QStringList {"Karvo|Could not open target file."});
    if (geteuid() != 0)
        QVERIFY(!written);
}

void TstAdversarial::sourceChangesAfterDetection_data()
{
    QTest::addColumn<bool>("becomesFolder");
    QTest::newRow("deleted") << false;
    QTest::newRow("replaced by a folder") << true;
}

void TstAdversarial::sourceChangesAfterDetection()
{
    QFETCH(bool, becomesFolder);

    // Single-byte text keeps the detector busy for a while, long enough for
    // the watcher to act before the conversion opens the file again.
    QTemporaryDir dir;
    const QString source = writeFile(dir.filePath(QStringLiteral("a.txt")),
        QTextCodec::codecForName("windows-1251")
            ->fromUnicode(QString::fromUtf8("Съешь же ещё этих мягких булок.\n"))
            .repeated(250000));
    OnFirstOpen watcher(dir.path(), QStringLiteral("a.txt"), [&] {
        QFile::remove(source);
        if (becomesFolder)
            QDir(dir.path()).mkdir(QStringLiteral("a.txt"));
    });

    Window w;
    ModalAnswerer answerer;
    QVERIFY(w.run(source, 60000));
    QVERIFY(watcher.done);

    QCOMPARE(w.window.lastRun().size(), 1);
    QVERIFY(!w.window.lastRun().first().detectedName.isEmpty());
    QVERIFY(!w.window.lastRun().first().success);
    QCOMPARE(answerer.boxes, QStringList {"Karvo|Could not open source file."});
    QCOMPARE(QFileInfo(source).isDir(), becomesFolder);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TstAdversarial::unreadableSource()
{
    if (geteuid() == 0)
        QSKIP("read permissions do not bind root");
    QTemporaryDir dir;
    const QString source = writeFile(dir.filePath(QStringLiteral("a.txt")), gb18030(chinese));
    QVERIFY(QFile::setPermissions(source, QFile::WriteOwner));

    Window w;
    QVERIFY(w.run(source));
    QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(w.summary(), QStringLiteral("[Failed] a.txt\n(->UTF-8)"));
    QCOMPARE(contents(source), gb18030(chinese));
}

void TstAdversarial::linksInAFolder()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("good.txt")), gb18030(chinese));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("missing")), dir.filePath(QStringLiteral("dangling.txt"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop2.txt")), dir.filePath(QStringLiteral("loop1.txt"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop1.txt")), dir.filePath(QStringLiteral("loop2.txt"))));

    Window w;
    QVERIFY(w.run(dir.path()));
    QCOMPARE(w.summary(), QStringLiteral("[Success] good.txt\n(GB18030->UTF-8)"));
    QCOMPARE(contents(dir.filePath(QStringLiteral("good.txt"))), chinese.toUtf8());
}

void TstAdversarial::notAFileDroppedAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("summary");

    QTest::newRow("FIFO") << "fifo"
                          << "[Failed] pipe\n(->UTF-8)";
    QTest::newRow("endless device") << "/dev/zero"
                                    << "[Failed] zero\n(->UTF-8)";
    QTest::newRow("dangling link") << "dangling"
                                   << "[Failed] pipe\n(->UTF-8)";
    QTest::newRow("symbolic-link loop") << "loop"
                                        << "[Failed] pipe\n(->UTF-8)";
    QTest::newRow("web link") << QString() << "[Failed] \n(->UTF-8)";
}

void TstAdversarial::notAFileDroppedAlone()
{
    QFETCH(QString, kind);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("pipe"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("missing")), path));
    else if (kind == QLatin1String("loop"))
        QVERIFY(QFile::link(path, path));
    else
        path = kind;

    Window w;
    ModalAnswerer answerer;
    QVERIFY(w.run(path));
    QCOMPARE(w.summary(), summary);
    QCOMPARE(answerer.boxes, QStringList());
}

void TstAdversarial::awkwardNames()
{
    QTemporaryDir dir;
    const QList<QByteArray> names = {"line\nbreak.txt", "<b>bold.txt", " spaces  around .txt",
        "\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac "
        "\xe4\xb8\xad\xe6\x96\x87.txt",
        "caf\xe9 not UTF-8.txt"};
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    for (const QByteArray &name : names) {
        const int fd = open((folder + name).constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray bytes = gb18030(chinese);
        QVERIFY(fd >= 0 && write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
        close(fd);
    }

    Window w;
    ModalAnswerer answerer;
    QVERIFY(w.run(dir.path()));

    // Qt cannot name a file whose name is not UTF-8, so its folder listing
    // leaves that one out: it is neither counted nor touched.
    int converted = 0;
    for (const QByteArray &name : rawNames(dir.path())) {
        const QByteArray bytes = rawContents(folder + name);
        QCOMPARE(bytes, name.contains('\xe9') ? gb18030(chinese) : chinese.toUtf8());
        converted += bytes == chinese.toUtf8();
    }
    unlink((folder + names.last()).constData());
    QCOMPARE(converted, 4);
    QCOMPARE(w.summary(), QStringLiteral("[4/4] Success!"));
    const QString listing = w.detail().join(QLatin1Char('\n'));
    QVERIFY(listing.contains(QStringLiteral("[Success] line\nbreak.txt  (GB18030->UTF-8)")));
    QVERIFY(listing.contains(QStringLiteral("[Success] <b>bold.txt  (GB18030->UTF-8)")));
    QVERIFY(listing.contains(QString::fromUtf8("[Success] Ελληνικά 中文.txt  (GB18030->UTF-8)")));

    QVERIFY(w.run(dir.filePath(QStringLiteral("<b>bold.txt"))));
    QCOMPARE(w.summary(), QStringLiteral("[Success] <b>bold.txt\n(UTF-8->UTF-8)"));
}

void TstAdversarial::tenThousandFiles()
{
    QTemporaryDir dir;
    for (int i = 0; i < 10000; ++i)
        writeFile(dir.filePath(QStringLiteral("note%1.txt").arg(i, 5, 10, QLatin1Char('0'))),
            "note " + QByteArray::number(i) + '\n');

    Window w;
    QVERIFY(w.run(dir.path(), 600000));
    QCOMPARE(w.summary(), QStringLiteral("[10000/10000] Success!"));
    QCOMPARE(w.window.lastRun().size(), 10000);
}

QTEST_MAIN(TstAdversarial)
#include "tst_adversarial.moc"
