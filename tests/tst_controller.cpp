// The run's sequence without a window: items dropped on the controller, the
// questions it asks answered as a table says, and the records and summary
// that come out, over files in a temporary folder and the real engine.
#include "facts.h"
#include "report.h"
#include "runcontroller.h"
#include "settings.h"
#include "targetlistmodel.h"
#include "testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using Karvo::FileResult;
using State = RunController::State;
using Question = RunController::Question;

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                                          "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");
const QString russian = QString::fromUtf8("Москва. Пришла весна, в парке расцвели цветы. Дети бегают по траве, а "
                                          "пожилые люди сидят на скамейках и разговаривают о погоде.\n");

// The bytes of a file as a table names them.
QByteArray bytesFor(const QString &kind)
{
    if (kind == QLatin1String("gb"))
        return encoded("GB18030", chinese);
    if (kind == QLatin1String("utf8"))
        return chinese.toUtf8();
    if (kind == QLatin1String("ru"))
        return encoded("windows-1251", russian);
    if (kind == QLatin1String("doubtful"))
        return encoded("GB18030", QString::fromUtf8("中文"));
    if (kind == QLatin1String("big"))
        return QByteArray(RunController::largeFileSize + 1, 'a');
    if (kind == QLatin1String("binary"))
        return elfHeader().repeated(64);
    return QByteArray();
}

// One row's world: files made from "path=kind" entries, in a folder of its own.
// "path/" is a folder, "path=@target" a symbolic link, and "%E9" in a path
// a raw byte, for names that are not valid UTF-8.
class World : public Scratch
{
public:
    // Qt cannot name a file whose name is not UTF-8, so cannot remove it.
    ~World()
    {
        for (const QByteArray &raw : qAsConst(rawNames))
            ::unlink(raw.constData());
    }

    QList<QByteArray> rawNames;

    void make(const QStringList &entries)
    {
        for (const QString &entry : entries) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            const QString kind = entry.section(QLatin1Char('='), 1);
            QDir(dir.path()).mkpath(QFileInfo(path(name)).path());
            const QByteArray raw = QFile::encodeName(path(name)).replace("%E9", "\xe9");
            if (name.contains(QLatin1String("%E9")))
                rawNames.append(raw);
            if (name.endsWith(QLatin1Char('/')))
                QDir(dir.path()).mkpath(name);
            else if (kind.startsWith(QLatin1Char('@')))
                QVERIFY(::symlink(QFile::encodeName(kind.mid(1)).constData(), raw.constData()) == 0);
            else {
                const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                const QByteArray bytes = bytesFor(kind);
                QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
                ::close(fd);
            }
        }
    }
};

// A record as a table compares it: the Detail row's status, file and
// encodings, then the failure's facts.
QString described(const FileResult &result, const QString &target)
{
    const Karvo::ReportRow row = Karvo::reportRow(result, target);
    QString text = QStringLiteral("%1 %2 %3->%4").arg(row.status, row.file, row.from, row.to);
    if (!result.outcome.ok())
        text += QLatin1Char(' ') + facts(result.outcome);
    return text;
}

// Drives a controller through one run, answering its questions from a
// "question=answer" list: large=yes|no, undo=yes|no,
// folder=create|inplace|cancel|choose:NAME.
class Driver
{
public:
    explicit Driver(World &world)
        : world(world)
    {
        controller.setStepPause(0);
        QObject::connect(&controller, &RunController::questionAsked, [this](Question question) { answer(question); });
    }

    RunController controller;
    QStringList answers;
    QStringList asked;

