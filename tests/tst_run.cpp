// Whole runs, as a user starts them: a drop on the window, the real timers,
// the real engine on files in a temporary folder; then the files' bytes and
// the texts on screen. Modal boxes are answered from a timer.
#include "runharness.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

namespace {

QStringList debugMessages;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugMessages.append(message);
}

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

QByteArray gb18030(const QString &text)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(text);
}

ino_t inode(const QString &path)
{
    struct stat info = {};
    stat(QFile::encodeName(path).constData(), &info);
    return info.st_ino;
}

} // namespace

class TstRun : public QObject
{
    Q_OBJECT

private slots:
    void init() { debugMessages.clear(); }

    void oneFile_data();
    void oneFile();
    void folder();
    void folderWithOneFile();
    void emptyFolder();
    void largeFile_data();
    void largeFile();
    void copyIntoSaveFolder_data();
    void copyIntoSaveFolder();
    void warningDoesNotStopTheRun();
    void secondRunReplacesTheFirst();
};

void TstRun::oneFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("toSaveFolder");
    QTest::addColumn<QByteArray>("written"); // what lands at the destination
    QTest::addColumn<QString>("summary");

    const QByteArray utf8 = chinese.toUtf8();
    QTest::newRow("already UTF-8, in place: nothing written")
        << utf8 << false << utf8 << "[Success] a.txt\n(UTF-8->UTF-8)";
    QTest::newRow("already UTF-8, save folder: copied") << utf8 << true << utf8 << "[Success] a.txt\n(UTF-8->UTF-8)";
    QTest::newRow("GB18030, in place") << gb18030(chinese) << false << utf8 << "[Success] a.txt\n(GB18030->UTF-8)";
    QTest::newRow("GB18030, save folder") << gb18030(chinese) << true << utf8 << "[Success] a.txt\n(GB18030->UTF-8)";
    QTest::newRow("empty file") << QByteArray() << false << QByteArray() << "[Failed] a.txt\n(->UTF-8)";
}

void TstRun::oneFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, toSaveFolder);
    QFETCH(QByteArray, written);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const QString source = writeFile(dir.filePath(QStringLiteral("a.txt")), bytes);
    const ino_t before = inode(source);
    const QString destination = toSaveFolder ? dir.filePath(QStringLiteral("out/a.txt")) : source;

    Window w;
    if (toSaveFolder)
        w.setSaveFolder(dir.filePath(QStringLiteral("out")));
    QVERIFY(w.run(source));

    QCOMPARE(w.summary(), summary);
    QVERIFY(!w.detailShown());
    QCOMPARE(contents(destination), written);
    if (toSaveFolder)
        QCOMPARE(contents(source), bytes);
    if (bytes == written)
        QCOMPARE(inode(source), before);
}

void TstRun::folder()
{
    // Eligible: the two text files and the link to a file elsewhere. Not: the
    // subfolder and its file, the hidden file, the FIFO and the dangling link.
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QDir folder(dir.path());
    folder.mkdir(QStringLiteral("sub"));
    writeFile(dir.filePath(QStringLiteral("sub/inner.txt")), gb18030(chinese));
    writeFile(dir.filePath(QStringLiteral(".hidden.txt")), gb18030(chinese));
    writeFile(dir.filePath(QStringLiteral("a.txt")), gb18030(chinese));
    writeFile(dir.filePath(QStringLiteral("b.txt")), "plain ASCII\n");
    QVERIFY(QFile::link(writeFile(elsewhere.filePath(QStringLiteral("real.txt")), gb18030(chinese)),
        dir.filePath(QStringLiteral("link.txt"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling.txt"))));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.txt"))).constData(), 0600), 0);

    Window w;
    QVERIFY(w.run(dir.path()));

    QCOMPARE(w.summary(), QStringLiteral("[3/3] Success!"));
    QVERIFY(w.detailShown());
    QStringList listing = w.detail();
    listing.sort();
    QCOMPARE(listing,
        QStringList({"[Success] a.txt  (GB18030->UTF-8)", "[Success] b.txt  (ASCII->UTF-8)",
            "[Success] link.txt  (GB18030->UTF-8)"}));
    QCOMPARE(contents(dir.filePath(QStringLiteral("a.txt"))), chinese.toUtf8());
    QCOMPARE(contents(elsewhere.filePath(QStringLiteral("real.txt"))), chinese.toUtf8());
    QCOMPARE(contents(dir.filePath(QStringLiteral("sub/inner.txt"))), gb18030(chinese));
    QCOMPARE(contents(dir.filePath(QStringLiteral(".hidden.txt"))), gb18030(chinese));
}

void TstRun::folderWithOneFile()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    writeFile(dir.filePath(QStringLiteral("<i>x.txt")), gb18030(chinese));

    Window w;
    QVERIFY(w.run(dir.path()));
    QCOMPARE(w.summary(), QStringLiteral("[Success] <i>x.txt\n(GB18030->UTF-8)"));
    QVERIFY(!w.detailShown());
}

