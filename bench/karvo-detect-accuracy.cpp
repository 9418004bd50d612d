// How often detection gets a file's encoding right, before and after the
// judge, on a corpus made by bench/corpus/generate.py or bench/corpus/real.py.
//
//   karvo-detect-accuracy CORPUS_FOLDER [--stop-after BYTES] [--list]
//                         [--set NAME=VALUE]... [--sweep] [--calibrate]
//
// "before" is the detector alone with the old rules (the UTF-8 override and
// the charset name mapping); "after" is detectFileCoding. A text file counts
// as right when detection is sure and its codec decodes the file to the
// original text, doubtful when it asks and the original is among the
// candidates (doubtful-missing when not), wrong when it is sure and the text
// differs, failed when it found no codec that decodes the file. A binary file
// is misjudged when detection would let it be converted. --stop-after also
// detects with the detector fed only that many bytes and lists every file
// whose answer changes; --list prints every file that is not right. --set
// changes one of the DetectionThresholds (temperature, detectorWord, sure,
// fewCharacters, noLanguage, plentyOfUtf8); --sweep detects the corpus again
// with each threshold moved up and down, and prints the figures each value
// gives, which is how the values in detection.h were chosen (on the dev
// part of the real-text corpus only). --calibrate asks about nothing and
// counts, by telling characters and by the confidence of the pick, how
// many picks are right and how many wrong: whether the confidence means
// what it says, and what asking at another `sure` would trade.
#include "detection.h"
#include "textjudge.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextCodec>
#include <QTextDecoder>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iterator>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DetectResult named(const Karvo::Encoding &encoding)
{
    DetectResult result;
    result.encoding = encoding;
    return result;
}

// What the engine did before it judged anything.
DetectResult oldDetection(const QByteArray &bytes)
{
    DetectResult result;
    if (bytes.isEmpty())
        return result;
    uchardet_t detector = uchardet_new();
    uchardet_handle_data(detector, bytes.constData(), size_t(bytes.size()));
    uchardet_data_end(detector);
    result.detectorName = QString::fromLatin1(uchardet_get_charset(detector));
    uchardet_delete(detector);
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    bool ascii = true;
    for (char c : bytes)
        ascii &= uchar(c) < 0x80;
    if (state.invalidChars == 0 && state.remainingChars == 0 && !ascii)
        result.detectorName = QStringLiteral("UTF-8");
    result.encoding = Karvo::Encoding::named(result.detectorName);
    return result;
}

// The text a conversion would read, or a null string where it would refuse.
QString decoded(const QByteArray &bytes, const DetectResult &detection)
{
    if (!detection.encoding.isValid())
        return QString();
    QTextDecoder decoder(detection.encoding.codec());
    QString text = decoder.toUnicode(bytes);
    if (decoder.hasFailure() || decoder.needsMoreData() || text.contains(QChar(QChar::ReplacementCharacter)))
        return QString();
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    return text.normalized(QString::NormalizationForm_C);
}

enum Verdict { Right, Doubtful, DoubtfulMissing, Wrong, Failed, BinaryMisjudged, BinaryRight, Count };
const char *const verdictNames[] = {"right", "doubtful", "doubt-miss", "wrong", "failed", "bin-misjudged", "bin-ok"};

Verdict judgeText(const QByteArray &bytes, const QString &truth, const DetectResult &result)
{
    if (result.kind == DetectResult::Kind::Binary)
        return Wrong;
    if (result.doubtful) {
        for (const DetectResult::Candidate &candidate : result.candidates) {
            if (decoded(bytes, named(candidate.encoding)) == truth)
                return Doubtful;
        }
        return DoubtfulMissing;
    }
    const QString text = decoded(bytes, result);
    if (text.isNull())
        return Failed;
    return text == truth ? Right : Wrong;
}

Verdict judgeBinary(const QByteArray &bytes, const DetectResult &result)
{
    if (result.kind == DetectResult::Kind::Binary || result.doubtful)
        return BinaryRight;
    return decoded(bytes, result).isNull() ? BinaryRight : BinaryMisjudged;
}

using Table = QMap<QString, QVector<int>>;

void count(Table &table, const QString &row, Verdict verdict)
{
    QVector<int> &counts = table[row];
    if (counts.isEmpty())
        counts.fill(0, Count);
    ++counts[verdict];
}

void print(const char *title, const Table &table)
{
    std::printf("\n%s\n%-14s", title, "");
    for (const char *name : verdictNames)
        std::printf("%14s", name);
    std::printf("\n");
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        std::printf("%-14s", qPrintable(it.key()));
        for (int n : it.value())
            std::printf("%14d", n);
        std::printf("\n");
    }
}