    // Starts a run over `names` and waits until it settles.
    bool run(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(world.path(name));
        controller.start(paths);
        return QTest::qWaitFor([this] { return settled(); }, 60000);
    }
    bool settled() const
    {
        const State state = controller.state();
        return !controller.isConverting()
            && (state == State::Idle || state == State::Summary || state == State::Reviewing);
    }
    QStringList records() const
    {
        QStringList list;
        for (const FileResult &result : controller.results())
            list.append(described(result, controller.runTarget().name()));
        list.sort();
        return list;
    }

private:
    void answer(Question question)
    {
        const QString key = question == Question::LargeFiles ? QStringLiteral("large")
            : question == Question::WithoutUndo              ? QStringLiteral("undo")
                                                             : QStringLiteral("folder");
        asked.append(key);
        // Each answer is given once, in order; a question asked again takes the next.
        const int first = answers.indexOf(QRegularExpression(key + QLatin1String("=.*")));
        const QString given = first < 0 ? QString() : answers.takeAt(first).section(QLatin1Char('='), 1);
        if (question == Question::LargeFiles)
            controller.answerLargeFiles(given == QLatin1String("yes"));
        else if (question == Question::WithoutUndo)
            controller.answerWithoutUndo(given == QLatin1String("yes"));
        else if (given == QLatin1String("create"))
            controller.answerSaveFolder(RunController::FolderAnswer::Create);
        else if (given == QLatin1String("inplace"))
            controller.answerSaveFolder(RunController::FolderAnswer::InPlace);
        else if (given.startsWith(QLatin1String("choose:")))
            controller.answerSaveFolder(RunController::FolderAnswer::Choose, world.path(given.mid(7)));
        else
            controller.answerSaveFolder(RunController::FolderAnswer::Cancel);
    }

    World &world;
};

} // namespace

class TstController : public QObject
{
    Q_OBJECT

    QTemporaryDir store;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("KARVO_UNDO_DIR", QFile::encodeName(store.path()));
    }

    void init()
    {
        QSettings().clear();
        QDir(store.path()).removeRecursively();
        qputenv("KARVO_UNDO_DIR", QFile::encodeName(store.path()));
    }

    void run_data();
    void run();
    void settingsOfEitherQt_data();
    void settingsOfEitherQt();
    void targetList();
    void cancelled();
    void review();
    void undo();
};

void TstController::run_data()
{
    QTest::addColumn<QStringList>("files"); // "path=kind", see World
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("choices"); // to=ENCODING, save=FOLDER, subfolders, store=broken
    QTest::addColumn<QStringList>("answers"); // see Driver
    QTest::addColumn<QStringList>("records"); // see described(), sorted
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("after"); // "path=kind" afterwards, "path=none" for no file

    // Lists as "a|b|c"; no summary when the run ends without one.
    const auto row = [](const char *name, const char *files, const char *dropped, const char *choices,
                         const char *answers, const char *records, const char *summary, const char *after) {
        const auto list
            = [](const char *text) { return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts); };
        QTest::newRow(name) << list(files) << list(dropped) << list(choices) << list(answers) << list(records)
                            << (summary ? QString::fromUtf8(summary) : QString()) << list(after);
    };
    row("every file converted", "in/a.txt=gb|in/b.txt=ru", "in", "", "",
        "Converted in/a.txt GB18030->UTF-8|Converted in/b.txt windows-1251->UTF-8", "[2/2] Success!", "in/a.txt=utf8");
    row("some failed: no Success!", "in/a.txt=ru|in/b.txt=gb|in/c.txt=ru", "in", "to=windows-1251", "",
        "Failed in/b.txt GB18030->windows-1251 lossy-target 1:1 U+6625 windows-1251|"
        "Unchanged in/a.txt windows-1251->windows-1251|Unchanged in/c.txt windows-1251->windows-1251",
        "[2/3] converted\n1 failed", "in/b.txt=gb");
    row("the target spelled as the catalogue spells it", "b.txt=ru", "b.txt", "to=windows-1252", "",
        "Failed tmp/b.txt windows-1251->windows-1252 lossy-target 1:1 U+041C windows-1252",
        "[Failed] b.txt\n(windows-1251->windows-1252)", "b.txt=ru");
    row("empty folder", "in/", "in", "", "", "", "Nothing to convert: the folder is empty", "");
    row("large file left out, alone", "big.txt=big", "big.txt", "", "large=no", "Left out tmp/big.txt ->UTF-8 left-out",
        "[Left out] big.txt", "");
    row("large file left out, in a folder", "in/big.txt=big|in/a.txt=gb", "in", "", "large=no",
        "Converted in/a.txt GB18030->UTF-8|Left out in/big.txt ->UTF-8 left-out", "[1/2] converted\n1 left out", "");
    row("large file converted when it is text", "big.txt=big", "big.txt", "", "large=yes",
        "Unchanged tmp/big.txt ASCII->UTF-8", "[Success] big.txt\n(ASCII->UTF-8)", "");
    // Which of the two is met first is up to the folder.
    row("a link and its target: done once, not failed", "in/a.txt=gb|in/link.txt=@a.txt", "in", "", "",
        "Converted in/*.txt GB18030->UTF-8|Duplicate in/*.txt ->UTF-8 same-file-in-run",
        "[1/1] Success!\n1 named twice", "in/a.txt=utf8");
    row("binary left alone, noted", "in/a.txt=gb|in/b.bin=binary", "in", "", "",
        "Binary in/b.bin ->|Converted in/a.txt GB18030->UTF-8", "[1/1] Success!\n1 binary left alone", "");
    row("a name that is not UTF-8 is accounted for", "in/a.txt=gb|in/bad%E9.txt=gb", "in", "", "",
        "Converted in/a.txt GB18030->UTF-8|Failed in/bad\\xE9.txt ->UTF-8 name-not-utf8", "[1/2] converted\n1 failed",
        "");
    row("hidden files counted", "in/a.txt=gb|in/.b.txt=gb|in/.git/c.txt=gb", "in", "subfolders", "",
        "Converted in/a.txt GB18030->UTF-8", "[Success] a.txt\n(GB18030->UTF-8)\n2 hidden files passed over",
        "in/.b.txt=gb");
    // As after an earlier drop of the same folder.
    row("save folder inside the dropped folder is not walked", "proj/a.txt=gb|proj/inside/a.txt=utf8", "proj",
        "save=proj/inside|subfolders", "", "Converted proj/a.txt GB18030->UTF-8", "[Success] a.txt\n(GB18030->UTF-8)",
        "proj/a.txt=gb|proj/inside/a.txt=utf8|proj/inside/inside/a.txt=none");
    const char *converted = "Converted tmp/a.txt GB18030->UTF-8", *success = "[Success] a.txt\n(GB18030->UTF-8)";
    row("save folder missing: made again", "a.txt=gb", "a.txt", "save=gone", "folder=create", converted, success,
        "a.txt=gb|gone/a.txt=utf8");
    row("save folder missing: another chosen", "a.txt=gb|other/", "a.txt", "save=gone", "folder=choose:other",
        converted, success, "a.txt=gb|other/a.txt=utf8|gone/a.txt=none");
    row("save folder missing: in place", "a.txt=gb", "a.txt", "save=gone", "folder=inplace", converted, success,
        "a.txt=utf8|gone/a.txt=none");
    row("save folder missing, and cannot be made: asked again", "a.txt=gb|file=gb", "a.txt", "save=file/gone",
        "folder=create|folder=cancel", "", nullptr, "a.txt=gb|file=gb");
    row("no Undo: declined", "a.txt=gb", "a.txt", "store=broken", "undo=no", "", nullptr, "a.txt=gb");
    row("no Undo: converted anyway", "a.txt=gb", "a.txt", "store=broken", "undo=yes", converted, success, "a.txt=utf8");
}