void TstRun::emptyFolder()
{
    QTemporaryDir dir;
    Window w;
    QVERIFY(w.run(dir.path()));
    QCOMPARE(w.summary(), QStringLiteral("[0/0] Success!"));
    QVERIFY(w.detailShown());
    QCOMPARE(w.detail(), QStringList {QString()});
}

void TstRun::largeFile_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("summary");

    const qint64 limit = 10 * 1024 * 1024;
    QTest::newRow("exactly 10 MiB asks nothing")
        << limit << int(QMessageBox::No) << false << "[Success] big.txt\n(ASCII->UTF-8)";
    QTest::newRow("larger, answered No") << limit + 1 << int(QMessageBox::No) << true << "[0/0] Success!";
    QTest::newRow("larger, answered Yes")
        << limit + 1 << int(QMessageBox::Yes) << true << "[Success] big.txt\n(ASCII->UTF-8)";
}

void TstRun::largeFile()
{
    QFETCH(qint64, size);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, summary);

    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("big.txt")), QByteArray(int(size), 'a'));
    Window w;
    ModalAnswerer answerer {QMessageBox::StandardButton(answer)};
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    QVERIFY(w.run(path));
    qInstallMessageHandler(previous);

    QCOMPARE(answerer.boxes,
        asked ? QStringList {"big.txt|File Size > 10 MBytes.\n Does this really a text file?"} : QStringList());
    QCOMPARE(debugMessages.contains(QStringLiteral("No was clicked")), asked && answer == QMessageBox::No);
    QCOMPARE(w.summary(), summary);
}

void TstRun::copyIntoSaveFolder_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("warning");

    QTest::newRow("same bytes already there")
        << QByteArray("plain ASCII\n") << "[Success] a.txt\n(ASCII->US-ASCII)" << QString();
    QTest::newRow("a different file of that name")
        << QByteArray("something else\n") << "[Failed] a.txt\n(ASCII->US-ASCII)"
        << "Karvo|Could not copy file: a different file of that name is already in the save folder.";
}

void TstRun::copyIntoSaveFolder()
{
    QFETCH(QByteArray, existing);
    QFETCH(QString, summary);
    QFETCH(QString, warning);

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const QString source = writeFile(dir.filePath(QStringLiteral("a.txt")), "plain ASCII\n");
    writeFile(dir.filePath(QStringLiteral("out/a.txt")), existing);

    Window w;
    w.setTarget(QStringLiteral("US-ASCII"));
    w.setSaveFolder(dir.filePath(QStringLiteral("out")));
    ModalAnswerer answerer;
    QVERIFY(w.run(source));

    QCOMPARE(w.summary(), summary);
    QCOMPARE(answerer.boxes, warning.isEmpty() ? QStringList() : QStringList {warning});
    QCOMPARE(contents(dir.filePath(QStringLiteral("out/a.txt"))), existing);
}

void TstRun::warningDoesNotStopTheRun()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.txt")), QByteArray("caf\xc3\xa9 au lait\n"));
    writeFile(dir.filePath(QStringLiteral("b.txt")), chinese.toUtf8());
    writeFile(dir.filePath(QStringLiteral("c.txt")),
        QByteArray("cr\xc3\xa8me br\xc3\xbbl\xc3\xa9"
                   "e\n"));

    Window w;
    w.setTarget(QStringLiteral("ISO-8859-1"));
    QStringList boxes;
    {
        ModalAnswerer answerer;
        QVERIFY(w.run(dir.path()));
        boxes = answerer.boxes;
    }

    QCOMPARE(w.summary(), QStringLiteral("[2/3] Success!"));
    QCOMPARE(boxes,
        QStringList {"Karvo|Could not convert file: the character U+6625 at line 1, column 1 "
                     "cannot be written in ISO-8859-1."});
    QCOMPARE(contents(dir.filePath(QStringLiteral("b.txt"))), chinese.toUtf8());
    QCOMPARE(contents(dir.filePath(QStringLiteral("c.txt"))),
        QByteArray("cr\xe8me br\xfbl\xe9"
                   "e\n"));
    QVERIFY(w.detail().contains(QStringLiteral("[Failed]     b.txt  (UTF-8->ISO-8859-1)")));
}

void TstRun::secondRunReplacesTheFirst()
{
    QTemporaryDir dir;
    const QString first = writeFile(dir.filePath(QStringLiteral("first.txt")), "one\n");
    const QString second = writeFile(dir.filePath(QStringLiteral("second.txt")), "two\n");

    Window w;
    QVERIFY(w.run(first));
    QVERIFY(w.run(second));
    QCOMPARE(w.window.lastRun().size(), 1);
    QCOMPARE(w.window.lastRun().first().fileName, QStringLiteral("second.txt"));
    QCOMPARE(w.summary(), QStringLiteral("[Success] second.txt\n(ASCII->UTF-8)"));
}

QTEST_MAIN(TstRun)
#include "tst_run.moc"
