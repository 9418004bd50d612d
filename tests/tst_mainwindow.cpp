// What only the window shows: the save-folder toggle and its look, the
// target list, Home and About, the keyboard and screen readers, the drop
// graphic, the result page, the questions as boxes, and the Detail and
// Review dialogs. Runs go through the real controller and engine on files
// in a temporary folder, without its pauses; what a run decides is
// tst_controller's business.
#include "kvmainwindow.h"
#include "kvresultdialog.h"
#include "kvreviewdialog.h"
#include "runcontroller.h"
#include "testsupport.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using State = RunController::State;

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n");
const QString russian = QString::fromUtf8("Москва. Пришла весна, в парке расцвели цветы. Дети бегают по траве, а "
                                          "пожилые люди сидят на скамейках и разговаривают о погоде.\n");

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The contrast of a button's text with its face, as painted: the face is
// its commonest colour, the text the colour that differs from it most.
double textContrast(QWidget *button)
{
    const QImage image = button->grab().toImage();
    QHash<QRgb, int> counts;
    QRgb face = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int seen = ++counts[image.pixel(x, y)];
            if (seen > counts.value(face))
                face = image.pixel(x, y);
        }
    }
    // Inside the border, where only the face and the text are.
    double most = 1;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x)
            most = qMax(most, contrast(QColor(face), QColor(image.pixel(x, y))));
    }
    return most;
}

class Scenario : public Scratch
{
public:
    Scenario() { prepare(&window); }

    KvMainWindow window;
    KvMainWindow *current = &window; // the window, or the one after a restart
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QString folderAnswer; // the text of the button that answers the save-folder question
    QStringList boxes; // "title|text" of each question

    RunController *controller() const { return current->controller(); }
    // Quits Karvo and starts it again, on the same settings and undo store.
    void restart()
    {
        restarted = std::make_unique<KvMainWindow>();
        current = restarted.get();
        prepare(current);
    }
    template<typename T> T *child(const char *name) const { return current->findChild<T *>(QLatin1String(name)); }
    QStackedWidget *pages() const { return child<QStackedWidget>("stackedWidget"); }
    bool shown(const char *name) const { return !child<QWidget>(name)->isHidden(); }

    // Drops `names` on the current page as a file manager would.
    void drop(const QStringList &names)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls.append(QUrl::fromLocalFile(path(name)));
        data.setUrls(urls);
        QWidget *page = pages()->currentWidget();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &drop);
    }

    // Drops and waits until the run has settled.
    bool run(const QStringList &names)
    {
        drop(names);
        return settle();
    }
    bool settle()
    {
        return QTest::qWaitFor(
            [this] {
                const State state = controller()->state();
                return state == State::Idle || state == State::Summary || state == State::Reviewing;
            },
            60000);
    }

    // Opens Detail; the dialog stays open for the test to look at.
    KvResultDialog *detail()
    {
        QTest::mouseClick(child<QToolButton>("checkButton"), Qt::LeftButton);
        return current->findChild<KvResultDialog *>();
    }

