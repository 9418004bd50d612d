// The engine on its own: detection, conversion and copying of files made in
// a temporary folder. There is no QApplication, so a warning box shown by
// mistake would abort the test.
#include "codecs.h"
#include "conversion.h"
#include "detection.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <uchardet/uchardet.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(DetectResult)

namespace {

// Prose in one language, stored as UTF-8 beside the tests.
QString sample(const char *name)
{
    QFile file(QStringLiteral(KARVO_TEST_DATA "/%1.txt").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test sample %s", name);
    return QString::fromUtf8(file.readAll());
}

const QString chinese = sample("zh-hans");
const QString traditional = sample("zh-hant");
const QString japanese = sample("ja");
const QString korean = sample("ko");
const QString russian = sample("ru");
const QString czech = sample("cs");
const QString french = sample("fr");
const QString thai = sample("th");
const QString vietnamese = sample("vi");

// The bytes of `text` in `encoding`, made by iconv so that the test does not
// take its expectations from the codecs it tests.
QByteArray iconv(const QString &text, const QString &encoding)
{
    QProcess process;
    process.start(
        QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"), encoding});
    process.write(text.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("iconv cannot write this text in %s", qPrintable(encoding));
    return process.readAllStandardOutput();
}

QByteArray withCrLf(const QString &text, const QString &encoding)
{
    return iconv(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")), encoding);
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

int mibOf(const char *name)
{
    return QTextCodec::codecForName(name)->mibEnum();
}

DetectResult detection(const char *name)
{
    return {QString::fromLatin1(name), mibOf(name)};
}

QString oneShotCharset(const QByteArray &bytes)
{
    uchardet_t detector = uchardet_new();
    uchardet_handle_data(detector, bytes.constData(), size_t(bytes.size()));
    uchardet_data_end(detector);
    const QString charset = QString::fromLatin1(uchardet_get_charset(detector));
    uchardet_delete(detector);
    return charset;
}

// Runs `job` in a child process (for limits and identities that must not
// touch the test itself) and returns its exit code.
template<typename Job> int inChild(Job job)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(job());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

class TstEngine : public QObject
{
    Q_OBJECT

private slots:
    void codecByName_data();
    void codecByName();

    void detect_data();
    void detect();
    void detectRefusesWhatIsNotAFile_data();
    void detectRefusesWhatIsNotAFile();
    void chunkedDetectionMatchesOneShot_data();
    void chunkedDetectionMatchesOneShot();

    void roundTrip_data();
    void roundTrip();
    void convertsExactly_data();
    void convertsExactly();
    void streamingMatchesOneShot_data();
    void streamingMatchesOneShot();
    void refusesLoss_data();
    void refusesLoss();
    void failures_data();
    void failures();
    void failedWriteKeepsSource();
    void keepsLinkPermissionsAndOwner();
    void writesDirectlyWhereTheFolderIsLocked();

    void copy_data();
    void copy();
};

void TstEngine::codecByName_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("mib");
    QTest::addColumn<QString>("name");

    QTest::newRow("empty means UTF-8") << QString() << 106 << "UTF-8";
    QTest::newRow("alias gives the canonical name") << "latin1" << 4 << "ISO-8859-1";
    QTest::newRow("case does not matter") << "shift_jis" << 17 << "Shift_JIS";
    QTest::newRow("unknown") << "no-such-codec" << -1 << QString();
}

void TstEngine::codecByName()
{
    QFETCH(QString, asked);
    QFETCH(int, mib);
    QFETCH(QString, name);

    const CodecDescriptor codec = Karvo::codecByName(asked);
    QCOMPARE(codec.mib, mib);
    QCOMPARE(codec.name, name);
    QVERIFY(codec.displayName.isEmpty());
}

void TstEngine::detect_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mib");

    QTest::newRow("GB18030") << iconv(chinese, "GB18030") << "GB18030" << 114;
    QTest::newRow("Big5") << iconv(traditional, "BIG5") << "BIG5" << 2026;
    QTest::newRow("Shift_JIS") << iconv(japanese, "SHIFT_JIS") << "SHIFT_JIS" << 17;
    QTest::newRow("EUC-JP") << iconv(japanese, "EUC-JP") << "EUC-JP" << 18;
    QTest::newRow("EUC-KR is reported as UHC") << iconv(korean, "EUC-KR") << "UHC" << mibOf("windows-949");
    QTest::newRow("windows-1251") << iconv(russian, "WINDOWS-1251") << "WINDOWS-1251" << 2251;
    QTest::newRow("KOI8-R") << iconv(russian, "KOI8-R") << "KOI8-R" << 2084;
    QTest::newRow("Mac Cyrillic shares MIB 0") << iconv(russian, "MAC-CYRILLIC") << "MAC-CYRILLIC" << 0;
    QTest::newRow("ISO-8859-2") << iconv(czech, "ISO-8859-2") << "ISO-8859-2" << 5;
    QTest::newRow("windows-1252 keeps the detector's spelling")
        << iconv(french, "WINDOWS-1252") << "WINDOWS-1252" << 2252;
    QTest::newRow("ISO-8859-11 is read as TIS-620") << iconv(thai, "ISO-8859-11") << "ISO-8859-11" << 2259;
    QTest::newRow("EUC-TW has no codec") << iconv(traditional, "EUC-TW") << "EUC-TW" << -1;
    QTest::newRow("VISCII has no codec") << iconv(vietnamese, "VISCII") << "VISCII" << -1;
    QTest::newRow("UTF-16LE with BOM") << iconv(french, "UTF-16") << "UTF-16" << 1015;
    QTest::newRow("UTF-16BE with BOM") << QByteArray("\xfe\xff") + iconv(french, "UTF-16BE") << "UTF-16" << 1015;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf") + french.toUtf8() << "UTF-8" << 106;
    QTest::newRow("short UTF-8 that looks like windows-1250") << QByteArray("caf\xc3\xa9\n") << "UTF-8" << 106;
    QTest::newRow("long UTF-8") << russian.toUtf8() << "UTF-8" << 106;
    QTest::newRow("pure ASCII") << QByteArray("plain old text\n") << "ASCII" << 3;
    QTest::newRow("empty") << QByteArray() << QString() << -1;
    QTest::newRow("random bytes") << QByteArray("\x81\x00\xfe\xff\x80\x9f\x01", 7) << QString() << -1;
}

void TstEngine::detect()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, mib);

    QTemporaryDir dir;
    const DetectResult result = Karvo::detectFileCoding(write(dir, QStringLiteral("a.txt"), bytes));
    QCOMPARE(result.name, name);
    QCOMPARE(result.mib, mib);
}

void TstEngine::detectRefusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO, which would block") << "fifo";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("endless device") << "device";
}

void TstEngine::detectRefusesWhatIsNotAFile()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("x"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x")));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    else if (kind == QLatin1String("device"))
        path = QStringLiteral("/dev/zero");

    const DetectResult result = Karvo::detectFileCoding(path);
    QVERIFY(result.name.isEmpty());
    QCOMPARE(result.mib, -1);
}

void TstEngine::chunkedDetectionMatchesOneShot_data()
{
    QTest::addColumn<QByteArray>("bytes");

    // Several megabytes put chunk boundaries inside multibyte characters; a
    // long ASCII start puts the first telling byte beyond the first chunk.
    const QByteArray asciiStart = QByteArray(1536 * 1024, 'a') + '\n';
    const struct
    {
        const char *row;
        QString text;
        const char *encoding;
    } samples[] = {
        {"GB18030", chinese, "GB18030"},
        {"Shift_JIS", japanese, "SHIFT_JIS"},
        {"EUC-KR", korean, "EUC-KR"},
        {"KOI8-R", russian, "KOI8-R"},
        {"ISO-8859-2", czech, "ISO-8859-2"},
        {"windows-1252", french, "WINDOWS-1252"},
        {"Big5", traditional, "BIG5"},
        {"UTF-8", chinese, "UTF-8"},
    };
    for (const auto &sample : samples) {
        const QByteArray bytes = iconv(sample.text, QString::fromLatin1(sample.encoding));
        QTest::addRow("%s, short", sample.row) << bytes;
        QTest::addRow("%s, 3 MiB", sample.row) << bytes.repeated(3 * 1024 * 1024 / bytes.size() + 1);
        QTest::addRow("%s, after 1.5 MiB of ASCII", sample.row) << asciiStart + bytes;
    }
}

void TstEngine::chunkedDetectionMatchesOneShot()
{
    QFETCH(QByteArray, bytes);

    QTemporaryDir dir;
    const DetectResult chunked = Karvo::detectFileCoding(write(dir, QStringLiteral("a.txt"), bytes));
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    const QString expected = state.invalidChars == 0 ? QStringLiteral("UTF-8") : oneShotCharset(bytes);
    QCOMPARE(chunked.name, expected);
}

void TstEngine::roundTrip_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("codec");

