// How often detection gets a file's encoding right, before and after the
// judge, on a corpus made by bench/corpus/generate.py.
//
//   karvo-detect-accuracy CORPUS_FOLDER [--stop-after BYTES] [--list]
//
// "before" is the detector alone with the old rules (the UTF-8 override and
// the charset name mapping); "after" is detectFileCoding. A text file counts
// as right when detection is sure and its codec decodes the file to the
// original text, doubtful when it asks and the original is among the
// candidates (doubtful-missing when not), wrong when it is sure and the text
// differs, failed when it found no codec that decodes the file. A binary file
// is misjudged when detection would let it be converted. --stop-after also
// detects with the detector fed only that many bytes and lists every file
// whose answer changes; --list prints every file that is not right.
#include "detection.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextCodec>
#include <QTextDecoder>

#include <uchardet/uchardet.h>

#include <cstdio>

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
    return QStringLiteral("%1%2 conf %3 [%4]")
        .arg(r.kind == DetectResult::Kind::Binary ? QStringLiteral("BINARY ") : QString(), r.name())
        .arg(r.confidence, 0, 'f', 2)
        .arg(candidates.join(QLatin1Char(' ')));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: karvo-detect-accuracy CORPUS_FOLDER [--stop-after BYTES] [--list]\n");
        return 2;
    }
    const QString folder = args.at(1);
    const int stopAt = args.indexOf(QStringLiteral("--stop-after"));
    const qint64 stopAfter = stopAt > 0 && stopAt + 1 < args.size() ? args.at(stopAt + 1).toLongLong() : -1;
    const bool list = args.contains(QStringLiteral("--list"));

    QFile manifest(folder + QLatin1String("/manifest.tsv"));
    if (!manifest.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no manifest.tsv in %s: run bench/corpus/generate.py first\n", qPrintable(folder));
        return 1;
    }
    Table before, after, byLanguage;
    int changedByStop = 0;
    while (!manifest.atEnd()) {
        const QStringList row = QString::fromUtf8(manifest.readLine()).trimmed().split(QLatin1Char('\t'));
        if (row.size() < 6)
            continue;
        const QString path = row.at(0).startsWith(QLatin1Char('/')) ? row.at(0) : folder + QLatin1Char('/') + row.at(0);
        const QString &kind = row.at(1), &language = row.at(2), &form = row.at(3), &encoding = row.at(4);
        const QByteArray bytes = contents(path);
        const DetectResult now = Karvo::detectFileCoding(path);
        const DetectResult old = oldDetection(bytes);
        if (stopAfter >= 0) {
            Karvo::DetectionLimits limits;
            limits.detectorBytes = stopAfter;
            limits.detectorNonAscii = 0;
            const DetectResult early = Karvo::detectFileCoding(path, limits);
            if (early.encoding != now.encoding || early.doubtful != now.doubtful) {
                ++changedByStop;
                std::printf("early stop changes %s: %s -> %s\n", qPrintable(path), qPrintable(describe(now)),
                    qPrintable(describe(early)));
            }
        }
        Verdict was, is;
        QString group;
        if (kind == QLatin1String("binary")) {
            was = judgeBinary(bytes, old);
            is = judgeBinary(bytes, now);
            group = QStringLiteral("binary ") + form.left(4);
        } else {
            const QString truth = QString::fromUtf8(contents(folder + QLatin1Char('/') + row.at(5)))
                                      .normalized(QString::NormalizationForm_C);
            was = judgeText(bytes, truth, old);
            is = judgeText(bytes, truth, now);
            group = encoding.startsWith(QLatin1String("UTF")) ? QStringLiteral("unicode ") + form : form;
            count(byLanguage, language, is);
        }
        count(before, group, was);
        count(before, QStringLiteral("ALL"), was);
        count(after, group, is);
        count(after, QStringLiteral("ALL"), is);
        if (list && is != Right && is != BinaryRight)
            std::printf("%-13s %-40s %s %s %s: %s\n", verdictNames[is], qPrintable(row.at(0)), qPrintable(language),
                qPrintable(form), qPrintable(encoding), qPrintable(describe(now)));
    }
    print("BEFORE (detector and the old rules)", before);
    print("AFTER (detectFileCoding)", after);
    print("AFTER, text files by language", byLanguage);
    if (stopAfter >= 0)
        std::printf("\nfeeding the detector only %lld bytes changed %d answers\n", stopAfter, changedByStop);
    return 0;
}
