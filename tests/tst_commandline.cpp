// The karvo binary run as a command, with no display to fall back on, over a
// temporary folder: its exit code, what it prints, its JSON report and the
// bytes it leaves in every file.
#include "testsupport.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <algorithm>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

QByteArray gb18030()
{
    return gb18030(chinese);
}

// The bytes a file should hold, by the name a table row gives them, or as
// the row spells them.
QByteArray bytesFor(const QString &state)
{
    if (state == QLatin1String("gb"))
        return gb18030();
    if (state == QLatin1String("utf8"))
        return chinese.toUtf8();
    if (state == QLatin1String("latin1")) // GB18030 bytes read as Latin-1, written as UTF-8
        return QString::fromLatin1(gb18030()).toUtf8();
    return state == QLatin1String("none") ? QByteArray("<missing>") : state.toUtf8();
}

// Each of `files`, "path=state", holds what bytesFor(state) says.
void compareFiles(const Scratch &s, const QStringList &files)
{
    for (const QString &file : files)
        QVERIFY2(s.bytes(file.section(QLatin1Char('='), 0, 0)) == bytesFor(file.section(QLatin1Char('='), 1)),
            qPrintable(file));
}

struct Ran
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs karvo in `folder` as a shell would, with `input` on its standard
// input and no display; as nobody if asked, and its standard output into
// `outputFile` if one is given.
Ran karvo(const QString &folder, const QStringList &args, const QByteArray &input = QByteArray(),
    const QStringList &environment = QStringList(), bool asNobody = false, const QString &outputFile = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Were the command line to open a window, xcb without a display would abort it.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    // Names are bytes in UTF-8, whatever the machine's own locale.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const QString &variable : environment)
        env.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    if (asNobody)
        process.start(QStringLiteral("setpriv"),
            QStringList {"--reuid=65534", "--regid=65534", "--clear-groups", "--", KARVO_BINARY} + args);
    else
        process.start(QStringLiteral(KARVO_BINARY), args);
    Ran ran;
    if (!process.waitForStarted(60000))
        return ran;
    // Written while karvo reads, so that a large input cannot fill the pipe
    // with karvo's output waiting to be read.
    qint64 written = 0;
    QObject::connect(&process, &QProcess::bytesWritten, [&](qint64 bytes) {
        written += bytes;
        if (written == input.size())
            process.closeWriteChannel();
    });
    if (input.isEmpty())
        process.closeWriteChannel();
    else
        process.write(input);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return ran;
    ran.exitCode = process.exitCode();
    ran.out = process.readAllStandardOutput();
    ran.err = process.readAllStandardError();
    return ran;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void filter_data();
    void filter();
    void filterPassesLinesOn();
    void names_data();
    void names();
    void gitTextconv();
    void window_data();
    void window();
    void attacks_data();
    void attacks();
    void stopped_data();
    void stopped();
    void nameNotUtf8();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files"); // "path=state" afterwards
    QTest::addColumn<QStringList>("actions"); // "name=action" in the JSON report, all of its files
    QTest::addColumn<QString>("output"); // in standard output or error; "=" first: all of standard output

    const auto list
        = [](const char *text) { return QString::fromUtf8(text).split(QLatin1Char(','), Qt::SkipEmptyParts); };
    // The files as `top` and `sub` leave them, and `more`.
    const auto files = [&](const char *top, const char *sub = "gb", const char *more = "") {
        return QString::fromLatin1("in/gb.txt=%1,in/utf.txt=utf8,in/sub/gb.txt=%2,%3")
            .arg(top, sub, more)
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    };
    const auto row = [&](const char *name, const char *args, int exitCode, const QStringList &files,
                         const char *actions, const QString &output) {
        QTest::newRow(name) << list(args) << exitCode << files << list(actions) << output;
    };
    row("recursive", "-r,in", 0, files("utf8", "utf8"), "", "[3/3] Success!");
    row("hidden files counted", "in", 0, files("utf8"), "", "[2/2] Success!\n1 hidden file passed over\n");
    row("dry run", "-n,--json,in", 0, files("gb"), "gb.txt=would convert,utf.txt=unchanged", "\"dryRun\": true");
    row("quiet check names what fails it", "--check,-q,in", 3, files("gb"), "",
        "=[To convert] gb.txt  (GB18030->UTF-8)\n");
    row("check counts what passes", "--check,in", 3, files("gb"), "", "[1/2] in UTF-8 already\n1 to convert,");
    row("check passes", "--check,in/utf.txt", 0, files("gb"), "", "");
    row("save folder made", "-o,out/new,--json,in", 0, files("gb", "gb", "out/new/gb.txt=utf8,out/new/utf.txt=utf8"),
        "gb.txt=converted,utf.txt=copied", "");
    row("save folder impossible", "-o,in/gb.txt/x,in", 2, files("gb"), "", "save folder 'in/gb.txt/x'");
    row("backup folder a file", "--backup-dir,in/utf.txt,in", 2, files("gb"), "", "'in/utf.txt' as the backup folder");
    row("backup folder impossible", "--backup-dir,in/gb.txt/x,in", 2, files("gb"), "", "backup folder 'in/gb.txt/x'");
    row("dry run makes no folder", "-n,-o,out,--backup-dir,bak,in", 0, files("gb", "gb", "out=none,bak=none"), "", "");
    row("copies landing on each other", "-o,out,in/gb.txt,in/sub/gb.txt", 2, files("gb", "gb", "out/gb.txt=none"), "",
        "would both be written to 'out/gb.txt'");
    row("named twice, converted once", "--json,in,in/gb.txt,in/./gb.txt", 0, files("utf8"),
        "gb.txt=converted,utf.txt=unchanged,gb.txt=skipped,gb.txt=skipped", "");
    row("unknown target", "-t,FOO,in", 2, files("gb"), "", "karvo: unknown encoding 'FOO'; see --list-encodings");
    row("unknown source", "--force-encoding,BAR,in", 2, files("gb"), "", "unknown encoding 'BAR'");
    row("no paths", "-r", 2, files("gb"), "", "no files or folders given");
    row("unknown option, escaped", "--\x1b[2J,in", 2, files("gb"), "", "Unknown option '\\e[2J'");
    row("missing path and FIFO", "--json,nothere,fifo,in/gb.txt", 1, files("utf8"),
        "nothere=failed,fifo=failed,gb.txt=converted", "\"code\": \"cannot-read\"");
    row("forced source encoding", "--force-encoding,latin1,in/gb.txt", 0, files("latin1"), "", "(ISO-8859-1->UTF-8)");
    row("quiet", "-q,in", 0, files("utf8"), "", "=");
    row("quiet failure", "-q,nothere,in", 1, files("utf8"), "",
        "=[Failed]     nothere  (Unknown->UTF-8)  Could not open source file. (No such file or directory)\n");
    row("help", "-h", 0, files("gb"), "", "Usage: karvo [options] path...");
    row("version", "--version", 0, files("gb"), "", "karvo 1.");
    row("encodings", "--list-encodings", 0, files("gb"), "", "\nShift_JIS (");
}

