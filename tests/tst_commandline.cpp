// The karvo binary run as a command, with no display to fall back on, over a
// temporary folder: its exit code, what it prints, its JSON report and the
// bytes it leaves in every file.
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

QByteArray gb18030()
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(chinese);
}

// The bytes a file should hold, by the name a table row gives them.
QByteArray bytesFor(const QString &state)
{
    if (state == QLatin1String("gb"))
        return gb18030();
    if (state == QLatin1String("utf8"))
        return chinese.toUtf8();
    if (state == QLatin1String("latin1")) // GB18030 bytes read as Latin-1, written as UTF-8
        return QString::fromLatin1(gb18030()).toUtf8();
    return "<missing>";
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files"); // "path=state" afterwards
    QTest::addColumn<QStringList>("actions"); // "name=action" in the JSON report, all of its files
    QTest::addColumn<QString>("output"); // in standard output or error; "=" first: all of standard output

    const QString all = QStringLiteral("in/gb.txt=%1,in/utf.txt=utf8,in/sub/gb.txt=%2");
    const auto files = [&](const QString &top, const QString &sub = QStringLiteral("gb")) {
        return all.arg(top, sub).split(QLatin1Char(','));
    };
    const auto list
        = [](const char *text) { return QString::fromUtf8(text).split(QLatin1Char(','), Qt::SkipEmptyParts); };

    QTest::newRow("a folder, in place") << list("in") << 0 << files("utf8") << QStringList()
                                        << "[Success] gb.txt  (GB18030->UTF-8)\n";
    QTest::newRow("recursive") << list("-r,in") << 0 << files("utf8", "utf8") << QStringList() << "[3/3] Success!";
    QTest::newRow("dry run") << list("-n,--json,in") << 0 << files("gb")
                             << list("gb.txt=would convert,utf.txt=unchanged") << "\"dryRun\": true";
    QTest::newRow("check finds work") << list("--check,-r,in") << 3 << files("gb") << QStringList() << "";
    QTest::newRow("check passes") << list("--check,in/utf.txt") << 0 << files("gb") << QStringList() << "";
    QTest::newRow("save folder made") << list("-o,out/new,--json,in") << 0
                                      << files("gb") + list("out/new/gb.txt=utf8,out/new/utf.txt=utf8")
                                      << list("gb.txt=converted,utf.txt=copied") << "";
    QTest::newRow("save folder impossible")
        << list("-o,in/gb.txt/x,in") << 2 << files("gb") << QStringList() << "save folder 'in/gb.txt/x'";
    QTest::newRow("dry run makes no save folder")
        << list("-n,-o,out,in") << 0 << files("gb") + list("out/gb.txt=none") << QStringList() << "";
    QTest::newRow("copies landing on each other")
        << list("-o,out,in/gb.txt,in/sub/gb.txt") << 2 << files("gb") + list("out/gb.txt=none") << QStringList()
        << "would both be written to 'out/gb.txt'";
    QTest::newRow("named twice, converted once") << list("--json,in,in/gb.txt,in/./gb.txt") << 0 << files("utf8")
                                                 << list("gb.txt=converted,utf.txt=unchanged") << "";
    QTest::newRow("into another encoding")
        << list("-t,gb18030,in/utf.txt") << 0 << list("in/gb.txt=gb,in/utf.txt=gb") << QStringList() << "";
    QTest::newRow("unknown target") << list("-t,FOO,in") << 2 << files("gb") << QStringList()
                                    << "karvo: unknown encoding 'FOO'; see --list-encodings";
    QTest::newRow("unknown source") << list("--force-encoding,BAR,in") << 2 << files("gb") << QStringList()
                                    << "unknown encoding 'BAR'";
    QTest::newRow("no paths") << list("-r") << 2 << files("gb") << QStringList() << "no files or folders given";
    QTest::newRow("unknown option") << list("--frobnicate,in") << 2 << files("gb") << QStringList() << "frobnicate";
    QTest::newRow("missing path and FIFO")
        << list("--json,nothere,fifo,in/gb.txt") << 1 << files("utf8")
        << list("nothere=failed,fifo=failed,gb.txt=converted") << "\"code\": \"cannot-read\"";
    QTest::newRow("forced source encoding")
        << list("--force-encoding,latin1,in/gb.txt") << 0 << files("latin1") << QStringList() << "(ISO-8859-1->UTF-8)";
    QTest::newRow("forced encoding still lossless")
        << list("--force-encoding,UTF-8,-t,UTF-16,in/gb.txt") << 1 << files("gb") << QStringList() << "[Failed]";
    QTest::newRow("quiet") << list("-q,in") << 0 << files("utf8") << QStringList() << "=";
    QTest::newRow("quiet failure") << list("-q,nothere,in") << 1 << files("utf8") << QStringList()
                                   << "=[Failed]     nothere  (Unknown->UTF-8)  Could not open source file. "
                                      "(No such file or directory)\n";
    QTest::newRow("help") << list("-h") << 0 << files("gb") << QStringList() << "Usage: karvo [options] path...";
    QTest::newRow("version") << list("--version") << 0 << files("gb") << QStringList() << "karvo 1.";
    QTest::newRow("encodings") << list("--list-encodings") << 0 << files("gb") << QStringList() << "\nShift_JIS (";
}