void TstController::run()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, choices);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, records);
    QFETCH(QString, summary);
    QFETCH(QStringList, after);

    World world;
    world.make(files);
    // A file dropped alone is listed under its own folder's name.
    const QString folderName = QFileInfo(world.dir.path()).fileName();
    for (QString &record : records)
        record.replace(QLatin1String(" tmp/"), QLatin1Char(' ') + folderName + QLatin1Char('/'));
    Driver driver(world);
    driver.answers = answers;
    for (const QString &choice : qAsConst(choices)) {
        const QString value = choice.section(QLatin1Char('='), 1);
        if (choice.startsWith(QLatin1String("to=")))
            driver.controller.setTarget(Karvo::Encoding::named(value));
        else if (choice.startsWith(QLatin1String("save=")))
            driver.controller.setSaveFolder(world.path(value));
        else if (choice == QLatin1String("subfolders"))
            driver.controller.setSubfolders(true);
        else if (choice == QLatin1String("store=broken"))
            qputenv("KARVO_UNDO_DIR", QFile::encodeName(writeFile(world.path(QStringLiteral("store")), "x")));
    }

    QVERIFY(driver.run(dropped));
    QStringList asked;
    for (const QString &answer : qAsConst(answers))
        asked.append(answer.section(QLatin1Char('='), 0, 0));
    QCOMPARE(driver.asked, asked);
    const QStringList got = driver.records();
    QCOMPARE(got.size(), records.size());
    for (int i = 0; i < got.size(); ++i) {
        const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(records.at(i)));
        QVERIFY2(
            pattern.match(got.at(i)).hasMatch(), qPrintable(got.at(i) + QStringLiteral(" is not ") + records.at(i)));
    }
    QCOMPARE(driver.controller.state(), summary.isNull() ? State::Idle : State::Summary);
    if (!summary.isNull())
        QCOMPARE(driver.controller.summary(), summary);
    for (const QString &expected : qAsConst(after)) {
        const QString kind = expected.section(QLatin1Char('='), 1);
        const QString name = expected.section(QLatin1Char('='), 0, 0);
        QVERIFY2(world.bytes(name) == (kind == QLatin1String("none") ? QByteArray("<missing>") : bytesFor(kind)),
            qPrintable(expected));
    }
}