void TestCommandLine::run()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, actions);
    QFETCH(QString, output);

    Scratch s;
    for (const QString name : {"in/gb.txt", "in/sub/gb.txt", "in/.notes.txt"})
        s.file(name, gb18030());
    s.file(QStringLiteral("in/utf.txt"), chinese.toUtf8());
    QCOMPARE(::mkfifo(QFile::encodeName(s.path(QStringLiteral("fifo"))).constData(), 0600), 0);

    const Ran ran = karvo(s.dir.path(), args);
    QVERIFY2(ran.exitCode == exitCode, ran.out + ran.err);
    if (output.startsWith(QLatin1Char('=')))
        QCOMPARE(QString::fromUtf8(ran.out), output.mid(1));
    else
        QVERIFY2(QString::fromUtf8(ran.out + ran.err).contains(output), ran.out + ran.err);
    compareFiles(s, files);

    if (!args.contains(QStringLiteral("--json")))
        return;
    const QJsonObject report = QJsonDocument::fromJson(ran.out).object();
    QVERIFY2(!report.isEmpty(), ran.out);
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

void TestCommandLine::filter_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output"); // all of standard output
    QTest::addColumn<QString>("error"); // in standard error

    const QByteArray gb = gb18030();
    const QByteArray utf8 = chinese.toUtf8();
    // More than the MiB read ahead, and more than a few pieces, so that the
    // failures below come late in a stream that is converted in pieces.
    const QString longText = chinese.repeated(3000);
    const int lines = longText.count(QLatin1Char('\n'));
    const QByteArray longGb = gb18030(longText);
    const QByteArray longUtf8 = longText.toUtf8();
    const QString russian
        = QString::fromUtf8("Съешь же ещё этих мягких французских булок, да выпей чаю.\n").repeated(40);
    const QString kana = QString::fromUtf8("日本語の文章です。");
    const auto list = [](const char *text) { return QString::fromUtf8(text).split(QLatin1Char(',')); };
    const QString at = QStringLiteral("line %1, column %2");

    const auto row
        = [&](const char *name, const char *args, const QByteArray &input, int exitCode, const QByteArray &output,
              const QString &error) { QTest::newRow(name) << list(args) << input << exitCode << output << error; };
    row("stdin to stdout", "-", gb, 0, utf8, "");
    row("files and stdin in order", "--stdout,in/gb.txt,-,in/utf.txt", gb, 0, utf8 + utf8 + utf8, "");
    row("into another target", "-t,GB18030,-", utf8, 0, gb, "");
    row("empty", "-", "", 0, "", "");
    // Files in /proc hold text, though their size says 0.
    const QByteArray version = contents(QStringLiteral("/proc/version"));
    QVERIFY(QFileInfo(QStringLiteral("/proc/version")).size() == 0 && !version.isEmpty());
    row("a file whose size says 0", "--stdout,/proc/version", "", 0, version, "");
    row("UTF-8 keeps its mark", "-", "\xEF\xBB\xBF" + utf8, 0, "\xEF\xBB\xBF" + utf8, "");
    row("a coding cookie names the new encoding", "-", "# -*- coding: latin-1 -*-\nprint('Stra\xdf" "e')\n", 0,
        "# -*- coding: utf-8 -*-\nprint('Stra\xc3\x9f" "e')\n", "");
    row("UTF-8 named keeps its mark", "--force-encoding,UTF-8,-", "\xEF\xBB\xBF" + utf8, 0, "\xEF\xBB\xBF" + utf8, "");
    row("bad bytes deep in a stream", "-", longGb + "ab\x80\xFF" + gb, 1, longUtf8 + "ab",
        at.arg(lines + 1).arg(3) + " are not valid GB18030");
    row("bad bytes deep in a file", "--stdout,in/bad.txt", "", 1, longUtf8 + "ab", at.arg(lines + 1).arg(3));
    row("stream cut inside a character", "-", longGb + "ab\xB4", 1, longUtf8 + "ab",
        "ends in the middle of a GB18030 character, at " + at.arg(lines + 1).arg(3));
    // Big5 reads Hong Kong's characters as private ones without complaint;
    // a stream told Big5 by its first MiB, which HKSCS reads alike, is read
    // in HKSCS.
    const QString taiwanese = QString::fromUtf8("中華民國的國語是標準的漢語，我們今天去學校上課。\n");
    const QString longTaiwanese = taiwanese.repeated(30000);
    const QString cantonese = QString::fromUtf8("佢哋話今日唔返嚟食飯，因為要返工。\n");
    const QByteArray longBig5 = encoded("Big5", longTaiwanese);
    row("Hong Kong's characters deep in a stream", "-", longBig5 + encoded("Big5-HKSCS", cantonese), 0,
        (longTaiwanese + cantonese).toUtf8(), "");
    // Big5 reads C6A1 as a private character too; HKSCS, as ①: one way, all through.
    const QByteArray later = "\xC6\xA1\n" + encoded("Big5-HKSCS", cantonese) + "\xC6\xA1\n";
    row("the same bytes before and after Hong Kong's characters", "-", longBig5 + later, 0,
        (longTaiwanese + QTextCodec::codecForName("Big5-HKSCS")->toUnicode(later)).toUtf8(), "");
    row("a Big5 character cut short by a Hong Kong one", "-", longBig5 + "ab\xA4\x92\x5D\n", 1,
        longTaiwanese.toUtf8() + "ab", at.arg(30001).arg(3) + " are not valid Big5");
    const QString french = QString::fromUtf8("Été comme hiver, la forêt était très belle à voir.\n").repeated(25000)
        + QString::fromUtf8("Il a dit “bonjour” à tous.\n");
    row("windows-1252 quotes deep in a stream", "-", encoded("windows-1252", french), 0, french.toUtf8(), "");
    const QString turkish
        = QString::fromUtf8("Ağaçların gölgesinde çalışan işçiler şarkı söylüyordu.\n").repeated(20000)
        + QString::fromUtf8("O “evet” dedi.\n");
    row("windows-1254 quotes deep in a stream", "-", encoded("windows-1254", turkish), 0, turkish.toUtf8(), "");
    row("ISO-8859-1 named keeps its controls", "--force-encoding,ISO-8859-1,-", QByteArray("a\x93") + "b\n", 0,
        QByteArray("a\xC2\x93") + "b\n", "");
    const QByteArray ascii = QByteArray("A line of ASCII, as logs have for a long time.\n").repeated(25000);
    row("UTF-8 after a MiB of ASCII", "-", ascii + "caf\xC3\xA9\n", 0, ascii + "caf\xC3\xA9\n", "");
    // As in a file, which stays Big5 once its start holds one.
    const QByteArray leftOut = encoded("Big5", taiwanese) + "\x87\x66\n" + longBig5 + encoded("Big5-HKSCS", cantonese);
    row("a character HKSCS leaves out early in a stream", "-", leftOut, 0,
        QTextCodec::codecForName("Big5")->toUnicode(leftOut).toUtf8(), "");
    // Big5 reads F9FE as ▓, HKSCS as ￭.
    const QByteArray readTwoWays = "\xF9\xFE\n" + longBig5 + encoded("Big5-HKSCS", cantonese);
    row("a character Big5 and HKSCS read apart early in a stream", "-", readTwoWays, 0,
        QTextCodec::codecForName("Big5")->toUnicode(readTwoWays).toUtf8(), "");
    row("a character the target lacks", "-t,KOI8-R,-", (russian + QString::fromUtf8("ок 中")).toUtf8(), 1,
        encoded("KOI8-R", russian + QString::fromUtf8("ок ")), "(U+4E2D) at " + at.arg(41).arg(4));
    row("a stateful target shifted back at the end", "--force-encoding,UTF-8,-t,ISO-2022-JP,-",
        QString::fromUtf8("日本").toUtf8(), 0, "\x1b$BF|K\\\x1b(B", "");
    // A target that keeps a state between characters goes as one stream.
    row("a character a stateful target lacks", "--force-encoding,UTF-8,-t,ISO-2022-JP,-",
        (kana + QString::fromUtf8("é")).toUtf8(), 1, encoded("ISO-2022-JP", kana), "(U+00E9) at " + at.arg(1).arg(10));
    // One Hebrew word in windows-1255 reads nearly as well as Greek in ISO-8859-7.
    row("doubtful", "-", "\xF9\xEC\xE5\xED\n", 1, "", "the encoding is uncertain (perhaps ");
    row("doubtful, named", "--force-encoding,windows-1255,-", "\xF9\xEC\xE5\xED\n", 0,
        QString::fromUtf8("שלום\n").toUtf8(), "");
    row("binary", "-", elfHeader(), 1, "", "not a text file");
    row("missing file", "--stdout,nothere", "", 1, "", "nothere: No such file or directory");
    row("a folder", "--stdout,in", "", 1, "", "in: Is a directory");
    row("with --json", "--json,-", "", 2, "", "--json does not go with standard output");
    row("with --check", "--check,--stdout,in/gb.txt", "", 2, "", "--check does not go");
    row("- among files", "in/gb.txt,-", "", 2, "", "- (standard input) goes alone, or with --stdout");
    row("--window later", "-n,--window,in", "", 2, "", "--window comes before any other argument");
}

