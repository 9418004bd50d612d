// Undo that always works: runs killed at any moment, runs still going in
// another process, a store that cannot be written, an undo that fails or is
// cancelled halfway. After each, what the run changed is put back byte for
// byte, or stays undoable, and the store keeps no original that its journal
// does not name.
#include "facts.h"
#include "jobsupport.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Karvo;

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n");

struct Tree : Scratch
{
    QString store() const { return path(QStringLiteral("store")); }
    QString data(const QString &name = QString()) const { return path(QStringLiteral("data/") + name); }

    // `count` files of GB18030, each different, and their bytes by name.
    QHash<QString, QByteArray> files(int count, int repeat = 1)
    {
        QHash<QString, QByteArray> originals;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("f%1.txt").arg(i);
            originals.insert(name, gb18030(QString::number(i) + chinese.repeated(repeat)));
            file(data(name), originals.value(name));
        }
        return originals;
    }

    int stillChanged(const QHash<QString, QByteArray> &originals) const
    {
        int changed = 0;
        for (auto it = originals.cbegin(); it != originals.cend(); ++it)
            changed += contents(data(it.key())) != it.value() ? 1 : 0;
        return changed;
    }

    // Originals kept in the store, by their numbers.
    QStringList kept() const
    {
        QStringList all;
        QDirIterator it(store(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            bool number = false;
            QFileInfo(it.next()).fileName().toInt(&number);
            if (number)
                all.append(it.filePath());
        }
        return all;
    }
};