    QTest::newRow("UTF-8") << chinese.toUtf8() << chinese << "UTF-8";
    QTest::newRow("UTF-16LE with BOM") << iconv(japanese, "UTF-16") << japanese << "UTF-16LE";
    QTest::newRow("UTF-16BE with BOM") << QByteArray("\xfe\xff") + iconv(korean, "UTF-16BE") << korean << "UTF-16BE";
    QTest::newRow("GB18030") << iconv(chinese, "GB18030") << chinese << "GB18030";
    QTest::newRow("GB18030, CR LF") << withCrLf(chinese, "GB18030") << QString(chinese).replace("\n", "\r\n")
                                    << "GB18030";
    QTest::newRow("Shift_JIS") << iconv(japanese, "SHIFT_JIS") << japanese << "Shift_JIS";
    QTest::newRow("EUC-KR, whose codec shares MIB 0") << iconv(korean, "EUC-KR") << korean << "EUC-KR";
    QTest::newRow("windows-1251") << iconv(russian, "WINDOWS-1251") << russian << "windows-1251";
    QTest::newRow("KOI8-R") << iconv(russian, "KOI8-R") << russian << "KOI8-R";
    QTest::newRow("ISO-8859-2") << iconv(czech, "ISO-8859-2") << czech << "ISO-8859-2";
    QTest::newRow("windows-1252") << iconv(french, "WINDOWS-1252") << french << "windows-1252";
    QTest::newRow("windows-1252, CR LF") << withCrLf(french, "WINDOWS-1252") << QString(french).replace("\n", "\r\n")
                                         << "windows-1252";
}

