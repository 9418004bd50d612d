// Whole runs, as a user starts them: a drop on the window, the real timers,
// the real engine on files in a temporary folder; then the files' bytes and
// the texts on screen.
#include "runharness.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

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
    void oneFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("saveFolder");
        QTest::addColumn<QByteArray>("written"); // what stands at the destination afterwards
        QTest::addColumn<QString>("summary");

        const QByteArray utf8 = chinese.toUtf8();
        QTest::newRow("already UTF-8, in place") << utf8 << QString() << utf8 << "[Success] a.txt\n(UTF-8->UTF-8)";
        QTest::newRow("already UTF-8, copied") << utf8 << "out" << utf8 << "[Success] a.txt\n(UTF-8->UTF-8)";
        QTest::newRow("already there: the save folder is its own")
            << utf8 << "." << utf8 << "[Success] a.txt\n(UTF-8->UTF-8)";
        QTest::newRow("GB18030, in place")
            << gb18030(chinese) << QString() << utf8 << "[Success] a.txt\n(GB18030->UTF-8)";
        QTest::newRow("GB18030, converted copy")
            << gb18030(chinese) << "out" << utf8 << "[Success] a.txt\n(GB18030->UTF-8)";
        QTest::newRow("empty file") << QByteArray() << QString() << QByteArray() << "[Failed] a.txt\n(->UTF-8)";
    }

    void oneFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, saveFolder);
        QFETCH(QByteArray, written);
        QFETCH(QString, summary);

        Scenario s;
        const QString source = s.file(QStringLiteral("a.txt"), bytes);
        const ino_t before = inode(source);
        if (!saveFolder.isEmpty())
            s.setSaveFolder(s.folder(saveFolder));
        QVERIFY(s.run(QStringLiteral("a.txt")));

        QCOMPARE(s.summary(), summary);
        QVERIFY(!s.detailShown());
        QCOMPARE(
            s.bytes(saveFolder.isEmpty() ? QStringLiteral("a.txt") : saveFolder + QLatin1String("/a.txt")), written);
        if (!saveFolder.isEmpty())
            QCOMPARE(s.bytes(QStringLiteral("a.txt")), bytes);
        if (bytes == written) // nothing needed writing, and nothing was
            QCOMPARE(inode(source), before);
        QCOMPARE(s.boxes, QStringList());
    }

    void folder()
    {
        // Eligible: the two files and the link to a file elsewhere. Not: the
        // subfolder and its file, the hidden file, the FIFO, the dangling link.
        Scenario s;
        QTemporaryDir elsewhere;
        s.folder(QStringLiteral("in/sub"));
        s.file(QStringLiteral("in/sub/inner.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/.hidden.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/a.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/b.txt"), "plain ASCII\n");
        QVERIFY(QFile::link(writeFile(elsewhere.filePath(QStringLiteral("real.txt")), gb18030(chinese)),
            s.path(QStringLiteral("in/link.txt"))));
        QVERIFY(QFile::link(s.path(QStringLiteral("gone")), s.path(QStringLiteral("in/dangling.txt"))));
        QCOMPARE(mkfifo(QFile::encodeName(s.path(QStringLiteral("in/fifo.txt"))).constData(), 0600), 0);

        QVERIFY(s.run(QStringLiteral("in")));
        QCOMPARE(s.summary(), QStringLiteral("[3/3] Success!"));
        QStringList lines = s.detail().split(QLatin1Char('\n'));
        lines.sort(); // the folder's own order
        QCOMPARE(lines,
            QStringList({"[Success] a.txt  (GB18030->UTF-8)", "[Success] b.txt  (ASCII->UTF-8)",
                "[Success] link.txt  (GB18030->UTF-8)"}));
        QCOMPARE(s.bytes(QStringLiteral("in/a.txt")), chinese.toUtf8());
        QCOMPARE(contents(elsewhere.filePath(QStringLiteral("real.txt"))), chinese.toUtf8());
        QCOMPARE(s.bytes(QStringLiteral("in/sub/inner.txt")), gb18030(chinese));
        QCOMPARE(s.bytes(QStringLiteral("in/.hidden.txt")), gb18030(chinese));
    }

    void folderOfOneOrNone()
    {
        Scenario s;
        s.folder(QStringLiteral("empty"));
        QVERIFY(s.run(QStringLiteral("empty")));
        QCOMPARE(s.summary(), QStringLiteral("[0/0] Success!"));
        QVERIFY(s.detailShown());
        QCOMPARE(s.detail(), QString());

        s.folder(QStringLiteral("one/sub"));
        s.file(QStringLiteral("one/<i>x.txt"), gb18030(chinese));
        QVERIFY(s.run(QStringLiteral("one")));
        QCOMPARE(s.summary(), QStringLiteral("[Success] <i>x.txt\n(GB18030->UTF-8)"));
        QVERIFY(!s.detailShown());
        QCOMPARE(s.window.lastRun().size(), 1); // the second run replaced the first's records
    }

    void largeFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("summary");

        const int limit = 10 * 1024 * 1024;
        const QString converted = QStringLiteral("[Success] big.txt\n(ASCII->UTF-8)");
        QTest::newRow("exactly 10 MiB asks nothing") << limit << int(QMessageBox::No) << converted;
        QTest::newRow("larger, answered No") << limit + 1 << int(QMessageBox::No) << "[0/0] Success!";
        QTest::newRow("larger, answered Yes") << limit + 1 << int(QMessageBox::Yes) << converted;
    }

    void largeFile()
    {
        QFETCH(int, size);
        QFETCH(int, answer);
        QFETCH(QString, summary);

        Scenario s;
        s.file(QStringLiteral("big.txt"), QByteArray(size, 'a'));
        s.answer = QMessageBox::StandardButton(answer);
        DebugLog::lines().clear();
        DebugLog debug;
        QVERIFY(s.run(QStringLiteral("big.txt")));

        const bool asked = size > 10 * 1024 * 1024;
        QCOMPARE(s.boxes,
            asked ? QStringList {"big.txt|File Size > 10 MBytes.\n Does this really a text file?"} : QStringList());
        QCOMPARE(DebugLog::lines().contains(QStringLiteral("No was clicked")), asked && answer == QMessageBox::No);
        QCOMPARE(s.summary(), summary);
    }

    void copyOntoAnExistingFile_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("boxes");

        QTest::newRow("the same bytes") << QByteArray("plain ASCII\n") << "[Success] a.txt\n(ASCII->US-ASCII)"
                                        << QStringList();
        QTest::newRow("a different file")
            << QByteArray("something else\n") << "[Failed] a.txt\n(ASCII->US-ASCII)"
            << QStringList {"Karvo|Could not copy file: a different file of that name is already in the save folder."};
    }

    void copyOntoAnExistingFile()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QString, summary);
        QFETCH(QStringList, boxes);

        Scenario s;
        s.file(QStringLiteral("a.txt"), "plain ASCII\n");
        s.folder(QStringLiteral("out"));
        s.file(QStringLiteral("out/a.txt"), existing);
        s.setTarget(QStringLiteral("US-ASCII"));
        s.setSaveFolder(QStringLiteral("out"));
        QVERIFY(s.run(QStringLiteral("a.txt")));

        QCOMPARE(s.summary(), summary);
        QCOMPARE(s.boxes, boxes);
        QCOMPARE(s.bytes(QStringLiteral("out/a.txt")), existing);
    }

    void warningDoesNotStopTheRun()
    {
        Scenario s;
        s.file(QStringLiteral("in/a.txt"), "caf\xc3\xa9 au lait\n");
        s.file(QStringLiteral("in/b.txt"), chinese.toUtf8());
        s.file(QStringLiteral("in/c.txt"),
            "cr\xc3\xa8me br\xc3\xbbl\xc3\xa9"
            "e\n");
        s.setTarget(QStringLiteral("ISO-8859-1"));
        QVERIFY(s.run(QStringLiteral("in")));

        QCOMPARE(s.summary(), QStringLiteral("[2/3] Success!"));
        QCOMPARE(s.boxes,
            QStringList {"Karvo|Could not convert file: the character U+6625 at line 1, column 1 "
                         "cannot be written in ISO-8859-1."});
        QCOMPARE(s.bytes(QStringLiteral("in/b.txt")), chinese.toUtf8());
        QCOMPARE(s.bytes(QStringLiteral("in/c.txt")),
            QByteArray("cr\xe8me br\xfbl\xe9"
                       "e\n"));
        QVERIFY(s.detail().contains(QStringLiteral("[Failed]     b.txt  (UTF-8->ISO-8859-1)")));
    }
};

QTEST_MAIN(TstRun)
#include "tst_run.moc"
