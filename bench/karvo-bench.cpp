// Throughput and memory of the engine on large generated files.
//
//   karvo-bench [MiB] [folder]
//   karvo-bench --generate MiB folder
//   karvo-bench --once FILE
//
// Writes a GB18030 file of Chinese prose and a windows-1252 file of Western
// European prose, each of the given size (128 MiB unless told), into the
// folder (a temporary one unless told, removed afterwards), then detects each
// and converts it to UTF-8, printing the time, the throughput and the peak
// resident memory of each step. With a folder given, the files stay there.
// --generate only writes the files; --once detects and converts FILE into
// FILE.utf8 once and prints one line, "once SECONDS PEAK-MiB CHARSET", so
// that bench/compare-with-iconv.sh can take turns with other tools.
#include "conversion.h"
#include "detection.h"
#include "encoding.h"
#include "report.h"
#include "streaming.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEncoder>
#include <QVector>

#include <algorithm>
#include <cstdio>

namespace {

const QStringList chineseSentences = {
    QString::fromUtf8("春天来了，公园里的花都开了。"),
    QString::fromUtf8("孩子们在草地上奔跑，老人们坐在长椅上聊天。"),
    QString::fromUtf8("我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。"),
    QString::fromUtf8("北京是一座有着三千多年历史的古老城市。"),
    QString::fromUtf8("会议将于2024年3月15日下午两点在第三会议室举行。"),
    QString::fromUtf8("请在周五之前提交项目报告，并附上详细的预算说明。"),
    QString::fromUtf8("这本书讲述了一个普通家庭在改革开放年代的奋斗故事。"),
    QString::fromUtf8("天气预报说明天有小雨，出门记得带伞。"),
    QString::fromUtf8("他用Python写了一个小程序，自动整理每天的邮件。"),
    QString::fromUtf8("长江是中国最长的河流，全长约六千三百公里。"),
};

const QStringList westernSentences = {
    QString::fromUtf8("Le printemps est arrivé et les fleurs du parc se sont épanouies. "),
    QString::fromUtf8("Les enfants courent sur la pelouse, les personnes âgées bavardent sur les bancs. "),
    QString::fromUtf8("« Ça coûte 5 € », dit le garçon en mangeant une crème brûlée. "),
    QString::fromUtf8("Die Größe des Gebäudes überraschte alle Besucher aus München. "),
    QString::fromUtf8("El niño español comió una piña en la montaña, ¿verdad? "),
    QString::fromUtf8("Où est la bibliothèque ? Elle est très loin d’ici, près du théâtre. "),
    QString::fromUtf8("Smørrebrød og æbleskiver er dansk mad — ikke svensk. "),
    QString::fromUtf8("The café’s “naïve” façade was repainted in 2019. "),
};

// Writes about `bytes` bytes of sentences drawn at random (but the same on
// every run) from `sentences`, in `codec`, a paragraph to a line.
bool generate(const QString &path, QTextCodec *codec, const QStringList &sentences, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator random(42);
    QTextEncoder encoder(codec, QTextCodec::IgnoreHeader);
    QString paragraph;
    while (file.size() < bytes) {
        paragraph.clear();
        for (int i = 0; i < 4096; ++i) {
            paragraph += sentences.at(int(random.bounded(sentences.size())));
            if (random.bounded(6) == 0)
                paragraph += QLatin1Char('\n');
        }
        if (file.write(encoder.fromUnicode(paragraph)) < 0)
            return false;
    }
    return true;
}

// Peak resident memory since the last reset, in MiB (Linux only).
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

struct Figures
{
    qint64 detectNs = 0;
    qint64 convertNs = 0;
    double peak = 0;
};

// Detects and converts the file `runs` times; the median run counts, so that
// a stray hiccup of the machine does not.
bool measure(const QString &path, const char *label, int runs)
{
    const qint64 size = QFileInfo(path).size();
    const QString converted = path + QLatin1String(".utf8");
    std::printf("%s, %.1f MiB (%s)\n", label, double(size) / (1 << 20), qPrintable(path));

    QVector<Figures> figures;
    DetectResult detection;
    for (int run = 0; run < runs; ++run) {
        Figures f;
        QElapsedTimer timer;
        resetPeak();
        timer.start();
        detection = Karvo::detectFileCoding(path);
        f.detectNs = timer.nsecsElapsed();
        timer.start();
        const Karvo::Outcome outcome = Karvo::convertFile(path, converted, detection, Karvo::defaultTargetCodec());
        f.convertNs = timer.nsecsElapsed();
        f.peak = peakMiB();
        if (!outcome.ok()) {
            std::printf("  conversion failed: %s\n", qPrintable(Karvo::describe(outcome)));
            return false;
        }
        figures.append(f);
    }
    std::sort(figures.begin(), figures.end(),
        [](const Figures &a, const Figures &b) { return a.detectNs + a.convertNs < b.detectNs + b.convertNs; });
    const Figures &median = figures.at(figures.size() / 2);
    const auto rate = [size](qint64 ns) { return double(size) / 1e6 / (double(ns) / 1e9); };
    std::printf("  detected %s; wrote %.1f MiB of UTF-8\n", qPrintable(detection.name()),
        double(QFileInfo(converted).size()) / (1 << 20));
    std::printf("  detect  %8.3f s %9.1f MB/s\n", double(median.detectNs) / 1e9, rate(median.detectNs));
    std::printf("  convert %8.3f s %9.1f MB/s\n", double(median.convertNs) / 1e9, rate(median.convertNs));
    std::printf("  both    %8.3f s   peak RSS %.1f MiB (median of %d runs)\n",
        double(median.detectNs + median.convertNs) / 1e9, median.peak, runs);
    std::printf("summary\t%s\t%.3f\t%.1f\n", qPrintable(QFileInfo(path).fileName()),
        double(median.detectNs + median.convertNs) / 1e9, median.peak);
    return true;
}

} // namespace