void TstEngine::roundTrip()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, text);
    QFETCH(QString, codec);

    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("a.txt"), original);

    const Karvo::Outcome there
        = Karvo::convertFile(path, path, Karvo::detectFileCoding(path), Karvo::codecByName(QStringLiteral("UTF-8")));
    QVERIFY2(there.ok, qPrintable(there.message));
    QCOMPARE(contents(path), text.toUtf8());

    const Karvo::Outcome back
        = Karvo::convertFile(path, path, Karvo::detectFileCoding(path), Karvo::codecByName(codec));
    QVERIFY2(back.ok, qPrintable(back.message));
    QCOMPARE(contents(path), original);
}

void TstEngine::convertsExactly_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<DetectResult>("detected");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("UTF-8 to UTF-16LE writes one BOM") << QByteArray("ab") << detection("UTF-8") << "UTF-16LE"
                                                      << QByteArray("\xff\xfe"
                                                                    "a\0b\0",
                                                             6);
    QTest::newRow("UTF-8 to UTF-32BE writes one BOM")
        << QByteArray("a") << detection("UTF-8") << "UTF-32BE" << QByteArray("\0\0\xfe\xff\0\0\0a", 8);
    QTest::newRow("UTF-16 BOM is not carried into UTF-8") << QByteArray("\xff\xfe"
                                                                        "a\0b\0",
        6) << detection("UTF-16") << "UTF-8" << QByteArray("ab");
    QTest::newRow("UTF-16 BOM is not doubled")
        << QByteArray("\xfe\xff\0a", 4) << detection("UTF-16") << "UTF-16BE" << QByteArray("\xfe\xff\0a", 4);
    QTest::newRow("UTF-8 BOM is not carried into windows-1252") << QByteArray(
        "\xef\xbb\xbf"
        "caf\xc3\xa9") << detection("UTF-8") << "windows-1252" << QByteArray("caf\xe9");
    QTest::newRow("genuine U+FFFD in GB18030") << QByteArray("a\x84\x31\xa4\x37"
                                                             "b")
                                               << detection("GB18030") << "UTF-8"
                                               << QByteArray("a\xef\xbf\xbd"
                                                             "b");
    QTest::newRow("genuine U+FFFD in UTF-8") << QByteArray("a\xef\xbf\xbd") << detection("UTF-8") << "UTF-16LE"
                                             << QByteArray("\xff\xfe"
                                                           "a\0\xfd\xff",
                                                    6);
    QTest::newRow("Mac Cyrillic, not the other codec of MIB 0")
        << iconv(QStringLiteral("Привет"), "MAC-CYRILLIC") << DetectResult {QStringLiteral("MAC-CYRILLIC"), 0}
        << "UTF-8" << QStringLiteral("Привет").toUtf8();
    QTest::newRow("UHC through windows-949")
        << iconv(korean, "EUC-KR") << DetectResult {QStringLiteral("UHC"), mibOf("windows-949")} << "UTF-8"
        << korean.toUtf8();
    QTest::newRow("ISO-8859-11 no-break space")
        << QByteArray("\xa1\xa0\xa2") << DetectResult {QStringLiteral("ISO-8859-11"), 2259} << "UTF-8"
        << QString::fromUtf8("ก\u00a0ข").toUtf8();
    QTest::newRow("UTF-7 ending in a base64 run")
        << QByteArray("+BekF3AXVBd0") << detection("UTF-7") << "UTF-8" << QStringLiteral("שלום").toUtf8();
}