void TestCommandLine::run()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, actions);
    QFETCH(QString, output);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("in/sub"));
    writeFile(dir.filePath(QStringLiteral("in/gb.txt")), gb18030());
    writeFile(dir.filePath(QStringLiteral("in/utf.txt")), chinese.toUtf8());
    writeFile(dir.filePath(QStringLiteral("in/sub/gb.txt")), gb18030());
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);

    // Were the command line to open a window, xcb without a display would abort it.
    QProcess karvo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The texts compared below are the English ones.
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    karvo.setProcessEnvironment(environment);
    karvo.setWorkingDirectory(dir.path());
    karvo.start(QStringLiteral(KARVO_BINARY), args);
    QVERIFY(karvo.waitForFinished(60000));
    const QByteArray out = karvo.readAllStandardOutput();
    const QByteArray err = karvo.readAllStandardError();
    QCOMPARE(karvo.exitStatus(), QProcess::NormalExit);
    QVERIFY2(karvo.exitCode() == exitCode, out + err);

    if (output.startsWith(QLatin1Char('=')))
        QCOMPARE(QString::fromUtf8(out), output.mid(1));
    else
        QVERIFY2(QString::fromUtf8(out + err).contains(output), out + err);
    for (const QString &file : qAsConst(files)) {
        const QStringList parts = file.split(QLatin1Char('='));
        QVERIFY2(contents(dir.filePath(parts.at(0))) == bytesFor(parts.at(1)), qPrintable(file));
    }

    if (!args.contains(QStringLiteral("--json")))
        return;
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report.value(QStringLiteral("summary")).toObject().value(QStringLiteral("exitCode")).toInt(), exitCode);
    const QJsonArray records = report.value(QStringLiteral("files")).toArray();
    QCOMPARE(records.size(), actions.size());
    for (const QJsonValue &value : records) {
        const QJsonObject record = value.toObject();
        const QString name = record.value(QStringLiteral("name")).toString();
        QVERIFY2(actions.contains(name + QLatin1Char('=') + record.value(QStringLiteral("action")).toString()),
            qPrintable(name));
        // A failure always says why, to programs and to people.
        if (record.value(QStringLiteral("outcome")).toString() != QLatin1String("ok")) {
            const QJsonObject reason = record.value(QStringLiteral("reason")).toObject();
            QVERIFY(!reason.value(QStringLiteral("code")).toString().isEmpty());
            QVERIFY(!reason.value(QStringLiteral("message")).toString().isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)

#include "tst_commandline.moc"