void TestCommandLine::filter()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QString, error);

    Scratch s;
    const QByteArray bad = gb18030(chinese.repeated(3000)) + "ab\x80\xFF" + gb18030();
    const QDateTime before = QFileInfo(s.file(QStringLiteral("in/gb.txt"), gb18030())).lastModified();
    s.file(QStringLiteral("in/utf.txt"), chinese.toUtf8());
    s.file(QStringLiteral("in/bad.txt"), bad);

    const Ran ran = karvo(s.dir.path(), args, input);
    QVERIFY2(ran.exitCode == exitCode, ran.err);
    QCOMPARE(ran.out.size(), output.size());
    QVERIFY(ran.out == output);
    QVERIFY2(QString::fromUtf8(ran.err).contains(error), ran.err);
    if (error.isEmpty())
        QVERIFY2(ran.err.isEmpty(), ran.err);
    // Standard output, never a file.
    QCOMPARE(s.bytes(QStringLiteral("in/gb.txt")), gb18030());
    QCOMPARE(s.bytes(QStringLiteral("in/bad.txt")), bad);
    QCOMPARE(QFileInfo(s.path(QStringLiteral("in/gb.txt"))).lastModified(), before);
}

// `tail -f log | karvo --force-encoding ENC -`: each line comes out while
// the writer is still writing, not when the stream ends.
void TestCommandLine::filterPassesLinesOn()
{
    QProcess process;
    process.start(QStringLiteral(KARVO_BINARY),
        {QStringLiteral("--force-encoding"), QStringLiteral("GB18030"), QStringLiteral("-")});
    QVERIFY(process.waitForStarted(60000));
    const QStringList lines = chinese.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QByteArray out;
    for (const QString &line : lines) {
        process.write(gb18030(line + QLatin1Char('\n')));
        const QByteArray expected = out + (line + QLatin1Char('\n')).toUtf8();
        while (out.size() < expected.size() && process.waitForReadyRead(60000))
            out += process.readAllStandardOutput();
        QCOMPARE(out, expected);
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
}

void TestCommandLine::names_data()
{
    QTest::addColumn<QByteArray>("name"); // the file's bytes
    QTest::addColumn<QString>("shown"); // in the plain output

    QTest::newRow("escape sequence") << QByteArray("evil\x1B[2Jname.txt") << "evil\\e[2Jname.txt";
    QTest::newRow("tab, line feed and carriage return") << QByteArray("a\tb\nc\rd.txt") << "a\\tb\\nc\\rd.txt";
    QTest::newRow("other control") << QByteArray("bell\x01.txt") << "bell\\001.txt";
    QTest::newRow("C1 control") << QByteArray("csi\xC2\x9B") + "2J.txt"
                                << "csi\\302\\2332J.txt";
    QTest::newRow("backslash") << QByteArray("back\\slash.txt") << "back\\\\slash.txt";
    QTest::newRow("not UTF-8") << QByteArray("bad\xFFname.txt") << "bad\\377name.txt";
    QTest::newRow("cut UTF-8") << QByteArray("cut\xE4\xB8.txt") << "cut\\344\\270.txt";
    QTest::newRow("plain") << QByteArray("春天 spring.txt") << QString::fromUtf8("春天 spring.txt");
}

void TestCommandLine::names()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);

    Scratch s;
    const QByteArray path = QFile::encodeName(s.folder(QStringLiteral("in"))) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0 && ::write(fd, gb18030().constData(), size_t(gb18030().size())) > 0 && ::close(fd) == 0);

    const Ran plain = karvo(s.dir.path(), {"-n", "in"});
    const QString out = QString::fromUtf8(plain.out);
    QVERIFY2(out.contains(QLatin1Char(' ') + shown + QLatin1String("  (")), plain.out);
    // Nothing but the line feeds that end lines reaches the terminal.
    QVERIFY2(std::none_of(out.cbegin(), out.cend(),
                 [](QChar c) { return c != QLatin1Char('\n') && (c.category() == QChar::Other_Control); }),
        plain.out);

    const Ran json = karvo(s.dir.path(), {"-n", "--json", "in"});
    // QTemporaryDir cannot remove what Qt cannot name.
    QCOMPARE(::unlink(path.constData()), 0);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QVERIFY2(!report.isEmpty(), json.out);
    QCOMPARE(report.value(QStringLiteral("version")).toInt(), 1);
    const QJsonObject record = report.value(QStringLiteral("files")).toArray().at(0).toObject();
    const QString pathBytes = record.value(QStringLiteral("pathBytes")).toString();
    if (QString::fromUtf8(name).toUtf8() == name) {
        QCOMPARE(record.value(QStringLiteral("name")).toString().toUtf8(), name);
        QVERIFY(pathBytes.isEmpty());
        QCOMPARE(record.value(QStringLiteral("action")).toString(), QStringLiteral("would convert"));
    } else {
        // The bytes of `path`, which has U+FFFD where they are not UTF-8.
        const QByteArray bytes = QByteArray::fromBase64(pathBytes.toLatin1());
        QVERIFY2(bytes.endsWith("/in/" + name), bytes);
        QCOMPARE(QFile::decodeName(bytes), record.value(QStringLiteral("path")).toString());
        QCOMPARE(record.value(QStringLiteral("reason")).toObject().value(QStringLiteral("code")).toString(),
            QStringLiteral("name-not-utf8"));
    }
}