void TstEngine::convertsExactly()
{
    QFETCH(QByteArray, source);
    QFETCH(DetectResult, detected);
    QFETCH(QString, target);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("a.txt"), source);
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    const Karvo::Outcome outcome = Karvo::convertFile(path, out, detected, Karvo::codecByName(target));
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(contents(out), expected);
    QCOMPARE(contents(path), source);
}

void TstEngine::streamingMatchesOneShot_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    const QString emoji = QString::fromUtf8("Smiles 😀 and 🎉 cross chunk seams. ");
    const auto big = [](const QByteArray &bytes) { return bytes.repeated(3 * 1024 * 1024 / bytes.size() + 1); };
    QTest::newRow("GB18030 to UTF-8") << big(iconv(chinese, "GB18030")) << "GB18030"
                                      << "UTF-8";
    QTest::newRow("Shift_JIS to UTF-32") << big(iconv(japanese, "SHIFT_JIS")) << "Shift_JIS"
                                         << "UTF-32";
    QTest::newRow("UTF-16LE surrogates to UTF-8") << big(iconv(emoji + chinese, "UTF-16LE")) << "UTF-16LE"
                                                  << "UTF-8";
    QTest::newRow("UTF-8 to UTF-16BE") << big((emoji + russian).toUtf8()) << "UTF-8"
                                       << "UTF-16BE";
    QTest::newRow("windows-1252 to UTF-8") << big(iconv(french, "WINDOWS-1252")) << "windows-1252"
                                           << "UTF-8";
    QTest::newRow("UTF-8 to ISO-2022-JP") << big(japanese.toUtf8()) << "UTF-8"
                                          << "ISO-2022-JP";
}

void TstEngine::streamingMatchesOneShot()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, from);
    QFETCH(QString, to);

    QTextCodec *fromCodec = QTextCodec::codecForName(from.toLatin1());
    QTextCodec *toCodec = QTextCodec::codecForName(to.toLatin1());
    const QByteArray oneShot = toCodec->fromUnicode(fromCodec->toUnicode(source));

    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("a.txt"), source);
    const Karvo::Outcome outcome
        = Karvo::convertFile(path, path, {from, fromCodec->mibEnum()}, {toCodec->mibEnum(), to, QString()});
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QVERIFY(contents(path) == oneShot);
}

