// How fast a whole run goes, and how live the window stays meanwhile.
//
//   karvo-run-bench make FOLDER COUNT KIB   write COUNT GB18030 files of KIB each
//   karvo-run-bench run FOLDER [THREADS] [--recursive] [--keep STORE]
//                                           convert FOLDER's files to UTF-8 in place;
//                                           --keep: keep the originals in STORE for undo
//   karvo-run-bench undo STORE              undo the newest run kept in STORE
//   karvo-run-bench window FOLDER|FILE      the same through the window, offscreen,
//                                           printing the longest stall of its event loop
//
// `run` and `window` print seconds spent between the start of the work and
// its end, without the window's two fixed pauses; bench/compare-folder.sh
// puts `run` beside a uchardet + iconv shell loop over the same files.
#include "encoding.h"
#include "kvmainwindow.h"
#include "run.h"
#include "undo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTextCodec>
#include <QTimer>

#include <QDirIterator>

#include <cstdio>

#include <sys/stat.h>

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

// What the store takes on disk: allocated blocks, so that a hard link to a
// file that is gone counts in full.
qint64 storeBytes(const QString &store)
{
    qint64 bytes = 0;
    QDirIterator it(store, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat info;
        if (::stat(QFile::encodeName(it.next()).constData(), &info) == 0)
            bytes += qint64(info.st_blocks) * 512;
    }
    return bytes;
}

int run(const QString &folder, int threads, bool recursive, const QString &store)
{
    Karvo::RunOptions options;
    options.target = Karvo::codecByName(QStringLiteral("UTF-8"));
    options.threads = threads;
    options.recursive = recursive;
    options.keepOriginals = !store.isEmpty();
    options.undoFolder = store;
    Karvo::Run run(options);
    QElapsedTimer clock;
    QObject::connect(&run, &Karvo::Run::walked, [&] { run.process(run.files()); });
    QObject::connect(&run, &Karvo::Run::finished, [&] {
        int converted = 0;
        for (const Karvo::FileResult &result : run.results())
            converted += result.status == Karvo::FileStatus::Converted;
        std::printf("run: %d of %d files converted in %.3f s\n", converted, int(run.files().size()),
            clock.nsecsElapsed() / 1e9);
        if (!store.isEmpty())
            std::printf("kept for undo: %d files, store %.1f MiB on disk\n", run.undoableCount(),
                storeBytes(store) / 1048576.0);
        QCoreApplication::quit();
    });
    clock.start();
    run.walk({folder});
    return QCoreApplication::exec();
}

int undo(const QString &store)
{
    const QList<Karvo::UndoRunInfo> runs = Karvo::UndoStore(store).runs();
    if (runs.isEmpty())
        return 1;
    Karvo::Undo undo(Karvo::UndoStore(store), runs.first().id);
    QElapsedTimer clock;
    QObject::connect(&undo, &Karvo::Undo::finished, [&] {
        int undone = 0;
        for (const Karvo::UndoResult &result : undo.results())
            undone += result.undone;
        std::printf("undo: %d of %d files put back in %.3f s, store %.1f MiB on disk after\n", undone, undo.total(),
            clock.nsecsElapsed() / 1e9, storeBytes(store) / 1048576.0);
        QCoreApplication::quit();
    });
    clock.start();
    undo.start();
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
        QStringList args = app.arguments().mid(3);
        const bool recursive = args.removeAll(QStringLiteral("--recursive")) > 0;
        const int keep = args.indexOf(QStringLiteral("--keep"));
        const QString store = keep >= 0 ? args.value(keep + 1) : QString();
        if (keep >= 0)
            args.erase(args.begin() + keep, args.begin() + qMin(args.size(), keep + 2));
        return run(path, args.value(0).toInt(), recursive, store);
    }
    if (mode == QLatin1String("undo")) {
        QCoreApplication app(argc, argv);
        return undo(path);
    }
    if (mode == QLatin1String("window")) {
        QApplication app(argc, argv);
        return window(path);
    }
    std::fputs("usage: karvo-run-bench make FOLDER COUNT KIB | run FOLDER [THREADS] [--recursive] [--keep STORE]"
               " | undo STORE | window FOLDER|FILE\n",
        stderr);
    return 2;
}