void TestCommandLine::gitTextconv()
{
    QTemporaryDir dir;
    const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
    QVERIFY2(!git.isEmpty(), "git not found: install the Debian package git");
    const auto run = [&](const QStringList &args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No user or system git configuration of the machine's.
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("GIT_CONFIG_NOSYSTEM"), QStringLiteral("1"));
        env.insert(QStringLiteral("GIT_PAGER"), QStringLiteral("cat"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(git, args);
        process.waitForFinished(60000);
        return process.exitCode() == 0 ? process.readAllStandardOutput()
                                       : "git failed: " + process.readAllStandardError();
    };
    // The lines the manual page gives.
    run({"init", "-q"});
    writeFile(dir.filePath(QStringLiteral(".gitattributes")), "*.txt diff=karvo\n");
    run({"config", "diff.karvo.textconv", KARVO_BINARY " --stdout --"});
    writeFile(dir.filePath(QStringLiteral("gb.txt")), gb18030());
    writeFile(dir.filePath(QStringLiteral("-dash.txt")), gb18030());
    run({"add", "."});
    run({"-c", "user.name=Test", "-c", "user.email=t@example.org", "commit", "-qm", "GB18030"});
    const QString added = QString::fromUtf8("夏天也来了。\n");
    writeFile(dir.filePath(QStringLiteral("gb.txt")), gb18030() + gb18030(added));
    writeFile(dir.filePath(QStringLiteral("-dash.txt")), gb18030() + gb18030(added));

    const QByteArray diff = run({"diff"});
    QVERIFY2(diff.contains("\n+" + added.toUtf8()), diff);
    QVERIFY2(diff.contains(" " + chinese.section(QLatin1Char('\n'), 1, 1).toUtf8()), diff);
    // The file itself is left as it is.
    QCOMPARE(contents(dir.filePath(QStringLiteral("gb.txt"))).left(gb18030().size()), gb18030());
}

void TestCommandLine::window_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QByteArray>("bytes"); // of the file afterwards

    // In UTF-16BE, a byte-order mark, then the text (which Qt 5's one-shot
    // conversion would start with, Qt 6's not).
    const QByteArray utf16 = "\xFE\xFF"
        + QTextEncoder(QTextCodec::codecForName("UTF-16BE"), QTextCodec::IgnoreHeader).fromUnicode(chinese);
    QTest::newRow("open with") << QStringList {"--window", "in/gb.txt"}
                               << QStringLiteral("[Success] gb.txt\n(GB18030->UTF-8)\n") << chinese.toUtf8();
    QTest::newRow("convert to a target") << QStringList {"--window", "--to", "UTF-16BE", "--", "in/gb.txt"}
                                         << QStringLiteral("[Success] gb.txt\n(GB18030->UTF-16BE)\n") << utf16;
}