private:
    void prepare(KvMainWindow *window)
    {
        window->controller()->setStepPause(0);
        QObject::connect(window->controller(), &RunController::questionAsked, window,
            [this, window] { QTimer::singleShot(0, window, [this, window] { answerBox(window); }); });
    }

    void answerBox(KvMainWindow *window)
    {
        auto *box = window->findChild<QMessageBox *>();
        if (!box || !box->isVisible())
            return;
        boxes.append(box->windowTitle() + QLatin1Char('|') + box->text());
        if (!folderAnswer.isEmpty()) {
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == folderAnswer)
                    button->click();
            }
            return;
        }
        QAbstractButton *choice = box->button(answer);
        (choice ? choice : box->button(QMessageBox::Ok))->click();
    }

    std::unique_ptr<KvMainWindow> restarted;
};

} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TstMainWindow : public QObject
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
        Karvo::installTranslators(*qApp, QLocale::c());
        QSettings().clear();
        QDir(store.path()).removeRecursively();
    }

    void saveFolder_data()
    {
        // Each click takes the chooser's next answer, if the click asks at all.
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("hint");

        QTest::newRow("choose") << QStringList {"/home/me/Docs"} << 1 << 1 << QStringLiteral("/home/me/Docs")
                                << "save to: /home/me/Docs (missing)";
        QTest::newRow("cancel") << QStringList {QString()} << 1 << 1 << QString() << "replace source file";
        QTest::newRow("second click clears without asking")
            << QStringList {"/home/me/Docs"} << 2 << 1 << QString() << "replace source file";
        QTest::newRow("clear, then choose again")
            << QStringList {"/a", "/tmp"} << 3 << 2 << QStringLiteral("/tmp") << "save to: /tmp";
        const QString deep = QStringLiteral("/srv/a-rather-long-folder-name/deeper/and-deeper-still/out");
        QTest::newRow("a long path, shortened in the middle")
            << QStringList {deep} << 1 << 1 << deep << QString::fromUtf8("save to: /srv/a-rather…still/out");
    }

    void saveFolder()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, clicks);
        QFETCH(int, asked);
        QFETCH(QString, folder);
        QFETCH(QString, hint);

        Scenario s;
        int calls = 0;
        s.window.setDirectoryChooser([&](QWidget *, const QString &) { return answers.value(calls++); });
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(s.child<QToolButton>("folderButton"), Qt::LeftButton);

        QCOMPARE(calls, asked);
        QCOMPARE(s.window.currentSaveFolder(), folder);
        QCOMPARE(s.child<QToolButton>("folderButton")->isChecked(), !folder.isEmpty());
        auto *label = s.child<QLabel>("tishiLabel");
        // Whether the folder is there is looked up off the window's thread.
        if (hint.contains(QChar(0x2026))) { // the elision depends on the font: check its ends
            QTRY_VERIFY(label->text().endsWith(QLatin1String("/out (missing)")));
            QVERIFY(label->text().startsWith(hint.section(QChar(0x2026), 0, 0).left(14)));
        } else {
            QTRY_COMPARE(label->text(), hint);
        }
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->toolTip(), folder);
    }

    void togglesLookOff()
    {
        // Off, the Folder and Subfolders buttons still read as buttons that
        // work: their text stands out from their face.
        Scenario s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        for (const char *name : {"folderButton", "subfolderButton"}) {
            auto *button = s.child<QToolButton>(name);
            QVERIFY(!button->isChecked());
            QVERIFY2(textContrast(button) >= 3.0, name);
        }
    }

    void targetList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::newRow("part of a name") << QStringLiteral("1252") << "windows-1252";
        QTest::newRow("an alias") << QStringLiteral("latin1") << "ISO-8859-1";
        QTest::newRow("a name Qt knows") << QStringLiteral("gb2312") << "GBK";
        QTest::newRow("a name that begins others") << QStringLiteral("iso-8859-1") << "ISO-8859-1";
        QTest::newRow("no such codec keeps the target") << QStringLiteral("klingon") << "UTF-8";
        QTest::newRow("several matches keep the target") << QStringLiteral("8859") << "UTF-8";
    }

    void targetList()
    {
        QFETCH(QString, typed);
        QFETCH(QString, target);

        Scenario s;
        auto *box = s.child<QComboBox>("targetCoding");
        QCOMPARE(box->currentText(), QStringLiteral("UTF-8"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(s.window.currentTarget().name(), target);
        QCOMPARE(box->currentText(), target);
    }

    void chooser_data()
    {
        QTest::addColumn<QString>("how"); // keys, or the widget clicked
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("records"); // of the run started; -1 for none

        QTest::newRow("Ctrl+O, two files") << "Ctrl+O" << QStringList {"a.txt", "in/b.txt"} << 2;
        QTest::newRow("click on the graphic") << "dropIcon" << QStringList {"a.txt"} << 1;
        QTest::newRow("click on the text") << "dropLabel" << QStringList {"in/b.txt"} << 1;
        QTest::newRow("Space on the graphic") << "Space" << QStringList {"a.txt"} << 1;
        QTest::newRow("Ctrl+Shift+O, a folder") << "Ctrl+Shift+O" << QStringList {"in"} << 2;
        QTest::newRow("cancelled") << "Ctrl+O" << QStringList() << -1;
    }

    void chooser()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, chosen);
        QFETCH(int, records);

        Scenario s;
        s.file(QStringLiteral("a.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/b.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/c.txt"), "x\n");
        QStringList paths, asked; // "files", or the folder chooser's caption
        for (const QString &name : qAsConst(chosen))
            paths.append(s.path(name));
        s.window.setFileChooser([&](QWidget *) { return asked.append(QStringLiteral("files")), paths; });
        s.window.setDirectoryChooser(
            [&](QWidget *, const QString &caption) { return asked.append(caption), paths.value(0); });
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        if (how.startsWith(QLatin1String("Ctrl")))
            QTest::keySequence(&s.window, QKeySequence(how));
        else if (how == QLatin1String("Space"))
            QTest::keyClick(s.child<QWidget>("dropIcon"), Qt::Key_Space);
        else
            QTest::mouseClick(s.child<QWidget>(qPrintable(how)), Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        if (records < 0) {
            QCOMPARE(s.controller()->state(), State::Idle);
            return;
        }

        QVERIFY(s.settle());
        QCOMPARE(s.window.lastRun().size(), records);
        // The summary is announced, and the save folder is a question of its own.
        QCOMPARE(s.child<QWidget>("resultPage")->accessibleDescription(), s.controller()->summary());
        QTest::keyClick(&s.window, Qt::Key_Escape); // clicks Back, which takes a moment
        QTRY_COMPARE(s.pages()->currentIndex(), 0);
        QTest::mouseClick(s.child<QToolButton>("folderButton"), Qt::LeftButton);
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked.at(1) != asked.at(0));
    }

    void keyboard()
    {
        // On each page, Tab from the control focused first visits these;
        // they and the page are named and described for screen readers. F1
        // opens the About box.
        const QList<QStringList> chains
            = {{"dropIcon", "targetCoding", "folderButton", "subfolderButton", "moreAppButton"}, {"cancelButton"},
                {"backButton", "checkButton", "reviewButton", "undoButton"}};
        auto described = [](QWidget *widget) {
            QAccessibleInterface *info = QAccessible::queryAccessibleInterface(widget);
            return !info->text(QAccessible::Name).isEmpty() && !info->text(QAccessible::Description).isEmpty();
        };
        Scenario s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        for (const char *button : {"checkButton", "reviewButton", "undoButton"})
            s.child<QWidget>(button)->show();
        for (int page = 0; page < chains.size(); ++page) {
            s.pages()->setCurrentIndex(page);
            QVERIFY(described(s.pages()->currentWidget()));
            QStringList visited;
            for (int i = 0; i <= chains.at(page).size(); ++i) {
                QWidget *focus = QApplication::focusWidget();
                QVERIFY2(described(focus), qPrintable(focus->objectName()));
                visited.append(focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            QCOMPARE(visited, chains.at(page) + chains.at(page).mid(0, 1));
        }
        QTest::keyClick(&s.window, Qt::Key_F1);
        QVERIFY(s.window.findChild<QMessageBox *>(QStringLiteral("aboutBox")));
    }

    void dropHighlight()
    {
        // The graphic lights while files hover; which drags the page takes
        // is tst_droptarget's business. tests/CMakeLists.txt runs this once more with QT_SCALE_FACTOR=2.
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        Scenario s;
        auto shaftAlpha = [&s, ratio] {
            const QPixmap pixmap = s.child<QLabel>("dropIcon")->pixmap(Qt::ReturnByValue);
            return pixmap.devicePixelRatioF() == ratio && pixmap.size() == QSize(96, 96) * ratio
                ? pixmap.toImage().pixelColor(QPoint(48, 48) * ratio).alpha()
                : -1;
        };
        QCOMPARE(shaftAlpha(), 128);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.child<QWidget>("dropPage"), &enter);
        QCOMPARE(shaftAlpha(), 230);
        QDragLeaveEvent leave;
        QApplication::sendEvent(s.child<QWidget>("dropPage"), &leave);
        QCOMPARE(shaftAlpha(), 128);
    }

    void oneFile()
    {
        // A file run alone that fails: its status, name and encodings
        // unbroken, as text, the reason in full on the page, no box, and
        // Detail all the same.
        Scenario s;
        s.file(QStringLiteral("<i>a.txt"), encoded("windows-1251", russian));
        s.controller()->setTarget(Karvo::Encoding::named(QStringLiteral("windows-1252")));
        s.window.show();
        QVERIFY(s.run({QStringLiteral("<i>a.txt")}));
        QCOMPARE(s.pages()->currentIndex(), 2);
        auto *label = s.child<QLabel>("resultLabel");
        QCOMPARE(label->text(), s.controller()->summary());
        QVERIFY(label->text().contains(QLatin1String("<i>a.txt\n(")));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const QFontMetrics metrics(label->font());
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(), qPrintable(line));
        auto *why = s.child<QLabel>("reasonLabel");
        QVERIFY(why->isVisible() && !s.controller()->reason().isEmpty());
        QCOMPARE(why->text(), s.controller()->reason());
        QVERIFY(why->heightForWidth(why->width()) <= why->height());
        QVERIFY(s.shown("checkButton"));
        QCOMPARE(s.boxes, QStringList());
    }

    void detailTable()
    {
        // Sorted by a column, the problems alone, rows copied as text, the
        // whole run as CSV, a row shown in the file manager.
        Scenario s;
        s.file(QStringLiteral("in/file10.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/file2.txt"), chinese.toUtf8());
        s.file(QStringLiteral("in/file1.txt"), encoded("windows-1251", russian));
        s.controller()->setTarget(Karvo::Encoding::named(QStringLiteral("windows-1251")));
        QVERIFY(s.run({QStringLiteral("in")}));
        KvResultDialog *detail = s.detail();
        QTableView *table = detail->table();
        QAbstractItemModel *rows = table->model();
        const auto column = [rows](int column) {
            QStringList cells;
            for (int row = 0; row < rows->rowCount(); ++row)
                cells.append(rows->index(row, column).data().toString());
            return cells;
        };
        QCOMPARE(rows->columnCount(), 5);
        table->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(column(1), QStringList({"in/file1.txt", "in/file2.txt", "in/file10.txt"}));
        detail->findChild<QCheckBox *>(QStringLiteral("problemsOnly"))->setChecked(true);
        QCOMPARE(column(1), QStringList({"in/file2.txt", "in/file10.txt"}));

        table->selectRow(1);
        QTest::mouseClick(detail->findChild<QPushButton *>(QStringLiteral("copyButton")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QStringLiteral("Failed\tin/file10.txt\tGB18030\twindows-1251\t%1\n").arg(column(4).at(1)));

        detail->setSaveChooser([&s](QWidget *, const QString &) { return s.path(QStringLiteral("run.csv")); });
        QTest::mouseClick(detail->findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        const QStringList csv = QString::fromUtf8(s.bytes(QStringLiteral("run.csv"))).split(QStringLiteral("\r\n"));
        // The whole run, problems or not, with each file's full path.
        QCOMPARE(csv.size(), 5); // a header, three files, and the end of the last line
        QVERIFY(csv.join(QLatin1Char('\n')).contains(s.path(QStringLiteral("in/file10.txt"))));

        QStringList revealed;
        detail->setRevealer([&](const QString &path) { revealed.append(path); });
        QVERIFY(QTest::qWaitForWindowExposed(detail));
        const QModelIndex second = rows->index(1, 0);
        // An item view takes a double click as one only after a click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualRect(second).center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualRect(second).center());
        QCOMPARE(revealed, QStringList {s.path(QStringLiteral("in/file10.txt"))});
        QVERIFY(detail->isSizeGripEnabled());
    }

    void batchReview()
    {
        // Several doubtful files, surest first: the preview shows the
        // selected one in the encoding picked, and one click converts all
        // the selected ones.
        Scenario s;
        const QString text = QString::fromUtf8("中文");
        s.file(QStringLiteral("in/a.txt"), gb18030(text));
        s.file(QStringLiteral("in/b.txt"), gb18030(text));
        QVERIFY(s.run({QStringLiteral("in")}));
        QVERIFY(s.shown("reviewButton"));
        QTest::mouseClick(s.child<QToolButton>("reviewButton"), Qt::LeftButton);
        auto *review = s.window.findChild<KvReviewDialog *>();
        QVERIFY(review);
        QCOMPARE(review->fileList()->topLevelItemCount(), 2);
        QComboBox *box = review->encodingBox();
        box->setCurrentIndex(box->findData(QVariant::fromValue(Karvo::Encoding::named(QStringLiteral("GB18030")))));
        QTRY_COMPARE(review->findChild<QPlainTextEdit *>(QStringLiteral("previewText"))->toPlainText(), text);
        review->fileList()->selectAll();
        QTest::mouseClick(review->findChild<QPushButton *>(QStringLiteral("convertButton")), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&s] { return !s.controller()->isConverting(); }, 20000));
        QCOMPARE(s.bytes(QStringLiteral("in/a.txt")), text.toUtf8());
        QCOMPARE(s.bytes(QStringLiteral("in/b.txt")), text.toUtf8());
        QCOMPARE(review->fileList()->topLevelItem(0)->text(1), QStringLiteral("Converted"));
        review->reject();
        QCOMPARE(s.controller()->state(), State::Summary);
        QVERIFY(!s.shown("reviewButton"));
    }

    void saveFolderMissing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("converted"); // where the converted copy is, if anywhere
        QTest::newRow("create it again") << QStringLiteral("Create it again") << "gone/a.txt";
        QTest::newRow("choose another") << QStringLiteral("Choose another...") << "other/a.txt";
        QTest::newRow("in place") << QStringLiteral("Convert in place") << "a.txt";
        QTest::newRow("cancel") << "Cancel" << QString();
    }

    void saveFolderMissing()
    {
        // A save folder chosen, then gone before a restart: the page says so,
        // and the next drop asks once instead of writing in place.
        QFETCH(QString, button);
        QFETCH(QString, converted);
        Scenario s;
        s.file(QStringLiteral("a.txt"), gb18030(chinese));
        QDir(s.dir.path()).mkdir(QStringLiteral("other"));
        s.controller()->setSaveFolder(s.path(QStringLiteral("gone")));
        s.restart();
        QTRY_VERIFY(s.child<QLabel>("tishiLabel")->text().endsWith(QLatin1String("gone (missing)")));
        s.current->setDirectoryChooser([&s](QWidget *, const QString &) { return s.path(QStringLiteral("other")); });
        s.folderAnswer = button;
        QVERIFY(s.run({QStringLiteral("a.txt")}));
        QCOMPARE(s.boxes.size(), 1);
        for (const QString name : {"gone/a.txt", "other/a.txt", "a.txt"}) {
            const QByteArray expected = name == converted ? chinese.toUtf8()
                : name == QLatin1String("a.txt")          ? gb18030(chinese)
                                                          : QByteArray("<missing>");
            QVERIFY2(s.bytes(name) == expected, qPrintable(name));
        }
    }

    void copiesAndUndo()
    {
        // After a run into a save folder, the page links to it and offers
        // Undo; after a restart, so does the drop page, and the target chosen
        // in the list is the one shown and used (below the separator, rows
        // and codecs are one apart).
        const QString target = QStringLiteral("ISO-8859-3");
        Scenario s;
        s.file(QStringLiteral("a.txt"), "caf\xc3\xa9\n");
        s.controller()->setSaveFolder(s.folder(QStringLiteral("out")));
        auto *box = s.child<QComboBox>("targetCoding");
        box->setCurrentIndex(box->findText(target));
        QVERIFY(!s.shown("undoLastButton"));
        QVERIFY(s.run({QStringLiteral("a.txt")}));
        QVERIFY(s.shown("undoButton") && !s.shown("reasonLabel"));
        auto *link = s.child<QLabel>("copiesLabel");
        QVERIFY(link->isVisibleTo(&s.window));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QRegularExpressionMatch href = QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(link->text());
        emit link->linkActivated(href.captured(1));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl::fromLocalFile(s.path(QStringLiteral("out")))}));

        s.restart();
        box = s.child<QComboBox>("targetCoding");
        QCOMPARE(box->itemText(box->currentIndex()), target); // the row, not only the text typed
        QCOMPARE(s.current->currentTarget().name(), target);
        auto *last = s.child<QToolButton>("undoLastButton");
        QTRY_VERIFY(!last->isHidden());
        QVERIFY(last->toolTip().endsWith(QLatin1String(" 1 file to ISO-8859-3")));
        last->click();
        QVERIFY(s.settle());
        QVERIFY(!s.shown("undoButton"));
        QCOMPARE(s.bytes(QStringLiteral("out/a.txt")), QByteArray("<missing>"));
    }

    void questions_data()
    {
        QTest::addColumn<int>("large"); // files over 10 MiB, beside one small file
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title"); // of the one box asked
        QTest::newRow("one, named; No leaves it out") << 1 << int(QMessageBox::No) << "big0.txt";
        QTest::newRow("two, counted; Yes converts them") << 2 << int(QMessageBox::Yes) << "Karvo";
    }

    void questions()
    {
        // Asked once, and quietly: nothing on the console, even for the engine.
        QFETCH(int, large);
        QFETCH(int, answer);
        QFETCH(QString, title);

        static QStringList printed;
        printed.clear();
        const QtMessageHandler before
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
                  if (type == QtDebugMsg || type == QtInfoMsg)
                      printed.append(text);
              });
        Scenario s;
        s.file(QStringLiteral("in/small.txt"), "a\n");
        for (int i = 0; i < large; ++i)
            s.file(QStringLiteral("in/big%1.txt").arg(i), QByteArray(10 * 1024 * 1024 + 1, 'a'));
        s.answer = QMessageBox::StandardButton(answer);
        const bool settled = s.run({QStringLiteral("in")});
        qInstallMessageHandler(before);
        QVERIFY(settled);
        QCOMPARE(s.boxes.size(), 1);
        QCOMPARE(s.boxes.first().section(QLatin1Char('|'), 0, 0), title);
        QCOMPARE(s.boxes.first().section(QLatin1Char('|'), 1).startsWith(QString::number(large)), large > 1);
        QCOMPARE(s.window.lastRun().size(), large + 1);
        for (const Karvo::FileResult &result : s.window.lastRun())
            QCOMPARE(result.outcome.failure == Karvo::Failure::LeftOut,
                answer == QMessageBox::No && result.fileName.contains(QLatin1String("big")));
        QCOMPARE(printed, QStringList());
    }

    void processing()
    {
        // The processing page: progress, a drop that waits its turn, and
        // Escape as Cancel; the result page tells that the waiting drop
        // starts on the way back, where it does.
        Scenario s;
        const int count = 1000;
        for (int i = 0; i < count; ++i)
            s.file(QStringLiteral("in/%1.txt").arg(i), gb18030(chinese));
        s.file(QStringLiteral("b.txt"), gb18030(chinese));
        auto *bar = s.child<QProgressBar>("progressBar");
        QSignalSpy waiting(s.controller(), &RunController::waitingDropsChanged);
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        s.drop({QStringLiteral("in")});
        QVERIFY(QTest::qWaitFor([bar, count] { return bar->maximum() == count && bar->value() > 0; }, 20000));
        s.drop({QStringLiteral("b.txt")});
        QVERIFY(s.shown("waitingLabel"));
        QTest::keyClick(&s.window, Qt::Key_Escape); // as the Cancel button does
        QVERIFY(s.settle());
        QVERIFY(s.window.lastRun().size() > 0 && s.window.lastRun().size() < count);
        QVERIFY(s.shown("nextLabel"));
        QTest::mouseClick(s.child<QToolButton>("backButton"), Qt::LeftButton);
        QVERIFY(s.settle());
        QVERIFY(!s.shown("nextLabel"));
        QCOMPARE(s.window.lastRun().value(0).fileName, QStringLiteral("b.txt"));
        QCOMPARE(waiting.size(), 2);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
