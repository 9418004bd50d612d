// The engine on its own: detection and conversion of files made in a
// temporary folder. There is no QApplication, so a warning box shown by
// mistake would abort the test.
#include "charactertable.h"
#include "conversion.h"
#include "detection.h"
#include "encoding.h"
#include "facts.h"
#include "report.h"
#include "run.h"
#include "streaming.h"
#include "testsupport.h"
#include "textjudge.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <uchardet/uchardet.h>

#include <sys/stat.h>

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

const QString chinese = sample("zh-hans"), traditional = sample("zh-hant"), japanese = sample("ja"),
              korean = sample("ko"), russian = sample("ru"), czech = sample("cs"), french = sample("fr"),
              thai = sample("th"), vietnamese = sample("vi");

// The bytes of `text` in `encoding`, made by iconv so that the test does not
// take its expectations from the codecs it tests.
QByteArray iconv(const QString &text, const QString &encoding)
{
    QProcess process;
    process.start(QStringLiteral("iconv"), {"-f", "UTF-8", "-t", encoding});
    process.write(text.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("iconv cannot write this text in %s", qPrintable(encoding));
    return process.readAllStandardOutput();
}

DetectResult detection(const QString &name)
{
    DetectResult result;
    result.encoding = Karvo::Encoding::named(name);
    return result;
}

// Latin-1, except that `first` before `second` makes one character of the
// two, `joined`: a codec whose answers a table must not take at face value.
class JoiningCodec : public QTextCodec
{
public:
    JoiningCodec(const char *name, int mib, uchar first, uchar second, char16_t joined)
        : codecName(name)
        , mib(mib)
        , first(first)
        , second(second)
        , joined(joined)
    { }
    QByteArray name() const override { return codecName; }
    int mibEnum() const override { return mib; }

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *) const override
    {
        QString text;
        for (int i = 0; i < length; ++i) {
            const bool pair = uchar(in[i]) == first && i + 1 < length && uchar(in[i + 1]) == second;
            text += pair ? QChar(joined) : QChar(uchar(in[i]));
            i += pair ? 1 : 0;
        }
        return text;
    }
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *) const override
    {
        return QString(in, length).toLatin1();
    }

private:
    const QByteArray codecName;
    const int mib;
    const uchar first;
    const uchar second;
    const char16_t joined;
};

} // namespace

class TstEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A run makes a codec's table once it pays, which these tests, each
        // reading a little, would seldom reach: they read through the tables,
        // as a long run does, and the other suites through the codecs alone.
        for (const QByteArray &name : QTextCodec::availableCodecs())
            Karvo::tableFor(Karvo::Encoding::of(QTextCodec::codecForName(name)), std::numeric_limits<qint64>::max());
    }

    void detect_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // or, for what is not a file, its kind
        // sure, doubtful (the truth among the candidates), asks (doubtful, keeping the
        // detector's answer, which no codec reads whole), mixed (doubtful: UTF-8 and
        // something else; any name is the first candidate), binary, empty or unread
        QTest::addColumn<QString>("outcome");
        // When sure (or asking), any name of the encoding; when doubtful, the
        // text to find among the candidates.
        QTest::addColumn<QString>("name");

        const auto sure = [](const char *row, const QByteArray &bytes, const QString &name) {
            QTest::newRow(row) << bytes << "sure" << name;
        };
        // The text written in `encoding`, found to be in it, or in `name`.
        const auto sureOf = [](const char *row, const QString &text, const char *encoding, const char *name = nullptr) {
            QTest::newRow(row) << iconv(text, encoding) << "sure" << QString::fromLatin1(name ? name : encoding);
        };
        const auto doubtful = [](const char *row, const QString &text, const char *encoding) {
            QTest::newRow(row) << iconv(text, encoding) << "doubtful" << text;
        };
        // Right, or asked with the truth as the first candidate: what a
        // person sees either way is the text as it was written.
        const auto right = [](const char *row, const QString &text, const char *encoding) {
            QTest::newRow(row) << iconv(text, encoding) << "right" << text;
        };
        const auto binary
            = [](const char *row, const QByteArray &bytes) { QTest::newRow(row) << bytes << "binary" << QString(); };
        // Each sample in the encoding chunkedDetectionMatchesOneShot writes it in is checked there.
        sure("EUC-JP", iconv(japanese, "EUC-JP"), "EUC-JP");
        sure("EUC-KR, reported as UHC", iconv(korean, "EUC-KR"), "UHC");
        sure("windows-1251", iconv(russian, "WINDOWS-1251"), "WINDOWS-1251");
        sure("Mac Cyrillic, MIB 0", iconv(russian, "MAC-CYRILLIC"), "MAC-CYRILLIC");
        sure("ISO-8859-11, read as TIS-620", iconv(thai, "ISO-8859-11"), "ISO-8859-11");
        QTest::newRow("EUC-TW, no codec: asks") << iconv(traditional, "EUC-TW") << QStringLiteral("asks") << "EUC-TW";
        QTest::newRow("UTF-8, then other bytes far in: asks")
            << chinese.toUtf8().repeated(2 * 1024 * 1024 / chinese.toUtf8().size()) + iconv(russian, "KOI8-R")
            << QStringLiteral("asks") << "UTF-8";
        QTest::newRow("Finnish line with a euro sign: asks, as ISO-8859-15, not as Greek ISO-8859-7 spelling it alike")
            << iconv("Hinta on 10 € kuukaudessa.\n", "ISO-8859-15") << QStringLiteral("asks") << "ISO-8859-15";
        sure("UTF-16LE with BOM", iconv(french, "UTF-16"), "UTF-16");
        sure("UTF-16BE with BOM", "\xfe\xff" + iconv(french, "UTF-16BE"), "UTF-16");
        sure("UTF-8 with BOM", "\xef\xbb\xbf" + french.toUtf8(), "UTF-8");
        sure("short UTF-8 the detector takes for windows-1250", "caf\xc3\xa9\n", "UTF-8");
        sure("UTF-8 whose only character beyond ASCII is a dash, not IBM850", "Open the file \xe2\x80\x93 then save it.\n",
            "UTF-8");
        sure("UTF-8 whose only character beyond ASCII is an ellipsis", "Loading\xe2\x80\xa6\n", "UTF-8");
        sure("UTF-8 whose only character beyond ASCII is a euro sign, not windows-1251", "Price: 5 \xe2\x82\xac\n", "UTF-8");
        sure("UTF-8 whose only characters beyond ASCII are quotation marks",
            "\xe2\x80\x9cQuoted\xe2\x80\x9d text\n", "UTF-8");
        sure("pure ASCII", "plain old text\n", "ASCII");
        sure("ISO-2022-JP after 4 KiB of ASCII", QByteArray(5000, 'x') + '\n' + iconv(japanese, "ISO-2022-JP"),
            "ISO-2022-JP");
        QByteArray hz = iconv("中华人民共和国", "GB2312");
        for (char &c : hz)
            c &= 0x7F;
        sure("HZ", "~{" + hz + "~}\n", "HZ-GB-2312");
        // Polish that the detector takes for windows-1252, beyond the sample's start.
        const QByteArray polish = iconv("Zażółć gęślą jaźń, źdźbło trawy. ", "ISO-8859-2");
        sure("Polish on one line, longer than the sample's start", "title\n" + polish.repeated(3000) + '\n',
            "ISO-8859-2");
        sure("Polish after 64 KiB of lines ended by CR",
            QByteArray("plain old text\r").repeated(5000) + (polish + '\r').repeated(20), "ISO-8859-2");
        // The sample's start ends inside a character, where the rest of its line goes on.
        sure("Korean on a line that the sample's start cuts",
            QByteArray(64 * 1024 - 1, 'x')
                + iconv(QString(korean).replace(QLatin1Char('\n'), QLatin1Char(' ')).repeated(4), "EUC-KR") + '\n',
            "UHC");
        sure("Polish after 64 KiB of ASCII, on a line too long to take whole",
            QByteArray("plain old text\n").repeated(5000) + polish.repeated(300) + '\n', "ISO-8859-2");
        sure("one stray control in plenty of text", QByteArray(200, 'a') + '\x01', "ASCII");
        sure("UTF-16LE without BOM", iconv(french, "UTF-16LE"), "UTF-16LE");
        sure("UTF-16BE without BOM", iconv(russian, "UTF-16BE"), "UTF-16BE");
        sure("UTF-16LE Chinese, hardly a zero byte", iconv(chinese, "UTF-16LE"), "UTF-16LE");
        sure("UTF-16BE Japanese", iconv(japanese, "UTF-16BE"), "UTF-16BE");
        // In UTF-16, CJK text alone, without even a line feed, shows no zero byte.
        right("Chinese in UTF-16LE without a zero byte", "这是「简单的」中文句子……", "UTF-16LE");
        right("Korean in UTF-16BE without a zero byte", "한국어", "UTF-16BE");
        right("Japanese in UTF-16LE without a zero byte, not binary for its full stop's 02 byte",
            "これは日本語の文です。", "UTF-16LE");
        right("Russian word in UTF-16BE, not binary for its 04 bytes", "взаимопонимание", "UTF-16BE");
        right("Korean in UTF-16LE whose one zero byte is 가's, not UTF-16BE", "디렉터리가", "UTF-16LE");
        right("Chinese in UTF-16LE whose one zero byte is 开's, not UTF-16BE", "打开", "UTF-16LE");
        sure("an ASCII word, not the Chinese of UTF-16BE (\"数楬数獩\")", "epilepsi", "ASCII");
        const QByteArray noise = QByteArray::fromHex("d1e1b88bc098d5f5ccddaae2e60bb7dd");
        QTest::newRow("sixteen random bytes: asks, not Shift_JIS with a character no text holds")
            << noise << "doubtful" << QTextCodec::codecForName("Shift_JIS")->toUnicode(noise);
        binary("controls that read as no language in UTF-16 either",
            QByteArray::fromHex("671c041d2013441717024b233e1f017c091d101a034c1b2a0621441d405e3871"));
        sure("UTF-32LE without BOM", iconv(korean, "UTF-32LE"), "UTF-32LE");
        sure("UTF-32BE without BOM", iconv(french, "UTF-32BE"), "UTF-32BE");
        QString yi; // syllables in no order: no language
        for (char16_t c = 0xA000; c < 0xA000 + 40 * 29; c += 29)
            yi += QChar(c) + QLatin1Char(' ');
        doubtful("UTF-16LE that reads as no language", yi, "UTF-16LE");
        sureOf("one Russian word", "привет", "WINDOWS-1251");
        sureOf("one line of Greek, the same text in ISO-8859-7", "Καλημέρα, τι κάνεις σήμερα;", "WINDOWS-1253");
        sureOf("one German word the detector takes for ISO-8859-3, the same text in windows-1252", "müssen",
            "ISO-8859-1", "windows-1252");
        sureOf("a Ukrainian line the detector takes for KOI8-R, box drawing inside its words",
            "Завтра вранці ми поїдемо потягом до Львова, щоб відвідати бабусю.\n", "KOI8-U");
        sureOf("one Spanish word the detector takes for ISO-8859-10", "mañana", "WINDOWS-1252");
        doubtful("one Hebrew word", "שלום", "WINDOWS-1255");
        sureOf("two Chinese characters", "你好", "GB18030");
        sureOf("one Polish word", "źródło", "ISO-8859-2");
        sureOf("one Polish word the detector takes for windows-1252, unrivalled in windows-1250", "zażółć",
            "ISO-8859-2", "windows-1250");
        sureOf("one Polish word, windows-1250 and not a Western code page", "dziękuję", "WINDOWS-1250");
        // Faults found by reading real text in many languages.
        right("Korean word in EUC-KR, not GB18030", "한국어", "EUC-KR");
        right("Korean word in EUC-KR, not GB18030 either", "대한민국", "EUC-KR");
        right("Korean word in EUC-KR, not TIS-620", "일정표", "EUC-KR");
        right("Czech word in windows-1250, not windows-1252", "Kvůl", "WINDOWS-1250");
        right("Turkish word in windows-1254, not windows-1252", "Köşe", "WINDOWS-1254");
        right("Ukrainian in windows-1251, not Greek", "Відкрити файл", "WINDOWS-1251");
        right("Arabic in windows-1256, not KOI8-R", "مرحبا بالعالم", "WINDOWS-1256");
        right("Latvian in windows-1257, not a Western code page", "Tas ir zināms visiem", "WINDOWS-1257");
        sureOf("Persian in windows-1256, not ISO-8859-6 with a C1 control", "بر اساس کد مبدأ", "WINDOWS-1256");
        sureOf(
            "Persian in windows-1256 as Windows writes it, ي for ی, not KOI8-U", "هيچ Source پيدا نشد", "WINDOWS-1256");
        // Direction marks: FD and FE in the Hebrew and Arabic code pages, letters in the others.
        sureOf("Hebrew, a left-to-right mark before a placeholder, not Cyrillic", "עמוד \u200E%1", "WINDOWS-1255");
        sureOf("Hebrew, a right-to-left mark before a colon", "פתח קובץ\u200F:", "WINDOWS-1255");
        sureOf("Hebrew, an ellipsis before a mark, a control in ISO-8859-8", "עמוד הבית…\u200E%1", "WINDOWS-1255");
        sureOf("Greek whose ώ is a mark inside a Hebrew word", "ζώνε", "ISO-8859-7");
        sureOf("Vietnamese whose ư is a mark between a Latin and a Hebrew letter", "cứ", "WINDOWS-1258");
        sureOf("Czech whose ý is a mark after Latin letters, in a reading with no Hebrew letter", "automatický",
            "WINDOWS-1250");
        sureOf("English line in windows-1252, an apostrophe ’ in a word, not Hungarian in Mac Central European",
            "Don’t show flight status suggestions\n", "WINDOWS-1252");
        sureOf("English line in windows-1252, two apostrophes, English and not Hungarian with English mixed in",
            "The printer isn’t responding, so the document wasn’t sent.\n", "WINDOWS-1252");
        sureOf("Portuguese in windows-1252, one telling character, which the detector takes for VISCII",
            "biscoito de arroz\nbentô\n", "WINDOWS-1252");
        right("two kanji in Shift_JIS, not windows-1252", "日本", "SHIFT_JIS");
        right("half-width katakana in Shift_JIS, not TIS-620", "ｶﾀｶﾅ ﾃｽﾄ", "SHIFT_JIS");
        right("Japanese line in Shift_JIS, not Mac Cyrillic", "OCSPターゲットの設定エラー:", "SHIFT_JIS");
        right("Japanese paragraph in EUC-JP, not Big5", japanese.section(QLatin1Char('\n'), 0, 2), "EUC-JP");
        right("twelve everyday Chinese characters in GB18030, not TIS-620", "今天我们一起去公园散步吧", "GB18030");
        right("Chinese in GB18030, not the hanja of windows-949, which Korean seldom writes", "铜制钥匙", "GB18030");
        right("Chinese manual page in GB18030, not Mac Cyrillic",
            ".SH 选项\n\\fI选项\\fR 可以是下列之一：\n.TP\n\\fB\\-v\\fR\n显示详细信息。\n", "GB18030");
        right("Chinese with emoji and CJK Extension B in GB18030, not windows-1251",
            QStringLiteral(
                "我们的办法很简单😀，大家都喜欢🎉。\n这个字𠀀很少见，那个字𠀋也是。\n今天天气很好，我们去公园吧！\n")
                .repeated(4),
            "GB18030");
        right("Vietnamese subtitles in windows-1258",
            "1\n00:00:01,000 --> 00:00:03,000\nXin chào, bạn có khỏe không?\n\n2\n00:00:04,000 --> "
            "00:00:06,000\nTôi rất vui được gặp bạn.\n\n",
            "WINDOWS-1258");
        sureOf("Romanian line with ş in windows-1250 the detector takes for ISO-8859-10: ș, the letter Romanian writes",
            "Fişierul nu a putut fi şters.", "WINDOWS-1250", "ISO-8859-16");
        sureOf("Romanian line in ISO-8859-16, as the detector says: ș, which windows-1250 spells ş",
            "Fire de execuție JVM\n", "ISO-8859-16");
        sureOf("Romanian list in ISO-8859-16, as the detector says, though it reads as Romanian none too well",
            "dolar canadian\nyuani chinezești (offshore)\ncolóni costaricani\nmarcă est-germană\n", "ISO-8859-16");
        sureOf("Romanian line in ISO-8859-16 the detector does not name, its one ș a capital", "Și au un plan.\n",
            "ISO-8859-16");
        sureOf("one Romanian word with ș the detector takes for ISO-8859-10, ISO-8859-16's rarity not held against it",
            "același", "ISO-8859-16");
        // Hong Kong's characters, which Big5 reads into the private use area
        // without complaint: only Big5-HKSCS reads them as what was written.
        const QString cantonese = QStringLiteral("佢哋話今日唔返嚟食飯，因為要返工。\n");
        const QString pastTheSample = traditional.repeated(64 * 1024 / traditional.size());
        sure("Cantonese line in Big5-HKSCS, which the detector takes for windows-1252", iconv(cantonese, "BIG5-HKSCS"),
            "BIG5-HKSCS");
        sure("Big5-HKSCS whose own characters come only after the start, which reads as Big5",
            iconv(traditional + cantonese, "BIG5-HKSCS"), "BIG5-HKSCS");
        sure("Big5-HKSCS whose own characters come only after the sample, which reads as Big5",
            iconv(pastTheSample + cantonese, "BIG5-HKSCS"), "BIG5-HKSCS");
        sure("Big5 and Big5-HKSCS close on the sample, Hong Kong's characters after it: Big5-HKSCS, once",
            iconv(traditional, "BIG5") + "\xC8\x40\n" + iconv(pastTheSample + cantonese, "BIG5-HKSCS"), "BIG5-HKSCS");
        sure("long Big5 with a character of the user-defined area that HKSCS leaves out: not Big5-HKSCS",
            iconv(traditional, "BIG5") + "\x87\x66\n" + iconv(pastTheSample, "BIG5"), "BIG5");
        // The detector reads a long file's first 4 MiB only.
        const QString summer = QStringLiteral("Été comme hiver, la forêt était très belle à voir.\n");
        const QByteArray longLatin = iconv(summer.repeated(4300 * 1024 / summer.size()), "ISO-8859-1");
        sure("windows-1252 whose quotes come only after the detector's part, which reads as ISO-8859-1",
            longLatin + iconv("« “oui” »\n", "WINDOWS-1252"), "WINDOWS-1252");
        sure("ISO-8859-1 with no quotes at all", longLatin, "ISO-8859-1");
        sure("Cantonese page whose declaration is left over from windows-1252",
            "<meta charset=\"windows-1252\">\n" + iconv(cantonese.repeated(6), "BIG5-HKSCS"), "BIG5-HKSCS");
        // Files that say what they are in, as their writers saw them.
        sure("Hebrew page that says it is windows-1255 in capitals, which the detector takes for Greek",
            "<META CHARSET=\"windows-1255\">\n<P>" + iconv("שלום", "WINDOWS-1255") + "</P>\n", "windows-1255");
        sure("Romanian page that says it is windows-1250: ş as written, not the ș of ISO-8859-16",
            "<meta charset=\"windows-1250\">\n<p>" + iconv("Fişierul nu a putut fi şters.", "WINDOWS-1250") + "</p>\n",
            "windows-1250");
        sure("Greek XML that says it is ISO-8859-7, which windows-1253 spells alike",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-7\"?>\n<p>" + iconv("Καλημέρα, τι κάνεις σήμερα;", "ISO-8859-7")
                + "</p>\n",
            "ISO-8859-7");
        sure("Taiwanese text in a page that says it is Big5-HKSCS, which reads it as Big5 does",
            "<meta charset=\"big5-hkscs\">\n" + iconv(traditional, "BIG5"), "BIG5-HKSCS");
        sure("three Russian letters under a Vim coding cookie",
            "# vim: set fileencoding=koi8-r :\n# " + iconv("Ура", "KOI8-R") + "\n", "KOI8-R");
        sure("one letter in a page that says it is UTF-8", "<meta charset=\"utf-8\"><p>\xc3\xbc</p>\n", "UTF-8");
        sure("UTF-8 page whose declaration is left over from windows-1252",
            "<meta charset=\"windows-1252\"><p>" + QStringLiteral("Überraschung für Müller").toUtf8() + "</p>\n",
            "UTF-8");
        right("Italian line in IBM850, not windows-1252 with an ellipsis inside a word",
            "Nome dispositivo già utilizzato\n", "CP850");
        sureOf("Italian line in IBM850: \"è\" is a word of the language, and \"Š\" of none",
            "Non è stata ricevuta una risposta HTTP dal proxy\n", "CP850", "IBM850");
        sureOf("Italian word in windows-1252, which the detector takes for VISCII", "Priorità\n", "WINDOWS-1252");
        right("Italian line in macintosh, a word of the language and not a letter pair alone",
            "È stato creato per il greco moderno\n", "MACINTOSH");
        right("English line with a Vietnamese name in windows-1258",
            "Press the button to see the list of printers installed on this computer and choose "
            "Mặc định.\n",
            "WINDOWS-1258");
        right("English line in macintosh, an ellipsis after a word, not KOI8-R running a Latin word into Cyrillic",
            "Computing retained sizes…\n", "MACINTOSH");
        // French writes a no-break space before ":" and "?", Polish after a
        // one-letter word: a sign of the language, not a foreign letter.
        const QString missing = QString::fromUtf8("Fichier\u00a0: introuvable\n");
        right("French line with a no-break space in windows-1252, not Slovak in IBM852", missing, "WINDOWS-1252");
        right("French line with a no-break space in IBM850, not windows-1252", missing, "CP850");
        right("Polish line with a no-break space in ISO-8859-2, not Croatian in IBM852",
            QString::fromUtf8("Informacje o\u00a0licencji\n"), "ISO-8859-2");
        sureOf("one English word before an ellipsis in macintosh, not a Latin word running into Cyrillic or Thai",
            "Preferences…\n", "MACINTOSH");
        right("Russian line in IBM855, which the detector takes for windows-1252, not GB18030", "Файл не найден\n",
            "IBM855");
        right("Spanish line with a middle dot in windows-1252: its words are Spanish, not IBM850",
            "Hora de verano de Europa del Este · Kaliningrado", "WINDOWS-1252");
        right("Swedish line in macintosh: its words are Swedish, not windows-1250",
            "Centraleuropeisk sommartid · Göteborg", "MACINTOSH");
        sureOf("English line ending in an ellipsis in windows-1252, which English writes as often as three dots",
            "Saving the document, please wait…\n", "WINDOWS-1252");
        sureOf("English menu item in macintosh, an ellipsis after a word, not windows-1252", "Clear recent history…\n",
            "MACINTOSH");
        sureOf("Ukrainian line with empty quotes in windows-1251, not capitals У Ф standing alone in Mac Cyrillic",
            "Скрипт з “ ” було заблоковано.\n", "WINDOWS-1251");
        right("Lithuanian line in windows-1257", "Nepavyko įrašyti failo į diską.", "WINDOWS-1257");
        right("Esperanto line in ISO-8859-3", "Ĉu vi ŝatas manĝi ĉe la ĝardeno ĵaŭde?\n", "ISO-8859-3");
        right(
            "Maltese line in ISO-8859-3", "Il-fajl ma setax jiġi ssejvjat għax id-diska hija mimlija.\n", "ISO-8859-3");
        right("Polish line in ISO-8859-13, not read as windows-1250",
            "Nie można zapisać pliku, ponieważ dysk jest pełny. Spróbuj ponownie później.\n", "ISO-8859-13");
        doubtful("a unit in windows-1252 that the detector takes for ISO-8859-10: asks, not Latvian \"100 kmē\"",
            "100 km²\n", "WINDOWS-1252");
        right("Latvian line in ISO-8859-10, not read as ISO-8859-4",
            "Failu nevarēja saglabāt, jo disks ir pilns. Lūdzu, mēģiniet vēlreiz vēlāk.\n", "ISO-8859-10");
        right("Spanish line with euro signs in ISO-8859-15, not ¤ in ISO-8859-1",
            "Precio: 30 € al mes. El envío es gratis en pedidos de más de 50 €.\n", "ISO-8859-15");
        doubtful("Catalan place names in macintosh, which the detector takes for IBM852, where they read as no "
                 "language well: asked, not converted as IBM852",
            "Astrakhan\nUliànovsk\nTomsk\nTxità\nVladivostok\nWake\nNew Salem, Dakota del Nord\n", "MACINTOSH");
        sureOf("Dutch line in macintosh, a dash between words, not a foreign Ð in windows-1252",
            "Nieuwe versie – nu installeren\n", "MACINTOSH");
        sureOf("Dutch line after a bullet in windows-1252, not after a lone ò in IBM850",
            "• Eindigt vandaag om middernacht\n", "WINDOWS-1252");
        right("Ukrainian line in KOI8-U", "Не вдалося зберегти файл, спробуйте ще раз.", "KOI8-U");
        sure("nothing but a UTF-16 byte-order mark", "\xff\xfe", "UTF-16");
        sure("ISO-2022-KR, its shifts no binary", iconv(korean, "ISO-2022-KR"), "ISO-2022-KR");
        sure("ISO-2022-CN, its shifts no binary", iconv(chinese, "ISO-2022-CN"), "ISO-2022-CN");
        sure("ISO-2022-JP", iconv(japanese, "ISO-2022-JP"), "ISO-2022-JP");
        binary("random bytes", QByteArray("\x81\x00\xfe\xff\x80\x9f\x01", 7));
        binary("ASCII with a NUL", QByteArray("plain\0text\n", 11));
        binary("PNG", QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000000100000001008060000001ff3ff61"));
        binary("ELF", elfHeader());
        binary("PDF whose every byte reads as text",
            "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n"
            "xref\n0 2\n0000000000 65535 f \n0000000015 00000 n \ntrailer\n<< /Size 2 /Root 1 0 R >>\n%%EOF\n");
        binary("gettext catalogue", QByteArray("\xde\x12\x04\x95\0\0\0\0\x02\0\0\0\x1c\0\0\0", 16));
        binary("controls without NUL", QByteArray("GIF89a\x01\x02\x03\x04\x05\x06 some text after it"));
        binary("UTF-16LE without BOM but with a lone surrogate",
            iconv(french, "UTF-16LE") + QByteArray::fromHex("00d86100"));
        binary("UTF-16LE without BOM, a NUL inside",
            iconv(french, "UTF-16LE") + QByteArray(2, '\0') + iconv(french, "UTF-16LE"));
        sure("UTF-16LE without BOM, ending in a NUL", iconv(french, "UTF-16LE") + QByteArray(2, '\0'), "UTF-16LE");
        binary("UTF-32LE without BOM but beyond U+10FFFF", iconv(french, "UTF-32LE") + QByteArray("\0\0\x11\0", 4));
        binary("UTF-16LE with BOM, but controls", "\xff\xfe" + QByteArray("\x01\x00\x02\x00\x03\x00a\x00", 8));
        binary("UTF-16LE with BOM, cut short", iconv(french, "UTF-16").chopped(1));
        const auto mixed = [](const char *row, const QByteArray &bytes, const char *first) {
            QTest::newRow(row) << bytes << "mixed" << QString::fromLatin1(first);
        };
        mixed("UTF-8 with a word of Shift_JIS", japanese.toUtf8() + iconv("テスト", "SHIFT_JIS"), "UTF-8");
        mixed("UTF-8 with one byte of Latin-1", QStringLiteral("Größe café\n").repeated(20).toUtf8() + "\xe9\n", "UTF-8");
        mixed("UTF-8 BOM, then Shift_JIS", "\xef\xbb\xbf" + iconv(japanese, "SHIFT_JIS"), "SHIFT_JIS");
        QTest::newRow("empty") << QByteArray() << "empty" << QString();
        for (const char *kind : {"missing", "folder", "fifo", "dangling link", "/dev/zero"})
            QTest::newRow(kind) << QByteArray(kind) << "unread" << QString();
    }

    void detect()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QFETCH(QString, name);

        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("a.txt"));
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a.txt")));
        else if (bytes == "fifo") // would block an ordinary open for ever
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes == "dangling link")
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
        else if (bytes == "/dev/zero") // never ends
            path = QString::fromLatin1(bytes);
        else if (bytes != "missing")
            writeFile(path, bytes);

        const DetectResult result = Karvo::detectFileCoding(path);
        const auto kind = outcome == QLatin1String("binary") ? DetectResult::Kind::Binary
            : outcome == QLatin1String("empty")              ? DetectResult::Kind::Empty
                                                             : DetectResult::Kind::Text;
        QCOMPARE(int(result.kind), int(kind));
        QVERIFY(result.confidence >= 0 && result.confidence <= 1);
        QSet<QString> offered; // Review offers each encoding once
        for (const DetectResult::Candidate &candidate : result.candidates)
            offered.insert(candidate.encoding.name());
        QCOMPARE(offered.size(), result.candidates.size());
        if (!result.candidates.isEmpty() && result.candidates.first().encoding == result.encoding)
            QCOMPARE(result.confidence, result.candidates.first().score);
        if (outcome != QLatin1String("right"))
            QCOMPARE(result.doubtful,
                outcome == QLatin1String("doubtful") || outcome == QLatin1String("asks")
                    || outcome == QLatin1String("mixed"));
        if (outcome == QLatin1String("mixed")) {
            QVERIFY(std::any_of(result.doubts.cbegin(), result.doubts.cend(),
                [](const Karvo::Doubt &doubt) { return doubt.kind == Karvo::Doubt::Kind::MixedEncodings; }));
            if (!name.isEmpty())
                QCOMPARE(result.candidates.value(0).encoding.name(), Karvo::Encoding::named(name).name());
            return;
        }
        if (outcome == QLatin1String("right")) {
            QVERIFY(!result.candidates.isEmpty());
            // windows-1258 writes tones as combining marks.
            QCOMPARE(
                result.candidates.first().encoding.codec()->toUnicode(bytes).normalized(QString::NormalizationForm_C),
                name);
            if (!result.doubtful)
                QCOMPARE(result.candidates.first().encoding, result.encoding);
            return;
        }
        if (outcome == QLatin1String("doubtful")) {
            // The user picks from the candidates, so the truth must be there.
            QStringList readings;
            for (const DetectResult::Candidate &candidate : result.candidates)
                readings << candidate.encoding.codec()->toUnicode(bytes);
            QVERIFY2(readings.contains(name), qPrintable(readings.join(QLatin1Char(' '))));
            return;
        }
        const Karvo::Encoding expected = Karvo::Encoding::named(name);
        QCOMPARE(result.encoding.name(), expected.name());
        if (!name.isEmpty() && !expected.isValid()) // Qt has no codec: the detector's name is kept
            QCOMPARE(result.detectorName, name);
        if (outcome == QLatin1String("sure")) {
            QCOMPARE(result.asciiOnly, name == QLatin1String("ASCII"));
            QVERIFY(!result.candidates.isEmpty());
            QCOMPARE(result.candidates.first().encoding.name(), expected.name());
        }
    }

    void readsAsTextInANamedEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<bool>("binary"); // what detection alone says
        QTest::addColumn<bool>("text"); // what it is in the named encoding

        const auto written = [](const QString &text, const char *encoding) {
            return Karvo::Encoding::named(QLatin1String(encoding)).codec()->fromUnicode(text);
        };
        QTest::newRow("SCSU") << written(japanese, "SCSU") << "SCSU" << true << true;
        QTest::newRow("BOCU-1") << written(korean, "BOCU-1") << "BOCU-1" << true << true;
        QTest::newRow("ISO-2022-KR") << iconv(korean, "ISO-2022-KR") << "ISO-2022-KR" << false << true;
        QTest::newRow("ELF named SCSU") << elfHeader() << "SCSU" << true << false;
        QTest::newRow("controls named BOCU-1")
            << QByteArray("GIF89a\x01\x02\x03\x04\x05\x06 some text after it") << "BOCU-1" << true << false;
        QTest::newRow("UTF-8 named ISO-2022-KR") << chinese.toUtf8() << "ISO-2022-KR" << false << false;
    }

    void readsAsTextInANamedEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(bool, binary);
        QFETCH(bool, text);

        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("a.txt")), bytes);
        const Karvo::Encoding named = Karvo::Encoding::named(encoding);
        QCOMPARE(Karvo::detectFileCoding(path).kind == DetectResult::Kind::Binary, binary);
        QCOMPARE(Karvo::readsAsText(path, named), text);
        // A run told the encoding converts the file like any other; SCSU's
        // tags, controls to detection, do not make it binary.
        Karvo::RunOptions options;
        options.sourceEncoding = named;
        const Karvo::FileResult result = Karvo::processFile(Karvo::walkPaths({path}).value(0), options);
        QCOMPARE(result.status == Karvo::FileStatus::Converted, text);
        QCOMPARE(contents(path), text ? named.codec()->toUnicode(bytes).toUtf8() : bytes);
    }

    void languageModels_data()
    {
        QTest::addColumn<QStringList>("languages"); // what the line may pass for
        QTest::addColumn<QString>("line");

        QFile file(QStringLiteral(KARVO_TEST_DATA "/languages.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QString &entry : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QStringList fields = entry.split(QLatin1Char('\t'));
            if (fields.size() == 2 && !entry.startsWith(QLatin1Char('#')))
                QTest::newRow(qPrintable(fields.at(0))) << fields.at(0).split(QLatin1Char('|')) << fields.at(1);
        }
    }

    void languageModels()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, line);

        // The model of each language was built and is loaded: its own text
        // reads as it, or as a near sister, and about as well as its own.
        for (const QString &code : languages)
            QVERIFY2(Karvo::LanguageModel::named(code.toLatin1().constData()), qPrintable(code));
        const Karvo::LanguageFit fit = Karvo::bestFit(line);
        QVERIFY(fit.language);
        QVERIFY2(languages.contains(QLatin1String(fit.language->code())), fit.language->code());
        QVERIFY2(fit.excess() < 3, qPrintable(QString::number(fit.excess())));
    }

    void weighsBytesAsTheirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("Italian, words of ASCII letters around one telling character")
            << QStringLiteral("Ora legale dell’Argentina\nOra standard di Mosca, di Roma e di Lima") << "MACINTOSH";
        QTest::newRow("French page, tags not words")
            << QStringLiteral("<p class=\"note\">Le fichier n’a pas été <b>enregistré</b>.</p>") << "WINDOWS-1252";
        QTest::newRow("Polish, more words of ASCII letters than are looked up")
            << QStringLiteral("Nie można zapisać pliku na dysku, ponieważ jest pełny; ").repeated(60) << "ISO-8859-2";
        QTest::newRow("Russian, English words between")
            << QStringLiteral("Файл config.ini не найден, see the manual") << "KOI8-R";
        QTest::newRow("Czech, one short word") << QStringLiteral("že") << "ISO-8859-2";
        QTest::newRow("Portuguese, letters standing alone after small letters, a capital and the end")
            << QStringLiteral("isso é bom, mas de É não; está É; NA É; x-É; fim de À") << "WINDOWS-1252";
        QTest::newRow("Spanish, the words it uses most")
            << QStringLiteral("de la que el en y los del se las por un para con no una su al lo como más") << "WINDOWS-1252";
    }

    void weighsBytesAsTheirText()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoding);

        // A single-byte reading is weighed from its bytes, undecoded; in
        // every language it must cost what its text costs.
        const QByteArray bytes = iconv(text, encoding);
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString characters = QTextCodec::codecForName(encoding.toLatin1())->toUnicode(all);
        QCOMPARE(characters.size(), 256);
        const Karvo::BytePairs pairs(bytes);
        for (const Karvo::LanguageModel *model : Karvo::LanguageModel::all()) {
            if (model->isCjk())
                continue;
            const Karvo::ByteSymbols symbols = model->byteSymbols(characters);
            const Karvo::LanguageFit fromBytes = model->fit(pairs, symbols, model->asciiBits(pairs));
            const Karvo::LanguageFit fromText = model->fit(text);
            QVERIFY2(qAbs(fromBytes.bits - fromText.bits) < 1e-6,
                qPrintable(QStringLiteral("%1: %2 against %3").arg(model->code()).arg(fromBytes.bits).arg(fromText.bits)));
            // Weighed up to a limit, a reading that costs more says more
            // than the limit and no more than it costs.
            for (const double limit : {fromBytes.bits - 1000, fromBytes.bits - 4, fromBytes.bits}) {
                const double bits = model->fit(pairs, symbols, model->asciiBits(pairs), limit).bits;
                QVERIFY2((bits > limit || qAbs(bits - fromBytes.bits) < 1e-6) && bits < fromBytes.bits + 1e-6,
                    qPrintable(QStringLiteral("%1: %2 under %3, against %4").arg(model->code()).arg(bits).arg(limit).arg(fromBytes.bits)));
            }
        }
    }

    void binaryIsSettledEarly_data()
    {
        QTest::addColumn<QByteArray>("chunk"); // fed over and over
        QTest::addColumn<QByteArray>("then"); // fed once right after the 8th chunk, if any
        QTest::addColumn<int>("settledBy"); // chunks fed when feed() first says no more; 0: never

        const QByteArray text = QByteArray("plain text, line after line\n").repeated(1 << 15);
        // Zeros pass for UTF-16 or UTF-32 only while the rest of the file
        // could make up for them.
        QTest::newRow("zeros") << QByteArray(1 << 20, '\0') << QByteArray() << 1;
        QTest::newRow("text, then a NUL") << text << QByteArray("\0", 1) << 8;
        QTest::newRow("text, then stray controls") << text << QByteArray(12 << 20, '\x01') << 8;
        QTest::newRow("UTF-16LE text is read to its end")
            << iconv(french, "UTF-16LE").repeated(8000).left(1 << 20) << QByteArray() << 0;
    }

    void binaryIsSettledEarly()
    {
        QFETCH(QByteArray, chunk);
        QFETCH(QByteArray, then);
        QFETCH(int, settledBy);

        // The file is said to be a gibibyte, of which a few chunks are fed.
        const int chunks = 64;
        Karvo::Detector detector({}, qint64(1) << 30);
        int fed = 0;
        bool more = true;
        while (more && fed < chunks) {
            more = detector.feed(chunk.constData(), chunk.size());
            if (++fed == 8 && !then.isEmpty())
                more = more && detector.feed(then.constData(), then.size());
        }
        QCOMPARE(more ? 0 : fed, settledBy);
        QCOMPARE(detector.finish().kind == DetectResult::Kind::Binary, settledBy > 0);
    }

    void chunkedDetectionMatchesOneShot_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        // Megabytes put chunk seams inside characters; a long ASCII start puts
        // the first telling byte beyond the first chunk.
        const QByteArray asciiStart = QByteArray(1536 * 1024, 'a') + '\n';
        const QList<QPair<QString, const char *>> samples
            = {{chinese, "GB18030"}, {japanese, "SHIFT_JIS"}, {korean, "EUC-KR"}, {russian, "KOI8-R"},
                {czech, "ISO-8859-2"}, {french, "WINDOWS-1252"}, {traditional, "BIG5"}, {chinese, "UTF-8"}};
        for (const auto &[text, encoding] : samples) {
            const QByteArray bytes = iconv(text, QString::fromLatin1(encoding));
            QTest::addRow("%s, short", encoding) << bytes;
            QTest::addRow("%s, 3 MiB", encoding) << bytes.repeated(3 * 1024 * 1024 / bytes.size() + 1);
            QTest::addRow("%s, after 1.5 MiB of ASCII", encoding) << asciiStart + bytes;
        }
    }

    void chunkedDetectionMatchesOneShot()
    {
        QFETCH(QByteArray, bytes);

        uchardet_t detector = uchardet_new();
        uchardet_handle_data(detector, bytes.constData(), size_t(bytes.size()));
        uchardet_data_end(detector);
        QString expected = QString::fromLatin1(uchardet_get_charset(detector));
        uchardet_delete(detector);
        QTextCodec::ConverterState state;
        QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars == 0)
            expected = QStringLiteral("UTF-8");

        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("a.txt")), bytes);
        const DetectResult result = Karvo::detectFileCoding(path);
        QCOMPARE(result.encoding.name(), Karvo::Encoding::named(expected).name());
        QVERIFY(!result.doubtful);

        // Feeding the detector only the start gives the same answer.
        Karvo::DetectionLimits early;
        early.detectorBytes = 64 * 1024;
        early.detectorNonAscii = 1024;
        const DetectResult fromStart = Karvo::detectFileCoding(path, early);
        QCOMPARE(fromStart.encoding.name(), result.encoding.name());
        QCOMPARE(fromStart.doubtful, result.doubtful);
    }

    void convert_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DetectResult>("detected");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("expected"); // the bytes written (Latin-1), or the failure's facts()

        const auto row
            = [](const char *name, const QByteArray &bytes, const DetectResult &detected, const char *target,
                  const QString &expected, const char *source = "a.txt", const char *destination = "out.txt") {
                  QTest::newRow(name) << source << bytes << detected << target << destination << expected;
              };
        const auto written
            = [](const QByteArray &bytes) { return QString::fromLatin1(bytes.constData(), bytes.size()); };
        const auto hex = [](const char *digits) { return QByteArray::fromHex(digits); };
        row("UTF-8 to UTF-16LE writes one BOM", "ab", detection("UTF-8"), "UTF-16LE", written(hex("fffe61006200")));
        // Text in these must end in ASCII, even where it ends in a kanji.
        row("ISO-2022-JP shifts back at the end", "\xe6\x97\xa5\xe6\x9c\xac", detection("UTF-8"), "ISO-2022-JP",
            written("\x1b$BF|K\\\x1b(B"));
        row("ISO-2022-CN shifts in at the end", "\xe4\xb8\xad\xe6\x96\x87", detection("UTF-8"), "ISO-2022-CN",
            written("\x1b$)A\x0eVPND\x0f"));
        row("... and not twice", "\xe4\xb8\xad\xe6\x96\x87\n", detection("UTF-8"), "ISO-2022-CN",
            written("\x1b$)A\x0eVPND\x0f\n"));
        row("beyond U+FFFF into UTF-32BE, one unit each", "\xf0\x9f\x98\x80\xf0\x9f\x8e\x89\n", detection("UTF-8"),
            "UTF-32BE", written(hex("0000feff0001f6000001f3890000000a")));
        row("a UTF-16 BOM is not carried into UTF-8", hex("fffe6100"), detection("UTF-16"), "UTF-8", "a");
        row("a UTF-16 BOM is not doubled", hex("feff0061"), detection("UTF-16"), "UTF-16BE", written(hex("feff0061")));
        row("a UTF-8 BOM is not carried over", QByteArray("\xef\xbb\xbf") + "caf\xc3\xa9", detection("UTF-8"),
            "windows-1252", written("caf\xe9"));
        row("genuine U+FFFD in GB18030", QByteArray("a\x84\x31\xa4\x37") + "b", detection("GB18030"), "UTF-8",
            written(QByteArray("a\xef\xbf\xbd") + "b"));
        row("genuine U+FFFD in UTF-8", "\xef\xbf\xbd", detection("UTF-8"), "UTF-16LE", written("\xff\xfe\xfd\xff"));
        row("Mac Cyrillic, not the other codec of MIB 0", iconv(russian, "MAC-CYRILLIC"), detection("MAC-CYRILLIC"),
            "UTF-8", written(russian.toUtf8()));
        row("UHC through windows-949", iconv(korean, "EUC-KR"), detection("UHC"), "UTF-8", written(korean.toUtf8()));
        row("ISO-8859-11 no-break space", "\xa1\xa0\xa2", detection("ISO-8859-11"), "UTF-8",
            written(QString::fromUtf8("ก\u00a0ข").toUtf8()));
        row("UTF-7 ending in a base64 run", "+BekF3AXVBd0", detection("UTF-7"), "UTF-8",
            written(QStringLiteral("שלום").toUtf8()));
        static const QByteArray longestName(255, 'n');
        row("a destination name as long as a name can be", "caf\xc3\xa9", detection("UTF-8"), "windows-1252",
            written("caf\xe9"), "a.txt", longestName.constData());

        // A declaration names the encoding the text is in now, as it was written.
        const QString page = QStringLiteral("<meta charset=\"%1\">\n<p>שלום</p>\n");
        row("meta charset, in the case it was", iconv(page.arg("windows-1255"), "WINDOWS-1255"),
            detection("windows-1255"), "UTF-8", written(page.arg("utf-8").toUtf8()));
        row("a declaration that was wrong before", iconv(page.arg("windows-1252"), "WINDOWS-1255"),
            detection("windows-1255"), "UTF-8", written(page.arg("utf-8").toUtf8()));
        const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<p>Καλημέρα</p>\n");
        row("XML declaration", iconv(xml.arg("ISO-8859-7"), "ISO-8859-7"), detection("ISO-8859-7"), "UTF-8",
            written(xml.arg("UTF-8").toUtf8()));
        const QString script = QStringLiteral("#!/usr/bin/python3\n# -*- coding: %1 -*-\n# Ура\n");
        row("Emacs cookie on the second line", iconv(script.arg("koi8-r"), "KOI8-R"), detection("KOI8-R"), "UTF-8",
            written(script.arg("utf-8").toUtf8()));
        const QString prose = QStringLiteral("Encoding: latin1 is what this note is about.\nÅ\n");
        row("prose is no cookie", iconv(prose, "ISO-8859-1"), detection("ISO-8859-1"), "UTF-8",
            written(prose.toUtf8()));
        const QString book
            = QStringLiteral("<meta charset=\"%1\">\n") + QStringLiteral("<p>Äußerst schön.</p>\n").repeated(120000);
        row("a page converted in pieces", iconv(book.arg("ISO-8859-1"), "ISO-8859-1"), detection("ISO-8859-1"), "UTF-8",
            written(book.arg("UTF-8").toUtf8()));

        // ISO-2022-KR reads and writes ASCII as ASCII and KS X 1001 as the
        // standard has it, as iconv does.
        const QString path = QString::fromUtf8("경로 C:\\자료·문서 ― 1∼9\n");
        row("ISO-2022-KR with a backslash and a middle dot", iconv(path, "ISO-2022-KR"), detection("ISO-2022-KR"),
            "UTF-8", written(path.toUtf8()));

        // A failure's kind and facts, as facts() writes them.
        const QString lossy = QStringLiteral("lossy-target %2:%3 U+%1 %4");
        const QString invalid = QStringLiteral("lossy-source %1:%2 %3");
        const QString cut = QStringLiteral("cut-source %1:%2 %3");
        row("Chinese into Latin-1", QByteArray("one\ntwo\nabcdef\xe4\xb8\xad") + "g\n", detection("UTF-8"),
            "ISO-8859-1", lossy.arg("4E2D", "3", "7", "ISO-8859-1"));
        row("emoji into windows-1252", QByteArray("a\xf0\x9f\x98\x80") + "b", detection("UTF-8"), "windows-1252",
            lossy.arg("1F600", "1", "2", "windows-1252"));
        row("yen sign into Shift_JIS", "100\xc2\xa5", detection("UTF-8"), "Shift_JIS",
            lossy.arg("00A5", "1", "4", "Shift_JIS"));
        row("won sign into ISO-2022-KR, whose 0x5C is a backslash", "\xe2\x82\xa9" "5", detection("UTF-8"),
            "ISO-2022-KR", lossy.arg("20A9", "1", "1", "ISO-2022-KR"));
        row("lone surrogate into UTF-8", hex("610000d86200"), detection("UTF-16LE"), "UTF-8",
            lossy.arg("D800", "1", "2", "UTF-8"));
        row("lone high surrogate at the end into UTF-8", QByteArray("a\0b\0\0\xd8", 6), detection("UTF-16LE"), "UTF-8",
            lossy.arg("D800", "1", "3", "UTF-8"));
        row("lone low surrogate at the end into UTF-8", QByteArray("a\0b\0\0\xdc", 6), detection("UTF-16LE"), "UTF-8",
            lossy.arg("DC00", "1", "3", "UTF-8"));
        row("lone surrogate into UTF-32", QByteArray("a\0\0\xdc", 4), detection("UTF-16LE"), "UTF-32LE",
            lossy.arg("DC00", "1", "2", "UTF-32LE"));
        row("invalid Shift_JIS", "ab\n\x82\xa0\x82\xff x\n", detection("Shift_JIS"), "UTF-8",
            invalid.arg("2", "2", "Shift_JIS"));
        row("Shift_JIS cut inside a character", "ab\x82\xa0\x82", detection("Shift_JIS"), "UTF-8",
            cut.arg("1", "4", "Shift_JIS"));
        row("invalid GB18030", QByteArray("a\x81\xff") + "b", detection("GB18030"), "UTF-8",
            invalid.arg("1", "2", "GB18030"));
        row("ISO-2022-KR, a space between shifts", "\x0e\x30\x21 \x30\x21\x0f", detection("ISO-2022-KR"), "UTF-8",
            invalid.arg("1", "2", "ISO-2022-KR"));
        row("ISO-2022-KR, half a pair before a line end", "\x0e\x30\n\x0f", detection("ISO-2022-KR"), "UTF-8",
            invalid.arg("1", "1", "ISO-2022-KR"));
        row("ISO-2022-KR, a byte with the high bit", "a\xb0\xa1", detection("ISO-2022-KR"), "UTF-8",
            invalid.arg("1", "2", "ISO-2022-KR"));
        row("ISO-2022-KR, an escape to another set", "a\x1b(Bb", detection("ISO-2022-KR"), "UTF-8",
            invalid.arg("1", "2", "ISO-2022-KR"));
        row("invalid UTF-8, columns in characters", QByteArray("x\n\xf0\x9f\x98\x80") + "a\xff", detection("UTF-8"),
            "UTF-16LE", invalid.arg("2", "3", "UTF-8"));
        row("UTF-16 cut inside a unit", hex("fffe610062"), detection("UTF-16"), "UTF-8", cut.arg("1", "2", "UTF-16"));

        // Megabytes are converted in pieces side by side; the first fault in
        // the file is the one told, at its place in the whole file.
        const QByteArray line = QString::fromUtf8("Le café coûte cher.\n").toUtf8();
        const int lines = 4 * 1024 * 1024 / line.size();
        const auto lineNumber = [](int number) { return QString::number(number); };
        row("invalid UTF-8 in a late piece", line.repeated(lines) + "ab\xff\n" + line, detection("UTF-8"),
            "windows-1252", invalid.arg(lineNumber(lines + 1), "3", "UTF-8"));
        row("unencodable character in a late piece", line.repeated(lines) + "ab\xe4\xb8\xad\n" + line,
            detection("UTF-8"), "windows-1252", lossy.arg("4E2D", lineNumber(lines + 1), "3", "windows-1252"));
        row("the first of two faults wins",
            line.repeated(lines / 2) + "x\xe4\xb8\xad\n" + line.repeated(lines / 2) + "\xff\n", detection("UTF-8"),
            "windows-1252", lossy.arg("4E2D", lineNumber(lines / 2 + 1), "2", "windows-1252"));
        const QByteArray chineseLine = iconv(QString::fromUtf8("春天来了，花都开了。\n"), "GB18030");
        const int chineseLines = 4 * 1024 * 1024 / chineseLine.size();
        row("invalid GB18030 far in", chineseLine.repeated(chineseLines) + "a\x81\xff\n", detection("GB18030"), "UTF-8",
            invalid.arg(lineNumber(chineseLines + 1), "2", "GB18030"));
        row("a line longer than a piece, then invalid bytes",
            line.repeated(lines / 4) + QByteArray(1536 * 1024, 'x') + '\n' + line.repeated(lines / 4) + "a\xff\n",
            detection("UTF-8"), "windows-1252", invalid.arg(lineNumber(2 * (lines / 4) + 2), "2", "UTF-8"));

        // The failures are tested in this order: no codec before no file.
        row("no codec, checked first", "x", DetectResult(), "UTF-8", "unknown-encoding", "missing.txt");
        row("missing source", "x", detection("UTF-8"), "UTF-16LE", "cannot-read", "missing.txt");
        row("FIFO source, refused at once", "x", detection("UTF-8"), "UTF-16LE", "not-regular", "fifo");
        row("destination folder missing", "x", detection("UTF-8"), "UTF-16LE", "cannot-write", "a.txt",
            "no/such/out.txt");
        row("destination is a folder", "x", detection("UTF-8"), "UTF-16LE", "destination-not-regular", "a.txt",
            "folder");
    }

    void convert()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, bytes);
        QFETCH(DetectResult, detected);
        QFETCH(QString, target);
        QFETCH(QString, destination);
        QFETCH(QString, expected);

        QTemporaryDir dir;
        const QString original = writeFile(dir.filePath(QStringLiteral("a.txt")), bytes);
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        const auto convert = [&](const QString &to) {
            return Karvo::convertFile(dir.filePath(source), dir.filePath(to), detected, Karvo::codecByName(target));
        };
        const Karvo::Outcome outcome = convert(destination);
        if (!outcome.ok()) {
            QCOMPARE(facts(outcome), expected);
            // In place too: the file stays as it was, and nothing is left behind.
            if (destination == QLatin1String("out.txt"))
                QCOMPARE(facts(convert(source)), expected);
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        } else {
            QCOMPARE(contents(dir.filePath(destination)), expected.toLatin1());
        }
        QCOMPARE(contents(original), bytes);
    }

    void streamingMatchesOneShot_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");

        const QString emoji = QString::fromUtf8("Smiles 😀 and 🎉 cross chunk seams. ");
        const auto big = [](const QByteArray &bytes) { return bytes.repeated(3 * 1024 * 1024 / bytes.size() + 1); };
        const auto row = [](const char *name, const QByteArray &source, const char *from, const char *to) {
            QTest::newRow(name) << source << QString::fromLatin1(from) << QString::fromLatin1(to);
        };
        const QByteArray gb = iconv(chinese, "GB18030");
        row("GB18030 to UTF-8", big(gb), "GB18030", "UTF-8");
        row("Shift_JIS to UTF-32", big(iconv(japanese, "SHIFT_JIS")), "Shift_JIS", "UTF-32");
        row("UTF-16LE surrogates to UTF-8", big(iconv(emoji + chinese, "UTF-16LE")), "UTF-16LE", "UTF-8");
        row("UTF-16LE pair split by a chunk to UTF-32BE",
            iconv(QString(Karvo::chunkSize / 2 - 1, QLatin1Char('a')) + QString::fromUtf8("😀\n"), "UTF-16LE"),
            "UTF-16LE", "UTF-32BE");
        row("UTF-8 to UTF-16BE", big((emoji + russian).toUtf8()), "UTF-8", "UTF-16BE");
        row("windows-1252, CR LF, to UTF-8", big(iconv(french, "WINDOWS-1252").replace("\n", "\r\n")), "windows-1252",
            "UTF-8");
        row("UTF-8 to Shift_JIS", big(japanese.toUtf8()), "UTF-8", "Shift_JIS");
        row("UTF-8 to EUC-KR, its codec sharing MIB 0", big(korean.toUtf8()), "UTF-8", "EUC-KR");
        row("UTF-8 to ISO-2022-JP", big(japanese.toUtf8()), "UTF-8", "ISO-2022-JP");
        const QByteArray pad(Karvo::chunkSize - 2, 'a');
        row("ISO-2022-KR designation split by a chunk to UTF-8", pad + "\x1b$)C\x0e\x30\x21\x0f\n", "ISO-2022-KR",
            "UTF-8");
        row("ISO-2022-KR pair split by a chunk to UTF-8", pad + "\x0e\x30\x21\x0f\n", "ISO-2022-KR", "UTF-8");
        row("UTF-8 with U+FEFF starting each line to GB18030", big(chinese.toUtf8().replace("\n", "\n\xef\xbb\xbf")),
            "UTF-8", "GB18030");
        row("GB18030 with a line longer than a piece to UTF-8",
            big(gb) + QByteArray(gb).replace('\n', ' ').repeated(4000) + big(gb), "GB18030", "UTF-8");
    }

    void streamingMatchesOneShot()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, from);
        QFETCH(QString, to);

        QTextCodec *fromCodec = QTextCodec::codecForName(from.toLatin1());
        QTextCodec *toCodec = QTextCodec::codecForName(to.toLatin1());
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("a.txt")), source);
        const Karvo::Outcome outcome = Karvo::convertFile(path, path, detection(from), Karvo::codecByName(to));
        QVERIFY2(outcome.ok(), qPrintable(facts(outcome)));
        // UTF-16 and UTF-32 start with a byte-order mark, which Qt 6's
        // one-shot conversion leaves out, in the machine's byte order where
        // the name gives none.
        const QString text = fromCodec->toUnicode(source);
        QByteArray expected = toCodec->fromUnicode(text);
        if (to.startsWith(QLatin1String("UTF-16")) || to.startsWith(QLatin1String("UTF-32"))) {
            const char *order = QSysInfo::ByteOrder == QSysInfo::BigEndian ? "BE" : "LE";
            expected = iconv(QChar(QChar::ByteOrderMark) + text, to.size() == 6 ? to + order : to);
        }
        QVERIFY(contents(path) == expected);
    }

    void iso2022KrAsIconvHasIt()
    {
        // Every character of KS X 1001, and the ASCII that ICU's codec reads
        // as others, read and written byte for byte as iconv does. Its two
        // rows for users' own characters Qt reads into the Private Use Area,
        // iconv not at all.
        QString text = QStringLiteral("C:\\dir ~ \x1a \x1c \x7f\n");
        QTextCodec *eucKr = QTextCodec::codecForName("windows-949");
        for (int lead = 0xA1; lead < 0xFE; ++lead) {
            if (lead == 0xC9)
                continue;
            for (int trail = 0xA1; trail < 0xFF; ++trail) {
                const char pair[] = {char(lead), char(trail)};
                const QString character = eucKr->toUnicode(pair, 2);
                if (character != QChar(QChar::ReplacementCharacter))
                    text += character;
            }
            text += QLatin1Char('\n');
        }
        const QByteArray bytes = iconv(text, "ISO-2022-KR");
        QTextCodec *codec = Karvo::Encoding::named(QStringLiteral("ISO-2022-KR")).codec();
        QCOMPARE(codec->toUnicode(bytes), text);
        QCOMPARE(codec->fromUnicode(text), bytes);
        const QString hangul = QString::fromUtf8("가");
        QCOMPARE(codec->fromUnicode(hangul), iconv(hangul, "ISO-2022-KR"));
        // Hangul that only Unified Hangul Code has, and the won sign, are no
        // characters of it; the designation is written once.
        QTextCodec::ConverterState state;
        const QString outside = QString::fromUtf8("똠₩");
        QCOMPARE(codec->fromUnicode(outside.constData(), outside.size(), &state), QByteArray("\x1b$)C??"));
        QCOMPARE(codec->fromUnicode(outside.constData(), outside.size(), &state), QByteArray("??"));
        QCOMPARE(state.invalidChars, 4);
    }

    void bareUtf16AtTheStartOfAStream()
    {
        // Russian in UTF-16BE, with no zero byte, cut inside a character.
        const QByteArray bytes = iconv(QStringLiteral("взаимопонимание").repeated(40), "UTF-16BE");
        Karvo::Detector detector;
        detector.feed(bytes.constData(), bytes.size() - 1);
        QCOMPARE(detector.finish(false).encoding.name(), QStringLiteral("UTF-16BE"));
    }

    void decodeStrictlyRefusesALoneSurrogate_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // UTF-16BE
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("a pair") << QByteArray::fromHex("4e2dd83dde00") << true << true;
        QTest::newRow("half a pair at the end") << QByteArray::fromHex("4e2ddb66") << true << false;
        QTest::newRow("half a pair at the end of a cut sample") << QByteArray::fromHex("4e2ddb66") << false << true;
        QTest::newRow("a low half alone") << QByteArray::fromHex("de004e2d") << false << false;
    }

    void decodeStrictlyRefusesALoneSurrogate()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QFETCH(bool, decodes);
        QString text;
        QCOMPARE(
            Karvo::decodeStrictly(Karvo::Encoding::named(QStringLiteral("UTF-16BE")), bytes, complete, text), decodes);
    }

    void characterTableReadsAsTheCodec_data()
    {
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("least"); // characters the table must hold
        for (const auto &[name, least] : std::initializer_list<std::pair<const char *, int>> {{"GB18030", 23000},
                 {"GBK", 23000}, {"Big5", 18000}, {"Big5-HKSCS", 17000}, {"Shift_JIS", 9000}, {"EUC-JP", 7000},
                 {"EUC-KR", 17000}, {"windows-949", 17000}, {"windows-1252", 250}, {"KOI8-R", 250}, {"IBM866", 250},
                 {"TIS-620", 250}, {"macintosh", 250}, {"ISO-8859-7", 250}})
            QTest::newRow(name) << QString::fromLatin1(name) << least;
        // A byte that stands alone and also starts a pair (codecs stay registered for good).
        static auto *leadOrNot = new JoiningCodec("x-karvo-lead-or-not", -4711, 0xA0, 0xA1, u'\u2194');
        QTest::newRow("a byte alone and in a pair") << QString::fromLatin1(leadOrNot->name()) << 250;
        // 0x81 takes the line feed after it: a table made through it would read
        // every byte after 0x81 as the one next to it, so there is none at all.
        static auto *swallows = new JoiningCodec("x-karvo-swallows-line-feed", -4712, 0x81, '\n', u'\u2193');
        QTest::newRow("a codec that swallows a line feed") << QString::fromLatin1(swallows->name()) << 0;
    }

    void characterTableReadsAsTheCodec()
    {
        QFETCH(QString, codec);
        QFETCH(int, least);

        // Whatever the table reads, it reads as the codec does; it may leave
        // a line to the codec, never read one otherwise.
        QTextCodec *textCodec = QTextCodec::codecForName(codec.toLatin1());
        const Karvo::CharacterTable *table = Karvo::CharacterTable::of(textCodec);
        QCOMPARE(table != nullptr, least > 0);
        if (!table)
            return;
        QList<QByteArray> lines;
        for (uint c = 1; c < 0x10000; ++c) {
            QTextCodec::ConverterState state;
            const QChar character(c);
            const QByteArray bytes = textCodec->fromUnicode(&character, 1, &state);
            if (!character.isSurrogate() && state.invalidChars == 0 && !bytes.contains('\n'))
                lines.append(bytes);
        }
        const int ownCharacters = lines.size();
        lines.append("\xa0\xa1");
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes(1 + random.bounded(5), Qt::Uninitialized);
            for (char &b : bytes)
                b = char(random.bounded(0x20, 0x100));
            lines.append(bytes);
        }
        int read = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray &line = lines.at(i);
            QByteArray utf8;
            qint64 characters = 0;
            if (!table->toUtf8(line.constData(), line.size(), utf8, characters))
                continue;
            QTextDecoder decoder(textCodec, QTextCodec::IgnoreHeader);
            const QString text = decoder.toUnicode(line + '\n').chopped(1);
            QString unicode;
            QVERIFY2(!text.contains(QChar::ReplacementCharacter) && utf8 == text.toUtf8() && characters == text.size()
                    && table->toUnicode(line.constData(), line.size(), unicode) && unicode == text,
                line.toHex(' ').constData());
            read += i < ownCharacters ? 1 : 0;
        }
        QVERIFY2(read >= least, qPrintable(QString::number(read)));
    }
};

QTEST_GUILESS_MAIN(TstEngine)
#include "tst_engine.moc"