// `karvo --window FILE` under the offscreen platform: the run goes through
// the window to its summary, which a test-only variable has it print.
void TestCommandLine::window()
{
    QFETCH(QStringList, args);
    QFETCH(QString, summary);
    QFETCH(QByteArray, bytes);

    Scratch s;
    s.file(QStringLiteral("in/gb.txt"), gb18030());
    // The window's settings and undo store go to the temporary home.
    const QString home = s.dir.path();
    const Ran ran = karvo(home, args, QByteArray(),
        {"QT_QPA_PLATFORM=offscreen", "KARVO_PRINT_SUMMARY=1", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
            "XDG_DATA_HOME=" + home + "/data", "XDG_RUNTIME_DIR=" + home});
    QVERIFY2(ran.exitCode == 0, ran.err);
    QCOMPARE(QString::fromUtf8(ran.out), summary);
    QCOMPARE(s.bytes(QStringLiteral("in/gb.txt")), bytes);
}

void TestCommandLine::attacks_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("args"); // "nobody:" first: run as nobody, as it is unprivileged users this is about
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files"); // "path=bytes" afterwards
    QTest::addColumn<QString>("output");

    const auto row = [](const char *name, const char *setup, const char *args, int exitCode, const char *files,
                         const char *output) {
        QTest::newRow(name) << setup << args << exitCode << QString::fromUtf8(files).split(QLatin1Char(',')) << output;
    };
    row("a link planted below the save folder", "planted", "-r,-o,shared,in", 1,
        "victim/gb.txt=victim,in/sub/gb.txt=gb", "symbolic link");
    row("a link to a file outside the tree", "outside", "-r,in", 0, "elsewhere.txt=gb,in/gb.txt=utf8",
        "[Skipped]    outside.txt");
    row("a different file in the save folder", "other", "-o,out,in/gb.txt", 1, "out/gb.txt=other", "[Failed]");
    row("... replaced when asked", "other", "--overwrite,-o,out,in/gb.txt", 0, "out/gb.txt=utf8", "[Success]");
    row("the copy a run before made", "converted before", "-o,out,in/gb.txt", 0, "out/gb.txt=utf8", "[Success]");
    row("... and added to since", "converted before, and more", "-o,out,in/gb.txt", 1, "in/gb.txt=gb", "[Failed]");
    row("... or cut short", "converted before, cut short", "-o,out,in/gb.txt", 1, "in/gb.txt=gb", "[Failed]");
    row("the save folder is the source folder", "", "-o,in,in", 2, "in/gb.txt=gb", "is the folder of");
    row("the save folder leads to the source folder", "link to in", "-o,in-link,in/gb.txt", 2, "in/gb.txt=gb",
        "is the folder of");
    row("a dry run of a lossy conversion", "", "-n,-t,latin1,in/gb.txt", 1, "in/gb.txt=gb", "ISO-8859-1");
    row("a check of a lossy conversion", "", "--check,-t,latin1,in/gb.txt", 1, "in/gb.txt=gb", "[Failed]");
    row("the report to a full disk", "full", "--json,in/gb.txt", 4, "in/gb.txt=utf8", "could not be written");
    row("a folder that takes no new file", "locked", "nobody:in/gb.txt", 1, "in/gb.txt=gb", "cannot be replaced");
    row("... converted with a backup kept first", "locked", "nobody:--backup-dir,bak,in/gb.txt", 0,
        "in/gb.txt=utf8,bak/gb.txt=gb", "[Success]");
    row("... and its other hard link, written over with it", "locked, hard link", "nobody:--backup-dir,bak,in", 0,
        "in/gb.txt=utf8,in/link.txt=utf8", "!old text");
    row("... neither, without a copy kept, and neither name is said to keep the old text", "locked, hard link",
        "nobody:in", 1, "in/gb.txt=gb,in/link.txt=gb", "Done once");
    row("... or in a sticky folder", "sticky, hard link", "nobody:--backup-dir,bak,in", 0,
        "in/gb.txt=utf8,in/link.txt=utf8", "!old text");
    row("... foreseen by a dry run, which converts in memory", "locked",
        "nobody:-n,-t,ASCII,--backup-dir,bak,in/gb.txt", 1, "in/gb.txt=gb", "cannot be written in US-ASCII");
    row("another's file in a sticky folder", "sticky", "nobody:in/gb.txt", 1, "in/gb.txt=gb", "only be written over");
    row("... foreseen by a dry run, for the reason the real run meets", "sticky", "nobody:-n,in/gb.txt", 1,
        "in/gb.txt=gb", "/in: Operation not permitted)");
    row("... written over with a backup kept first", "sticky", "nobody:--backup-dir,bak,in/gb.txt", 0,
        "in/gb.txt=utf8,bak/gb.txt=gb", "written over in place");
    row("... foreseen by a dry run", "sticky", "nobody:-n,--backup-dir,bak,in/gb.txt", 0, "in/gb.txt=gb",
        "written over in place");
    row("... but not in one that is not sticky", "open", "nobody:in/gb.txt", 0, "in/gb.txt=utf8", "!written over");
    row("one's own file in a sticky folder", "sticky, nobody's file", "nobody:in/gb.txt", 0, "in/gb.txt=utf8",
        "!written over");
    row("another's file in one's own sticky folder", "sticky, nobody's folder", "nobody:in/gb.txt", 0, "in/gb.txt=utf8",
        "!written over");
    row("root, in another's sticky folder", "sticky, nobody's file and folder", "in/gb.txt", 0, "in/gb.txt=utf8",
        "!written over");
    row("root's file in nobody's folder", "root's", "nobody:in/gb.txt", 0, "in/gb.txt=utf8", "owner could not be kept");
    row("... foreseen by a dry run", "root's", "nobody:-n,in/gb.txt", 0, "in/gb.txt=gb", "owner could not be kept");
    row("a hard link, quietly", "hard link", "-q,in", 0, "in/sub/gb.txt=gb", "this name keeps the old text");
    row("a backup folder in the tree, kept from a run before", "old backup", "-r,--backup-dir,in/bak,in", 0,
        "in/bak/old.txt=gb,in/gb.txt=utf8", "[Success]");
    row("a link to nothing in the tree", "dangling", "-r,in", 0, "in/sub/gb.txt=utf8", "[Skipped]");
    row("a backup kept already", "kept", "--backup-dir,bak,in/gb.txt", 0, "in/gb.txt=utf8,bak/gb.txt=gb", "[Success]");
    row("... but of other bytes", "other kept", "--backup-dir,bak,in/gb.txt", 1, "in/gb.txt=gb,bak/gb.txt=other",
        "[Failed]");
}