QString describe(const DetectResult &r)
{
    QStringList candidates;
    for (const auto &c : r.candidates.mid(0, 4))
        candidates << QStringLiteral("%1:%2").arg(c.encoding.name()).arg(c.score, 0, 'f', 2);
    QStringList doubts;
    for (const Karvo::Doubt &doubt : r.doubts)
        doubts << QString::number(int(doubt.kind)) + QLatin1Char(':') + doubt.languages.join(QLatin1Char('/'));
    return QStringLiteral("%1%2 (%3, uchardet %4) conf %5 [%6] doubts [%7]")
        .arg(r.kind == DetectResult::Kind::Binary ? QStringLiteral("BINARY ") : QString(), r.name(), r.language,
            r.detectorName)
        .arg(r.confidence, 0, 'f', 3)
        .arg(candidates.join(QLatin1Char(' ')), doubts.join(QLatin1Char(' ')));
}

// The figures the thresholds are tied to: of the real text (lines,
// paragraphs, subtitle files), the share right, asked and wrong, and the
// language asked most; of the words and lines, how many were wrong and right.
struct Summary
{
    int files = 0, right = 0, asked = 0, wrong = 0;
    int shortFiles = 0, shortRight = 0, shortWrong = 0;
    QString worstLanguage;
    double worstAsked = 0;
};

Summary summarize(const Table &byForm, const QMap<QString, QMap<QString, QVector<int>>> &byLanguageForm)
{
    Summary s;
    const auto add = [&](const QVector<int> &c, int &files, int &right, int *asked, int &wrong) {
        files += c[Right] + c[Doubtful] + c[DoubtfulMissing] + c[Wrong] + c[Failed];
        right += c[Right];
        if (asked)
            *asked += c[Doubtful] + c[DoubtfulMissing];
        wrong += c[Wrong] + c[Failed];
    };
    for (const char *form : {"line", "paragraph", "srt"}) {
        if (byForm.contains(QLatin1String(form)))
            add(byForm.value(QLatin1String(form)), s.files, s.right, &s.asked, s.wrong);
    }
    for (const char *form : {"word", "line"}) {
        if (byForm.contains(QLatin1String(form)))
            add(byForm.value(QLatin1String(form)), s.shortFiles, s.shortRight, nullptr, s.shortWrong);
    }
    for (auto it = byLanguageForm.cbegin(); it != byLanguageForm.cend(); ++it) {
        int files = 0, right = 0, asked = 0, wrong = 0;
        for (const char *form : {"line", "paragraph", "srt"}) {
            if (it.value().contains(QLatin1String(form)))
                add(it.value().value(QLatin1String(form)), files, right, &asked, wrong);
        }
        if (files > 0 && double(asked) / files > s.worstAsked) {
            s.worstAsked = double(asked) / files;
            s.worstLanguage = it.key();
        }
    }
    return s;
}

void printSummary(const char *label, const Summary &s)
{
    const auto share = [](int n, int of) { return of ? 100.0 * n / of : 0.0; };
    std::printf("%-28s lines+paragraphs+subtitles %d: right %.1f %%, asked %.1f %%, wrong %.2f %% (%d);"
                " most asked: %s %.0f %%; words+lines %d: right %d, wrong %d\n",
        label, s.files, share(s.right, s.files), share(s.asked, s.files), share(s.wrong, s.files), s.wrong,
        qPrintable(s.worstLanguage), 100 * s.worstAsked, s.shortFiles, s.shortRight, s.shortWrong);
}

struct Row
{
    QString path, kind, language, form, encoding, truth;
};

bool setThreshold(Karvo::DetectionThresholds &t, const QString &name, double value)
{
    if (name == QLatin1String("temperature"))
        t.temperature = value;
    else if (name == QLatin1String("detectorWord"))
        t.detectorWord = value;
    else if (name == QLatin1String("detectorFit"))
        t.detectorFit = value;
    else if (name == QLatin1String("sure"))
        t.sure = value;
    else if (name == QLatin1String("fewCharacters"))
        t.fewCharacters = int(value);
    else if (name == QLatin1String("noLanguage"))
        t.noLanguage = value;
    else if (name == QLatin1String("plentyOfUtf8"))
        t.plentyOfUtf8 = int(value);
    else
        return false;
    return true;
}

// Detects every text file of the corpus with `limits` and summarizes.
Summary evaluate(const QVector<Row> &rows, const Karvo::DetectionLimits &limits)
{
    Table byForm;
    QMap<QString, QMap<QString, QVector<int>>> byLanguageForm;
    for (const Row &row : rows) {
        if (row.kind != QLatin1String("text") || row.encoding.startsWith(QLatin1String("UTF")))
            continue;
        const DetectResult result = Karvo::detectFileCoding(row.path, limits);
        const Verdict verdict = judgeText(contents(row.path), row.truth, result);
        count(byForm, row.form, verdict);
        count(byLanguageForm[row.language], row.form, verdict);
    }
    return summarize(byForm, byLanguageForm);
}

} // namespace