void TstEngine::refusesLoss_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<DetectResult>("detected");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");

    const QString lossy = QStringLiteral("Could not convert file: the character U+%1 at line %2, column %3 cannot be "
                                         "written in %4.");
    const QString invalid = QStringLiteral("Could not convert file: the bytes at line %1, column %2 are not valid %3.");
    const QString cut = QStringLiteral("Could not convert file: it ends in the middle of a %3 character, at line %1, "
                                       "column %2.");

    QTest::newRow("Chinese into Latin-1")
        << QByteArray("line one\nline two\nabcdef\xe4\xb8\xad"
                      "g\n")
        << detection("UTF-8") << "ISO-8859-1" << lossy.arg("4E2D", "3", "7", "ISO-8859-1");
    QTest::newRow("columns count characters, not UTF-16 units") << QByteArray(
        "\xf0\x9f\x98\x80"
        "a\xff") << detection("UTF-8") << "UTF-16LE" << invalid.arg("1", "3", "UTF-8");
    QTest::newRow("emoji into windows-1252") << QString::fromUtf8("a😀b").toUtf8() << detection("UTF-8")
                                             << "windows-1252" << lossy.arg("1F600", "1", "2", "windows-1252");
    QTest::newRow("yen sign into Shift_JIS") << QString::fromUtf8("100¥").toUtf8() << detection("UTF-8") << "Shift_JIS"
                                             << lossy.arg("00A5", "1", "4", "Shift_JIS");
    QTest::newRow("lone surrogate into UTF-8") << QByteArray("a\0\x00\xd8"
                                                             "b\0",
        6) << detection("UTF-16LE") << "UTF-8" << lossy.arg("D800", "1", "2", "UTF-8");
    QTest::newRow("lone surrogate at the end into UTF-8")
        << QByteArray("a\0b\0\x00\xd8", 6) << detection("UTF-16LE") << "UTF-8" << lossy.arg("D800", "1", "3", "UTF-8");
    QTest::newRow("lone low surrogate at the end into UTF-8")
        << QByteArray("a\0b\0\x00\xdc", 6) << detection("UTF-16LE") << "UTF-8" << lossy.arg("DC00", "1", "3", "UTF-8");
    QTest::newRow("lone surrogate into UTF-32") << QByteArray("a\0\x00\xdc", 4) << detection("UTF-16LE") << "UTF-32LE"
                                                << lossy.arg("DC00", "1", "2", "UTF-32LE");
    QTest::newRow("invalid Shift_JIS") << QByteArray("ab\n\x82\xa0\x82\xff x\n") << detection("Shift_JIS") << "UTF-8"
                                       << invalid.arg("2", "2", "Shift_JIS");
    QTest::newRow("Shift_JIS cut inside a character")
        << QByteArray("ab\x82\xa0\x82") << detection("Shift_JIS") << "UTF-8" << cut.arg("1", "4", "Shift_JIS");
    QTest::newRow("invalid GB18030") << QByteArray("a\x81\xff"
                                                   "b")
                                     << detection("GB18030") << "UTF-8" << invalid.arg("1", "2", "GB18030");
    QTest::newRow("invalid UTF-8") << QByteArray("x\n\xff\n") << detection("UTF-8") << "UTF-16LE"
                                   << invalid.arg("2", "1", "UTF-8");
    QTest::newRow("UTF-16 cut inside a unit") << QByteArray("\xff\xfe"
                                                            "a\0b",
        5) << detection("UTF-16") << "UTF-8" << cut.arg("1", "2", "UTF-16");
}

void TstEngine::refusesLoss()
{
    QFETCH(QByteArray, source);
    QFETCH(DetectResult, detected);
    QFETCH(QString, target);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("a.txt"), source);
    const QString elsewhere = dir.filePath(QStringLiteral("copy.txt"));

    Karvo::Outcome outcome = Karvo::convertFile(path, path, detected, Karvo::codecByName(target));
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.detail, path);
    QCOMPARE(contents(path), source);

    outcome = Karvo::convertFile(path, elsewhere, detected, Karvo::codecByName(target));
    QCOMPARE(outcome.message, message);
    QVERIFY(!QFile::exists(elsewhere));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"a.txt"});
}

void TstEngine::failures_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("mib");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");

    QTest::newRow("no codec, checked before the file") << "missing.txt" << -1 << "out.txt"
                                                       << "Could not find codec for file.";
    QTest::newRow("missing source") << "missing.txt" << 106 << "out.txt"
                                    << "Could not open source file.";
    QTest::newRow("FIFO source returns at once") << "fifo" << 106 << "out.txt"
                                                 << "Could not open source file.";
    QTest::newRow("destination folder missing") << "a.txt" << 106 << "no/such/folder/out.txt"
                                                << "Could not open target file.";
    QTest::newRow("destination is a folder") << "a.txt" << 106 << "folder"
                                             << "Could not open target file.";
}

