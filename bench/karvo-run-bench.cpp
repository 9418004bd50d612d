// How fast a whole run goes, and how live the window stays meanwhile.
//
//   karvo-run-bench make FOLDER COUNT KIB   write COUNT GB18030 files of KIB each
//   karvo-run-bench run FOLDER [THREADS]    convert FOLDER's files to UTF-8 in place
//   karvo-run-bench window FOLDER|FILE      the same through the window, offscreen,
//                                           printing the longest stall of its event loop
//
// `run` and `window` print seconds spent between the start of the work and
// its end, without the window's two fixed pauses; bench/compare-folder.sh
// puts `run` beside a uchardet + iconv shell loop over the same files.
#include "codecs.h"
#include "kvmainwindow.h"
#include "run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTextCodec>
#include <QTimer>

#include <cstdio>

namespace {

int make(const QString &folder, int count, int kib)
{
    QFile sample(QStringLiteral(KARVO_SAMPLE_TEXT));
    if (!sample.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray unit = QTextCodec::codecForName("GB18030")->fromUnicode(QString::fromUtf8(sample.readAll()));
    QByteArray bytes = unit.repeated(kib * 1024 / unit.size() + 1);
    bytes.truncate(bytes.lastIndexOf('\n', kib * 1024) + 1);
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/note%2.txt").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}

int run(const QString &folder, int threads)
{
    Karvo::RunOptions options;
    options.target = Karvo::codecByName(QStringLiteral("UTF-8"));
    options.threads = threads;
    Karvo::Run run(options);
    QElapsedTimer clock;
    QObject::connect(&run, &Karvo::Run::walked, [&] { run.process(run.files()); });
    QObject::connect(&run, &Karvo::Run::finished, [&] {
        int converted = 0;
        for (const Karvo::FileResult &result : run.results())
            converted += result.status == Karvo::FileStatus::Converted;
        std::printf(
            "run: %d of %d files converted in %.3f s\n", converted, run.files().size(), clock.nsecsElapsed() / 1e9);
        QCoreApplication::quit();
    });
    clock.start();
    run.walk({folder});
    return QCoreApplication::exec();
}

// A 10 ms timer stands in for the repaints and input that the window must
// keep answering; the longest gap between its ticks is the longest stall.
int window(const QString &path)
{
    KvMainWindow window;
    window.show();
    auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QElapsedTimer clock, tick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = qMax(longest, tick.restart());
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
        if (pages->currentIndex() == 2) {
            // Less the two 500 ms pauses around the work.
            std::printf("window: done in %.3f s, longest stall %lld ms\n", clock.elapsed() / 1e3 - 1.0, longest);
            QApplication::quit();
        }
    });
    QTimer::singleShot(100, [&] {
        clock.start();
        tick.start();
        ticker.start();
        window.startRun({path});
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("make") && argc == 5)
        return make(path, atoi(argv[3]), atoi(argv[4]));
    if (mode == QLatin1String("run")) {
        QCoreApplication app(argc, argv);
        return run(path, argc > 3 ? atoi(argv[3]) : 0);
    }
    if (mode == QLatin1String("window")) {
        QApplication app(argc, argv);
        return window(path);
    }
    std::fputs("usage: karvo-run-bench make FOLDER COUNT KIB | run FOLDER [THREADS] | window FOLDER|FILE\n", stderr);
    return 2;
}