// A settings file as the Qt 5 and the Qt 6 build write it, read by either.
void TstController::settingsOfEitherQt_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("UTF-8, as Qt 6 writes") << QByteArray("\xe5\x87\xba\xe5\x8a\x9b");
    QTest::newRow("escaped, as Qt 5 writes") << QByteArray("\\x51fa\\x529b");
}

void TstController::settingsOfEitherQt()
{
    QFETCH(QByteArray, written);
    writeFile(QSettings().fileName(), "[General]\nsaveFolder=/tmp/" + written + '\n');
    QCOMPARE(Karvo::Settings().saveFolder(), QString::fromUtf8("/tmp/出力"));
}

void TstController::targetList()
{
    // The common targets, a separator that maps to no codec, then the rest;
    // every codec on exactly one row, and found again by a new start once
    // chosen.
    TargetListModel list;
    QCOMPARE(list.rowCount(), Karvo::catalogue().size() + 1);
    QStringList names;
    int separators = 0;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QModelIndex index = list.index(row);
        if (list.isSeparator(row)) {
            ++separators;
            QVERIFY(!list.encodingAt(row).isValid());
            QVERIFY(!list.flags(index).testFlag(Qt::ItemIsSelectable));
            QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("separator"));
            continue;
        }
        QCOMPARE(list.rowOf(list.encodingAt(row)), row);
        names.append(index.data().toString());
        RunController().setTarget(list.encodingAt(row));
        QCOMPARE(RunController().target().name(), names.last());
    }
    QCOMPARE(separators, 1);
    QCOMPARE(names.mid(0, 4), QStringList({"UTF-8", "UTF-16", "UTF-16LE", "UTF-16BE"}));
    QCOMPARE(names.removeDuplicates(), 0);
}

void TstController::cancelled()
{
    // Cancelled halfway: no "Success!", and the count of what was done, which
    // is all that was done.
    World world;
    QStringList files;
    for (int i = 0; i < 400; ++i)
        files.append(QStringLiteral("in/%1.txt=gb").arg(i));
    world.make(files);
    Driver driver(world);
    QObject::connect(&driver.controller, &RunController::progress, [&driver](int done) {
        if (done > 0)
            driver.controller.cancel();
    });
    QVERIFY(driver.run({QStringLiteral("in")}));
    const int done = driver.controller.results().size();
    QVERIFY(done > 0 && done < 400);
    QCOMPARE(std::count_if(files.cbegin(), files.cend(),
                 [&](const QString &file) { return world.bytes(file.chopped(3)) == bytesFor(QStringLiteral("utf8")); }),
        done);
    QCOMPARE(driver.controller.summary(), QStringLiteral("Cancelled after %1 of 400 files\n%1 converted").arg(done));

    // Cancelled while the folder is walked: nothing at all.
    driver.controller.back();
    driver.controller.start({world.path(QStringLiteral("in"))});
    driver.controller.cancel();
    QVERIFY(QTest::qWaitFor([&] { return driver.settled(); }, 20000));
    QCOMPARE(driver.controller.summary(), QStringLiteral("Cancelled: nothing was written"));
}