// The helper process: a run or an undo, killed or paused after the nth
// call of one system call.
int helper(const QStringList &arguments, QProcess *process = nullptr)
{
    QProcess own;
    QProcess &p = process ? *process : own;
    p.start(QStringLiteral(KARVO_TEST_RUN), arguments);
    if (!p.waitForStarted())
        qFatal("the helper did not start");
    if (process)
        return 0;
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

class TstUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QStringLiteral("undo"));
    }

    void killed_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("repeat"); // of the text in each file
        QTest::addColumn<QString>("killAfter"); // a system call, and after how many of them; "undo": of the undo

        // The store's own writes come first: its run counter (one rename,
        // one folder sync) and the journal's first line (two syncs).
        QTest::newRow("after the first file's rename") << 40 << 1 << "renameat2:2";
        QTest::newRow("after twenty renames") << 40 << 1 << "renameat2:21";
        QTest::newRow("after an original was kept, before its journal line") << 40 << 1 << "linkat:7";
        QTest::newRow("between syncs") << 40 << 1 << "fdatasync:9";
        QTest::newRow("after a folder sync") << 40 << 1 << "fsync:12";
        QTest::newRow("a large file, right after its rename") << 1 << 60000 << "renameat2:2";
        QTest::newRow("a large file, before its rename") << 1 << 60000 << "fdatasync:4";
        QTest::newRow("an undo, after twelve renames") << 30 << 1 << "undo renameat2:12";
    }

    void killed()
    {
        QFETCH(int, count);
        QFETCH(int, repeat);
        QFETCH(QString, killAfter);

        Tree t;
        const QHash<QString, QByteArray> originals = t.files(count, repeat);
        const bool undoKilled = killAfter.startsWith(QLatin1String("undo "));
        if (undoKilled) { // of a run that ended
            QCOMPARE(helper({t.store(), t.data()}), 0);
            const QString id = UndoStore(t.store()).runIds().value(0);
            QCOMPARE(helper({t.store(), "--undo", id, "--stop-after", killAfter.mid(5)}), -1);
            QVERIFY(t.stillChanged(originals) < count);
        } else {
            QCOMPARE(helper({t.store(), QStringLiteral("--stop-after"), killAfter, t.data()}), -1);
        }
        const int changed = t.stillChanged(originals);

        // At the next start, the run is there to undo, with every file it
        // changed (and any a killed undo put back before it could say so),
        // and an undo puts each back.
        const QList<UndoRunInfo> runs = UndoStore(t.store()).runs();
        QCOMPARE(runs.size(), changed > 0 ? 1 : 0);
        if (changed > 0) {
            QVERIFY(runs.first().files == changed || (undoKilled && runs.first().files > changed));
            for (const UndoResult &result : undoAll(t.store(), runs.first().id))
                QVERIFY2(result.undone, qPrintable(describe(result.outcome)));
        }
        QCOMPARE(t.stillChanged(originals), 0);
        // No original is kept that a journal does not name for undo.
        QCOMPARE(t.kept(), QStringList());
    }

    void runStillGoingIsBusy()
    {
        // Another process's run, stopped halfway, is neither undone nor
        // pruned; once it is gone it is recovered like any killed run.
        Tree t;
        const QHash<QString, QByteArray> originals = t.files(30);
        QProcess p;
        helper({t.store(), QStringLiteral("--pause-after"), "renameat2:10", t.data()}, &p);
        const auto stopped = [&] {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(p.processId()));
            const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
            return line.mid(line.lastIndexOf(')') + 2, 1) == "T";
        };
        QTRY_VERIFY_WITH_TIMEOUT(stopped(), 30000);
        QList<UndoRunInfo> runs = UndoStore(t.store()).runs();
        QCOMPARE(runs.size(), 1);
        QVERIFY(runs.first().busy);
        bool busy = false;
        QVERIFY(undoAll(t.store(), runs.first().id, false, &busy).isEmpty());
        QVERIFY(busy);
        QSettings().setValue(QStringLiteral("undo/maxBytes"), 0);
        UndoStore(t.store()).prune();
        QSettings().remove(QStringLiteral("undo"));
        QVERIFY(QFileInfo::exists(UndoStore(t.store()).runFolder(runs.first().id)));

        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
        runs = UndoStore(t.store()).runs();
        QCOMPARE(runs.size(), 1);
        QVERIFY(!runs.first().busy);
        undoAll(t.store(), runs.first().id);
        QCOMPARE(t.stillChanged(originals), 0);
    }

    void listingsSideBySide_data()
    {
        QTest::addColumn<QString>("stopAfter"); // empty: the run ends
        QTest::addColumn<bool>("busy"); // while another listing looks at it
        QTest::newRow("a finished run is no run going") << QString() << false;
        QTest::newRow("a killed run is recovered by one listing alone") << "renameat2:5" << true;
    }

    void listingsSideBySide()
    {
        // Another listing looking at the run at the same moment holds its
        // lock shared; an undo that starts then waits for it instead of
        // calling the run busy.
        QFETCH(QString, stopAfter);
        QFETCH(bool, busy);
        Tree t;
        const QHash<QString, QByteArray> originals = t.files(10);
        QStringList arguments {t.store(), t.data()};
        if (!stopAfter.isEmpty())
            arguments = QStringList {t.store(), QStringLiteral("--stop-after"), stopAfter, t.data()};
        QCOMPARE(helper(arguments), stopAfter.isEmpty() ? 0 : -1);
        const QString id = UndoStore(t.store()).runIds().value(0);
        const QString journal = UndoStore(t.store()).runFolder(id) + QStringLiteral("/journal");
        const QByteArray before = contents(journal);
        const int lock = ::open(QFile::encodeName(UndoStore(t.store()).runFolder(id) + "/lock"), O_RDONLY | O_CLOEXEC);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_SH) == 0);
        const QList<UndoRunInfo> runs = UndoStore(t.store()).runs();
        QCOMPARE(contents(journal), before);
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.first().busy, busy);
        QTimer::singleShot(200, [lock] { ::close(lock); });
        bool undoBusy = true;
        for (const UndoResult &result : undoAll(t.store(), id, false, &undoBusy))
            QVERIFY2(result.undone, qPrintable(describe(result.outcome)));
        QVERIFY(!undoBusy);
        QCOMPARE(t.stillChanged(originals), 0);
    }

    void runsAtOnceNeverShare()
    {
        Tree t;
        std::vector<std::unique_ptr<UndoRecorder>> recorders(8);
        std::vector<std::thread> threads;
        for (auto &recorder : recorders)
            threads.emplace_back([&] { recorder = UndoStore(t.store()).begin(QStringLiteral("UTF-8"), QString()); });
        for (std::thread &thread : threads)
            thread.join();
        QSet<QString> ids;
        for (const auto &recorder : recorders)
            ids.insert(recorder->id());
        QCOMPARE(ids.size(), 8);
        // Private: the originals may be anyone's private files.
        const auto mode = [](const QString &path) {
            struct stat info;
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        const QString run = UndoStore(t.store()).runFolder(*ids.begin());
        QCOMPARE(mode(t.store()), 0700);
        QCOMPARE(mode(run), 0700);
        QCOMPARE(mode(run + QStringLiteral("/journal")), 0600);
    }

    void storeFailures_data()
    {
        QTest::addColumn<QString>("call"); // "cancel": no fault, the undo is cancelled as it starts
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("undoing"); // the fault hits the undo, not the run

        // The run counter's file, the journal's first line, the first file,
        // then its journal line.
        QTest::newRow("the journal cannot be synced") << "fdatasync" << 4 << false;
        QTest::newRow("an undo runs out of space") << "renameat2" << 1 << true;
        QTest::newRow("an undo cancelled halfway") << "cancel" << 0 << true;
    }

    void storeFailures()
    {
        QFETCH(QString, call);
        QFETCH(int, nth);
        QFETCH(bool, undoing);

        const bool cancel = call == QLatin1String("cancel");
        const int count = cancel ? 300 : 3; // enough for a cancel to come halfway
        Tree t;
        const QHash<QString, QByteArray> originals = t.files(count);
        RunOptions options = keeping(t.store());
        options.threads = 1;
        QList<FileResult> results;
        {
            std::unique_ptr<Faults> failing(undoing ? nullptr : new Faults(call.toLatin1(), ENOSPC, nth));
            Run run(options);
            results = runAll(run, {t.data()});
        }
        if (!undoing) {
            // Without a journal nothing is written: there is no way back.
            for (const FileResult &result : results)
                QCOMPARE(result.outcome.failure, Failure::CannotKeepOriginal);
            QCOMPARE(t.stillChanged(originals), 0);
            QVERIFY(UndoStore(t.store()).runs().isEmpty());
            return;
        }
        const QString id = UndoStore(t.store()).runs().value(0).id;
        QList<UndoResult> undone;
        {
            std::unique_ptr<Faults> failing(cancel ? nullptr : new Faults(call.toLatin1(), ENOSPC, nth));
            undone = undoAll(t.store(), id, cancel);
        }
        // A failed undo, or one cancelled halfway, says how far it got; the
        // run stays undoable for the rest, and a second undo puts it back.
        const int failed
            = int(std::count_if(undone.cbegin(), undone.cend(), [](const UndoResult &r) { return !r.undone; }));
        QCOMPARE(failed, cancel ? 0 : 1);
        const int left = count - int(undone.size()) + failed;
        QVERIFY(left > 0);
        QCOMPARE(t.stillChanged(originals), left);
        QCOMPARE(UndoStore(t.store()).runs().value(0).files, left);
        undoAll(t.store(), id);
        QCOMPARE(t.stillChanged(originals), 0);
    }
};

QTEST_GUILESS_MAIN(TstUndo)
#include "tst_undo.moc"