void TestCommandLine::attacks()
{
    QFETCH(QString, setup);
    QFETCH(QString, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QString, output);

    const bool asNobody = args.startsWith(QLatin1String("nobody:"));
    if (asNobody && ::geteuid() != 0)
        QSKIP("only root can become nobody");
    Scratch s;
    const auto path = [&s](const char *name) { return s.path(QString::fromUtf8(name)); };
    const auto native = [&](const char *name) { return QFile::encodeName(path(name)); };
    s.file(path("in/gb.txt"), gb18030());
    s.file(path("in/sub/gb.txt"), gb18030());
    if (setup == QLatin1String("planted")) {
        s.file(path("victim/gb.txt"), "victim");
        QVERIFY(QFile::link(path("victim"), s.folder(QStringLiteral("shared")) + QStringLiteral("/sub")));
    } else if (setup == QLatin1String("outside")) {
        QVERIFY(QFile::link(s.file(path("elsewhere.txt"), gb18030()), path("in/outside.txt")));
    } else if (setup == QLatin1String("other")) {
        s.file(path("out/gb.txt"), "other");
    } else if (setup == QLatin1String("hard link")) {
        QVERIFY(hardLink(path("in/gb.txt"), path("in/link.txt")));
    } else if (setup == QLatin1String("old backup")) {
        s.file(path("in/bak/old.txt"), gb18030());
    } else if (setup.startsWith(QLatin1String("converted before"))) {
        const QByteArray before = chinese.toUtf8() + (setup.endsWith(QLatin1String("more")) ? "more" : "");
        s.file(path("out/gb.txt"), setup.endsWith(QLatin1String("short")) ? before.left(10) : before);
    } else if (setup == QLatin1String("kept") || setup == QLatin1String("other kept")) {
        s.file(path("bak/gb.txt"), setup == QLatin1String("kept") ? gb18030() : QByteArray("other"));
    } else if (setup == QLatin1String("dangling")) {
        QVERIFY(QFile::link(path("gone"), path("in/sub/gone.txt")));
    } else if (setup == QLatin1String("link to in")) {
        QVERIFY(QFile::link(path("in"), path("in-link")));
    } else if (setup.startsWith(QLatin1String("locked")) || setup == QLatin1String("root's")
        || setup.startsWith(QLatin1String("sticky")) || setup == QLatin1String("open")) {
        if (setup.endsWith(QLatin1String("hard link")))
            QVERIFY(hardLink(path("in/gb.txt"), path("in/link.txt")));
        // Nobody's own folder to write the backup in; a file anyone may write,
        // in a folder nobody may add to, in nobody's folder but root's, or in
        // a sticky folder, where the file or the folder may be nobody's.
        QVERIFY(QFile::setPermissions(s.dir.path(), permissions(0x7755)));
        QCOMPARE(::chown(QFile::encodeName(s.folder(QStringLiteral("bak"))).constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(native("in/gb.txt").constData(), 0666), 0);
        if (setup.contains(QLatin1String("nobody's file")))
            QCOMPARE(::chown(native("in/gb.txt").constData(), 65534, 65534), 0);
        if (setup == QLatin1String("root's") || setup.endsWith(QLatin1String("folder")))
            QCOMPARE(::chown(native("in").constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(native("in").constData(),
                     setup.startsWith(QLatin1String("sticky")) ? 01777
                         : setup == QLatin1String("root's")    ? 0755
                         : setup == QLatin1String("open")      ? 0777
                                                               : 0555),
            0);
    }

    const Ran ran = karvo(s.dir.path(), args.mid(asNobody ? 7 : 0).split(QLatin1Char(',')), QByteArray(), QStringList(),
        asNobody, setup == QLatin1String("full") ? QStringLiteral("/dev/full") : QString());
    const QByteArray said = ran.out + ran.err;
    QVERIFY2(ran.exitCode == exitCode, said);
    // "!text": the output must not say it.
    const bool negated = output.startsWith(QLatin1Char('!'));
    QVERIFY2(negated != QString::fromUtf8(said).contains(output.mid(negated ? 1 : 0)), said);
    compareFiles(s, files);
    QFile::setPermissions(path("in"), permissions(0x7777));
}

void TestCommandLine::stopped_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("check"); // "--check": what it says, else a conversion
    QTest::newRow("Ctrl+C") << SIGINT << QString();
    QTest::newRow("timeout, kill") << SIGTERM << QString();
    QTest::newRow("the terminal closed") << SIGHUP << QString();
    QTest::newRow("a check, by Ctrl+C") << SIGINT << "--check";
}

// Stopped while it writes, karvo finishes the file it began, leaves no
// half-written copy behind, and says by what it was stopped.
void TestCommandLine::stopped()
{
    QFETCH(int, signal);
    QFETCH(QString, check);

    Scratch s;
    const QByteArray original = gb18030().repeated(48 * 1024 * 1024 / gb18030().size());
    s.file(QStringLiteral("big.txt"), original);
    s.file(QStringLiteral("small.txt"), gb18030());
    QProcess process;
    process.setWorkingDirectory(s.dir.path());
    process.start(QStringLiteral(KARVO_BINARY),
        check.isEmpty() ? QStringList {"big.txt"} : QStringList {check, "big.txt", "small.txt"});
    QVERIFY(process.waitForStarted());
    // Once karvo catches the signal, which it does just before the run.
    const auto catches = [&] {
        const QByteArray text = contents(QStringLiteral("/proc/%1/status").arg(process.processId()));
        return (text.mid(text.indexOf("SigCgt:") + 7, 17).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    };
    QTRY_VERIFY_WITH_TIMEOUT(catches() || process.state() != QProcess::Running, 60000);
    QVERIFY2(process.state() == QProcess::Running, "karvo never caught the signal");
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 128 + signal);
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList {"big.txt", "small.txt"}));
    if (!check.isEmpty()) { // a check that was stopped converted nothing, and counts what it had found
        const QByteArray said = process.readAllStandardOutput();
        QVERIFY2(!said.contains("converted"), said);
        // Under a sanitizer the signal may come before even the small file is done.
        QVERIFY2(said.contains("to convert") || said.contains("Cancelled after 0 of"), said);
    }
    QVERIFY(QList<QByteArray>({original, QTextCodec::codecForName("GB18030")->toUnicode(original).toUtf8()})
                .contains(s.bytes(QStringLiteral("big.txt"))));
}