void TstController::review()
{
    // Several doubtful files: surest first, converted together with the
    // encoding picked, and the summary follows.
    World world;
    world.make({"in/a.txt=doubtful", "in/b.txt=doubtful", "in/c.txt=gb", "in/link.txt=@c.txt"});
    Driver driver(world);
    QVERIFY(driver.run({QStringLiteral("in")}));
    QCOMPARE(driver.controller.summary(), QStringLiteral("[1/3] converted\n2 to review, 1 named twice"));
    QVERIFY(driver.controller.canReview());
    const QList<FileResult> doubtful = driver.controller.doubtfulFiles();
    QCOMPARE(doubtful.size(), 2);
    for (const FileResult &file : doubtful) {
        const Karvo::ReportRow row = Karvo::reportRow(file, QStringLiteral("UTF-8"));
        QVERIFY(row.problem);
        QVERIFY2(
            row.from.count(QLatin1Char(',')) <= 2 && !row.from.contains(QLatin1String("->")), qPrintable(row.from));
    }

    driver.controller.review();
    QCOMPARE(driver.controller.state(), State::Reviewing);
    // A file converted already, under either of its names, is not read
    // again as something else.
    const QString converted = world.path(QStringLiteral("in/c.txt"));
    const Karvo::Encoding gb18030 = Karvo::Encoding::named(QStringLiteral("GB18030"));
    driver.controller.convertAs({converted, world.path(QStringLiteral("in/link.txt"))}, gb18030);
    QVERIFY(!driver.controller.isConverting());
    QSignalSpy reviewed(&driver.controller, &RunController::reviewed);
    driver.controller.convertAs({doubtful.at(0).path, doubtful.at(1).path, converted}, gb18030);
    QVERIFY(reviewed.wait(20000));
    QCOMPARE(reviewed.first().first().value<QList<FileResult>>().size(), 2);
    QCOMPARE(world.bytes(QStringLiteral("in/a.txt")), QString::fromUtf8("中文").toUtf8());
    QCOMPARE(world.bytes(QStringLiteral("in/b.txt")), QString::fromUtf8("中文").toUtf8());
    QCOMPARE(world.bytes(QStringLiteral("in/c.txt")), chinese.toUtf8());
    driver.controller.endReview();
    QCOMPARE(driver.controller.state(), State::Summary);
    QCOMPARE(driver.controller.summary(), QStringLiteral("[3/3] Success!\n1 named twice"));
    QVERIFY(!driver.controller.canReview());

    // Undo takes back the run and its review alike.
    driver.controller.undoRun();
    QVERIFY(QTest::qWaitFor([&] { return driver.controller.state() == State::Summary; }, 20000));
    QCOMPARE(driver.controller.summary(), QStringLiteral("[3/3] Undone"));
    QCOMPARE(world.bytes(QStringLiteral("in/a.txt")), bytesFor(QStringLiteral("doubtful")));
    QCOMPARE(world.bytes(QStringLiteral("in/c.txt")), bytesFor(QStringLiteral("gb")));
}

void TstController::undo()
{
    // Undo of the last run from the drop page after a restart; a run undone
    // is no longer offered, and a run still going is not undone under it.
    World world;
    QStringList files {"a.txt=gb"};
    for (int i = 0; i < 300; ++i)
        files.append(QStringLiteral("in/%1.txt=gb").arg(i));
    world.make(files);
    {
        Driver driver(world);
        QVERIFY(driver.run({QStringLiteral("a.txt")}));
        QVERIFY(driver.controller.canUndo());
    }
    Driver driver(world);
    QVERIFY(QTest::qWaitFor([&] { return driver.controller.hasLastRun(); }, 20000));
    QCOMPARE(driver.controller.lastRun().files, 1);

    Driver other(world);
    other.controller.start({world.path(QStringLiteral("in"))});
    QVERIFY(QTest::qWaitFor([&] { return other.controller.state() == State::Running; }, 20000));
    QSignalSpy busy(&driver.controller, &RunController::lastRunBusy);
    driver.controller.refreshLastRun();
    QVERIFY(QTest::qWaitFor([&] { return driver.controller.lastRun().busy; }, 20000));
    driver.controller.undoLast();
    QCOMPARE(busy.size(), 1);
    QCOMPARE(driver.controller.state(), State::Idle);
    other.controller.cancel();
    QVERIFY(QTest::qWaitFor([&] { return other.settled(); }, 20000));

    driver.controller.refreshLastRun();
    QVERIFY(QTest::qWaitFor([&] { return !driver.controller.lastRun().busy; }, 20000));
    driver.controller.undoLast();
    QCOMPARE(driver.controller.state(), State::Undoing);
    QVERIFY(QTest::qWaitFor([&] { return driver.controller.state() == State::Summary; }, 20000));
    QVERIFY(driver.controller.showsUndo());
    QVERIFY(driver.controller.summary().startsWith(QLatin1String("[")));
    QVERIFY(!driver.controller.canUndo());
}

QTEST_GUILESS_MAIN(TstController)
#include "tst_controller.moc"