// Single words left out: the real-text figures are of lines and longer.
void printCalibration(const QVector<Row> &rows, Karvo::DetectionLimits limits)
{
    limits.thresholds.sure = 0;
    constexpr double edges[] = {0.6, 0.7, 0.8, 0.85, 0.9, 0.95, 0.99, 2};
    constexpr int telling[] = {1, 3, 9, 29, INT_MAX};
    const char *const names[] = {"1", "2-3", "4-9", "10-29", "30+"};
    int right[std::size(telling)][std::size(edges)] = {}, wrong[std::size(telling)][std::size(edges)] = {};
    for (const Row &row : rows) {
        if (row.kind == QLatin1String("binary") || row.form == QLatin1String("word")
            || row.encoding.startsWith(QLatin1String("UTF")))
            continue;
        const DetectResult result = Karvo::detectFileCoding(row.path, limits);
        const int characters
            = int(std::count_if(row.truth.cbegin(), row.truth.cend(), [](QChar c) { return c.unicode() >= 0x80; }));
        const int t = int(std::lower_bound(std::begin(telling), std::end(telling), characters) - std::begin(telling));
        const int c = int(std::upper_bound(std::begin(edges), std::end(edges), result.confidence) - std::begin(edges));
        const Verdict verdict = judgeText(contents(row.path), row.truth, result);
        if (verdict == Right)
            ++right[t][c];
        else if (verdict == Wrong)
            ++wrong[t][c];
    }
    std::printf("right/wrong with nothing asked, by telling characters and confidence\n"
                "telling     <0.6  0.6-0.7  0.7-0.8 0.8-0.85 0.85-0.9 0.9-0.95 .95-.99   >=0.99\n");
    for (size_t t = 0; t < std::size(telling); ++t) {
        std::printf("%-7s", names[t]);
        for (size_t c = 0; c < std::size(edges); ++c)
            std::printf(" %8s", qPrintable(QStringLiteral("%1/%2").arg(right[t][c]).arg(wrong[t][c])));
        std::printf("\n");
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr,
            "usage: karvo-detect-accuracy CORPUS_FOLDER [--stop-after BYTES] [--list]"
            " [--set NAME=VALUE]... [--sweep] [--calibrate]\n");
        return 2;
    }
    const QString folder = args.at(1);
    const int stopAt = args.indexOf(QStringLiteral("--stop-after"));
    const qint64 stopAfter = stopAt > 0 && stopAt + 1 < args.size() ? args.at(stopAt + 1).toLongLong() : -1;
    const bool list = args.contains(QStringLiteral("--list"));
    Karvo::DetectionLimits limits;
    for (int at = args.indexOf(QStringLiteral("--set")); at > 0 && at + 1 < args.size();
         at = args.indexOf(QStringLiteral("--set"), at + 1)) {
        const QStringList pair = args.at(at + 1).split(QLatin1Char('='));
        if (pair.size() != 2 || !setThreshold(limits.thresholds, pair.at(0), pair.at(1).toDouble())) {
            std::fprintf(stderr, "unknown threshold: %s\n", qPrintable(args.at(at + 1)));
            return 2;
        }
    }

    QFile manifest(folder + QLatin1String("/manifest.tsv"));
    if (!manifest.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no manifest.tsv in %s: run bench/corpus/generate.py first\n", qPrintable(folder));
        return 1;
    }
    QVector<Row> rows;
    while (!manifest.atEnd()) {
        const QStringList row = QString::fromUtf8(manifest.readLine()).trimmed().split(QLatin1Char('\t'));
        if (row.size() < 6)
            continue;
        const QString path = row.at(0).startsWith(QLatin1Char('/')) ? row.at(0) : folder + QLatin1Char('/') + row.at(0);
        const QString truth = row.at(1) == QLatin1String("binary")
            ? QString()
            : QString::fromUtf8(contents(folder + QLatin1Char('/') + row.at(5)))
                  .normalized(QString::NormalizationForm_C);
        rows.append({path, row.at(1), row.at(2), row.at(3), row.at(4), truth});
    }

    const int explainAt = args.indexOf(QStringLiteral("--explain"));
    if (explainAt > 0 && explainAt + 1 < args.size()) {
        // Every reading of one file, with what it costs.
        const QByteArray bytes = contents(args.at(explainAt + 1));
        const DetectResult result = Karvo::detectFileCoding(args.at(explainAt + 1), limits);
        std::printf("%s\n", qPrintable(describe(result)));
        const auto readings = Karvo::weighReadings(bytes, true, Karvo::Encoding::named(result.detectorName),
            QString::fromUtf8(bytes).toUtf8() == bytes, limits.thresholds);
        for (const Karvo::Reading &r : readings)
            std::printf("  %-22s %-8s %8.2f bits %8.2f cost %4d telling %6.2f excess %.4f%s\n",
                qPrintable(r.encoding.name()), r.fit.language->code(), r.fit.bits, r.cost, r.fit.telling,
                r.fit.excess(), r.probability, r.isGuess ? " guess" : "");
        return 0;
    }
    if (args.contains(QStringLiteral("--sweep"))) {
        printSummary("as set", evaluate(rows, limits));
        const QList<QPair<QString, QList<double>>> sweeps = {
            {QStringLiteral("temperature"), {0.75, 1, 1.25, 1.5, 2, 3}},
            {QStringLiteral("detectorWord"), {0, 2, 4, 8, 12}},
            {QStringLiteral("detectorFit"), {1, 2, 3, 5, 8}},
            {QStringLiteral("sure"), {0.8, 0.9, 0.95, 0.98, 0.99}},
            {QStringLiteral("fewCharacters"), {2, 4, 6, 10}},
            {QStringLiteral("noLanguage"), {3, 4, 5, 6, 8, 12}},
        };
        for (const auto &[name, values] : sweeps) {
            for (double value : values) {
                Karvo::DetectionLimits changed = limits;
                setThreshold(changed.thresholds, name, value);
                const QByteArray label = QStringLiteral("%1=%2").arg(name).arg(value).toUtf8();
                printSummary(label.constData(), evaluate(rows, changed));
            }
        }
        return 0;
    }

    if (args.contains(QStringLiteral("--calibrate"))) {
        printCalibration(rows, limits);
        return 0;
    }

    Table before, after, byLanguage, byEncoding;
    QMap<QString, QMap<QString, QVector<int>>> byLanguageForm, byLanguageFormBefore;
    int changedByStop = 0;
    for (const Row &row : qAsConst(rows)) {
        const QByteArray bytes = contents(row.path);
        const DetectResult now = Karvo::detectFileCoding(row.path, limits);
        const DetectResult old = oldDetection(bytes);
        if (stopAfter >= 0) {
            Karvo::DetectionLimits early = limits;
            early.detectorBytes = stopAfter;
            early.detectorNonAscii = 0;
            const DetectResult stopped = Karvo::detectFileCoding(row.path, early);
            if (stopped.encoding != now.encoding || stopped.doubtful != now.doubtful) {
                ++changedByStop;
                std::printf("early stop changes %s: %s -> %s\n", qPrintable(row.path), qPrintable(describe(now)),
                    qPrintable(describe(stopped)));
            }
        }
        Verdict was, is;
        QString group;
        if (row.kind == QLatin1String("binary")) {
            was = judgeBinary(bytes, old);
            is = judgeBinary(bytes, now);
            group = QStringLiteral("binary ") + row.form.left(4);
        } else {
            was = judgeText(bytes, row.truth, old);
            is = judgeText(bytes, row.truth, now);
            const bool unicode = row.encoding.startsWith(QLatin1String("UTF"));
            group = unicode ? QStringLiteral("unicode ") + row.form : row.form;
            count(byLanguage, row.language, is);
            count(byEncoding, row.encoding, is);
            if (!unicode) {
                count(byLanguageForm[row.language], row.form, is);
                count(byLanguageFormBefore[row.language], row.form, was);
            }
        }
        count(before, group, was);
        count(before, QStringLiteral("ALL"), was);
        count(after, group, is);
        count(after, QStringLiteral("ALL"), is);
        if (list && is != Right && is != BinaryRight)
            std::printf("%-13s %-40s %s %s %s: %s\n", verdictNames[is], qPrintable(row.path), qPrintable(row.language),
                qPrintable(row.form), qPrintable(row.encoding), qPrintable(describe(now)));
    }
    print("BEFORE (detector and the old rules)", before);
    print("AFTER (detectFileCoding)", after);
    print("AFTER, text files by language", byLanguage);
    print("AFTER, text files by encoding", byEncoding);
    std::printf("\n");
    printSummary("BEFORE (detector alone)", summarize(before, byLanguageFormBefore));
    printSummary("AFTER", summarize(after, byLanguageForm));
    if (stopAfter >= 0)
        std::printf("\nfeeding the detector only %lld bytes changed %d answers\n", stopAfter, changedByStop);
    return 0;
}