// A shell hands on a name's bytes as they are, where Qt's arguments have
// U+FFFD for those that are not UTF-8.
void TestCommandLine::nameNotUtf8()
{
    // Two names that Qt reads alike, U+FFFD for the one byte, made by the shell.
    Scratch s;
    s.file(QStringLiteral("a.txt"), gb18030());
    s.file(QStringLiteral("b.txt"), gb18030(chinese + chinese));
    const QString names
        = QStringLiteral(R"(e=$(printf 'f\351.txt') g=$(printf 'f\350.txt'); [ -e a.txt ] && mv a.txt "$e" && mv b.txt "$g")");
    const auto karvoOn = [&](const QString &command) {
        QProcess process;
        process.setWorkingDirectory(s.dir.path());
        process.start(QStringLiteral("sh"), {QStringLiteral("-c"), names + QStringLiteral("; ") + command, KARVO_BINARY});
        process.waitForFinished(60000);
        return process.readAllStandardOutput();
    };
    QCOMPARE(karvoOn(QStringLiteral(R"("$0" --stdout "$e" "$g")")), chinese.repeated(3).toUtf8());
    const QJsonObject report = QJsonDocument::fromJson(karvoOn(QStringLiteral(R"("$0" -n --json "$e")"))).object();
    const QJsonArray files = report[QStringLiteral("files")].toArray();
    QCOMPARE(files.at(0)[QStringLiteral("pathBytes")].toString(), QStringLiteral("ZukudHh0")); // f\xE9.txt
    QCOMPARE(files.at(0)[QStringLiteral("name")], QJsonValue(QStringLiteral("f\\xE9.txt"))); // as a folder lists it
    karvoOn(QStringLiteral(R"(rm "$e" "$g")")); // QTemporaryDir cannot remove what Qt cannot name
}

QTEST_GUILESS_MAIN(TestCommandLine)

#include "tst_commandline.moc"