void TstEngine::failures()
{
    QFETCH(QString, source);
    QFETCH(int, mib);
    QFETCH(QString, target);
    QFETCH(QString, message);

    QTemporaryDir dir;
    write(dir, QStringLiteral("a.txt"), "caf\xc3\xa9");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);

    const Karvo::Outcome outcome = Karvo::convertFile(
        dir.filePath(source), dir.filePath(target), {QStringLiteral("UTF-8"), mib}, Karvo::codecByName("UTF-16LE"));
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.message, message);
    QVERIFY(!outcome.detail.isEmpty());
    QCOMPARE(contents(dir.filePath(QStringLiteral("a.txt"))), QByteArray("caf\xc3\xa9"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.txt"))));
}

void TstEngine::failedWriteKeepsSource()
{
    // The converted file outgrows a file-size limit: the write fails part-way,
    // as on a full disk. The limit and its signal stay in a child process.
    QTemporaryDir dir;
    const QByteArray original = iconv(russian, "WINDOWS-1251").repeated(3000);
    const QString path = write(dir, QStringLiteral("a.txt"), original);
    QVERIFY(original.size() < 1024 * 1024 && russian.toUtf8().size() * 3000 > 1024 * 1024);

    const int status = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {1024 * 1024, 1024 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Karvo::Outcome outcome
            = Karvo::convertFile(path, path, detection("windows-1251"), Karvo::codecByName("UTF-8"));
        return !outcome.ok && outcome.message == QLatin1String("Could not write target file.")
                && outcome.detail.startsWith(path + QLatin1String(": "))
            ? 0
            : 1;
    });
    QCOMPARE(status, 0);
    QVERIFY(contents(path) == original);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"a.txt"});
}

void TstEngine::keepsLinkPermissionsAndOwner()
{
    QTemporaryDir dir;
    const QString real = write(dir, QStringLiteral("real.txt"), iconv(russian, "KOI8-R"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    QVERIFY(QFile::link(QStringLiteral("real.txt"), link));
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const bool root = geteuid() == 0;
    if (root)
        QCOMPARE(chown(QFile::encodeName(real).constData(), 65534, 65534), 0);

    const Karvo::Outcome outcome = Karvo::convertFile(link, link, detection("KOI8-R"), Karvo::codecByName("UTF-8"));
    QVERIFY2(outcome.ok, qPrintable(outcome.message));

    QCOMPARE(QFileInfo(link).symLinkTarget(), real);
    QCOMPARE(contents(real), russian.toUtf8());
    QCOMPARE(QFileInfo(real).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    if (root)
        QCOMPARE(QFileInfo(real).ownerId(), 65534u);

    // A converted copy in another folder takes the source's permissions, as a copy does.
    const QString copy = dir.filePath(QStringLiteral("copy.txt"));
    QVERIFY(Karvo::convertFile(real, copy, detection("UTF-8"), Karvo::codecByName("KOI8-R")).ok);
    QCOMPARE(QFileInfo(copy).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void TstEngine::writesDirectlyWhereTheFolderIsLocked()
{
    // Permissions do not bind root, so as root the conversion runs as nobody.
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString path = dir.filePath(QStringLiteral("locked/a.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(iconv(czech, "ISO-8859-2")) > 0);
    file.close();
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFileDevice::Permissions(0x5555)));

    const int status = inChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 2;
        const Karvo::Outcome outcome
            = Karvo::convertFile(path, path, detection("ISO-8859-2"), Karvo::codecByName("UTF-8"));
        return outcome.ok ? 0 : 1;
    });
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFileDevice::Permissions(0x7777));
    QCOMPARE(status, 0);
    QCOMPARE(contents(path), czech.toUtf8());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden), QStringList {"a.txt"});
}

void TstEngine::copy_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("nothing there yet") << QString() << true << QByteArray("same text\n");
    QTest::newRow("the same bytes already there") << "same text\n" << true << QByteArray("same text\n");
    QTest::newRow("a different file of that name") << "other text\n" << false << QByteArray("other text\n");
    QTest::newRow("the save folder is the file's own") << "self" << true << QByteArray("same text\n");
}

void TstEngine::copy()
{
    QFETCH(QString, existing);
    QFETCH(bool, ok);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    const QString source = write(dir, QStringLiteral("a.txt"), "same text\n");
    QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QString target = dir.filePath(QStringLiteral("out/a.txt"));
    if (existing == QLatin1String("self"))
        target = source;
    else if (!existing.isEmpty())
        write(dir, QStringLiteral("out/a.txt"), existing.toUtf8());

    const Karvo::Outcome outcome = Karvo::copyFile(source, target);
    QCOMPARE(outcome.ok, ok);
    if (!ok) {
        QCOMPARE(outcome.message,
            QStringLiteral("Could not copy file: a different file of that name is already in the save folder."));
        QCOMPARE(outcome.detail, target);
    }
    QCOMPARE(contents(target), after);
    QCOMPARE(contents(source), QByteArray("same text\n"));
    if (existing.isEmpty())
        QCOMPARE(QFileInfo(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TstEngine)
#include "tst_engine.moc"