// Detects and converts `path` once; for the comparison script.
int once(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    const DetectResult detection = Karvo::detectFileCoding(path);
    const Karvo::Outcome outcome
        = Karvo::convertFile(path, path + QLatin1String(".utf8"), detection, Karvo::defaultTargetCodec());
    const qint64 ns = timer.nsecsElapsed();
    if (!outcome.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(Karvo::describe(outcome)));
        return 1;
    }
    std::printf("once %.3f %.1f %s\n", double(ns) / 1e9, peakMiB(), qPrintable(detection.name()));
    return 0;
}

int main(int argc, char *argv[])
{
    Karvo::keepBuffers(); // as karvo does
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--once"))
        return once(args.at(2));
    const bool generateOnly = args.size() == 4 && args.at(1) == QLatin1String("--generate");
    if (generateOnly)
        args.removeAt(1);
    const qint64 mebibytes = args.size() > 1 ? args.at(1).toLongLong() : 128;
    if (mebibytes <= 0) {
        std::fprintf(stderr, "usage: karvo-bench [MiB] [folder] | --generate MiB folder | --once FILE\n");
        return 2;
    }
    QTemporaryDir temporary;
    const QString folder = args.size() > 2 ? args.at(2) : temporary.path();

    const QString chinese = folder + QLatin1String("/chinese.gb18030");
    const QString western = folder + QLatin1String("/western.cp1252");
    std::printf("Generating %lld MiB files in %s ...\n", mebibytes, qPrintable(folder));
    if (!generate(chinese, QTextCodec::codecForName("GB18030"), chineseSentences, mebibytes << 20)
        || !generate(western, QTextCodec::codecForName("windows-1252"), westernSentences, mebibytes << 20)) {
        std::fprintf(stderr, "cannot write the files\n");
        return 1;
    }
    if (generateOnly)
        return 0;
    const int runs = mebibytes > 1024 ? 1 : 3;
    const bool ok
        = measure(chinese, "GB18030 Chinese prose", runs) & measure(western, "windows-1252 Western prose", runs);
    return ok ? 0 : 1;
}
