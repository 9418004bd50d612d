// The window as a user meets it: the save-folder toggle, Back and Home, the
// keyboard and screen readers, the drop graphic, and runs started by a drop
// or a chooser, with the real timers and the real engine on files
// in a temporary folder, every message box answered and noted.
#include "kvacceptfilewidget.h"
#include "kvmainwindow.h"
#include "kvreviewdialog.h"
#include "testsupport.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QString chinese = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n");

QByteArray gb18030(const QString &text)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(text);
}

class Scenario
{
public:
    Scenario()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { answerBox(); });
        timer.start();
    }

    QTemporaryDir dir;
    KvMainWindow window;
    KvMainWindow *current = &window; // the window, or the one after a restart
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList boxes; // "title|text" of each message box, answered with `answer`

    QString path(const QString &name) const { return dir.filePath(name); }
    // Quits Karvo and starts it again, on the same settings and undo store.
    void restart()
    {
        restarted = std::make_unique<KvMainWindow>();
        current = restarted.get();
    }
    QString file(const QString &name, const QByteArray &bytes)
    {
        QDir(dir.path()).mkpath(QFileInfo(path(name)).path());
        return writeFile(path(name), bytes);
    }
    QByteArray bytes(const QString &name) const { return contents(path(name)); }
    template<typename T> T *child(const char *name) const { return current->findChild<T *>(QLatin1String(name)); }
    QStackedWidget *pages() const { return child<QStackedWidget>("stackedWidget"); }

    void setTarget(const QString &name)
    {
        auto *box = child<QComboBox>("targetCoding");
        box->setCurrentIndex(box->findText(name));
    }

    // Drops `names` on the window as a file manager would.
    void drop(const QStringList &names)
    {
        pages()->setCurrentIndex(0);
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls.append(QUrl::fromLocalFile(path(name)));
        data.setUrls(urls);
        auto *dropPage = child<KvAcceptFileWidget>("dropPage");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &drop);
    }

    // Drops and waits for the summary.
    bool run(const QStringList &names)
    {
        drop(names);
        return pages()->currentIndex() == 1 && QTest::qWaitFor([this] { return pages()->currentIndex() == 2; }, 60000);
    }

    QString summary() const { return child<QLabel>("resultLabel")->text(); }
    bool detailShown() const { return !child<QToolButton>("checkButton")->isHidden(); }

    // Opens the Detail dialog and returns its listing.
    QString detail()
    {
        QString listing;
        QTimer::singleShot(0, [&listing] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                listing = dialog->findChild<QPlainTextEdit *>()->toPlainText();
                dialog->accept();
            }
        });
        QTest::mouseClick(child<QToolButton>("checkButton"), Qt::LeftButton);
        return listing;
    }

private:
    void answerBox()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->text());
            QAbstractButton *choice = box->button(answer);
            (choice ? choice : box->button(QMessageBox::Ok))->click();
        }
    }

    QTimer timer;
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

        QTest::newRow("choose") << QStringList {"/home/me/Docs"} << 1 << 1 << "/home/me/Docs"
                                << "save to: /home/me/Docs";
        QTest::newRow("cancel") << QStringList {QString()} << 1 << 1 << QString() << "replace source file";
        QTest::newRow("second click clears without asking")
            << QStringList {"/home/me/Docs"} << 2 << 1 << QString() << "replace source file";
        QTest::newRow("clear, then choose again") << QStringList {"/a", "/home/me/Out"} << 3 << 2 << "/home/me/Out"
                                                  << "save to: /home/me/Out";
        QTest::newRow("file-system root") << QStringList {"/"} << 1 << 1 << "/"
                                          << "save to: /";
        const QString deep = QStringLiteral("/srv/a-rather-long-folder-name/deeper/and-deeper-still/out");
        QTest::newRow("a long path, shortened in the middle")
            << QStringList {deep} << 1 << 1 << deep << QString::fromUtf8("save to: /srv/a-rather…still/out");
        QTest::newRow("markup in a folder name") << QStringList {"/tmp/<i>x"} << 1 << 1 << "/tmp/<i>x"
                                                 << "save to: /tmp/<i>x";
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
        auto *label = s.child<QLabel>("tishiLabel");
        if (hint.contains(QChar(0x2026))) { // the elision depends on the font: check its ends
            QVERIFY(label->text().startsWith(hint.section(QChar(0x2026), 0, 0).left(14)));
            QVERIFY(label->text().endsWith(QLatin1String("/out")));
        } else {
            QCOMPARE(label->text(), hint);
        }
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->toolTip(), folder);
    }

    void targetList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::newRow("part of a name") << "1252"
                                        << "windows-1252";
        QTest::newRow("an alias") << "latin1"
                                  << "ISO-8859-1";
        QTest::newRow("a name Qt knows") << "gb2312"
                                         << "GBK";
        QTest::newRow("a name that begins others") << "iso-8859-1"
                                                   << "ISO-8859-1";
        QTest::newRow("no such codec keeps the target") << "klingon"
                                                        << "UTF-8";
        QTest::newRow("several matches keep the target") << "8859"
                                                         << "UTF-8";
    }

    void targetList()
    {
        QFETCH(QString, typed);
        QFETCH(QString, target);

        // Each codec once, the common ones first, then the rest in order.
        Scenario s;
        auto *box = s.child<QComboBox>("targetCoding");
        QStringList names;
        for (int i = 0; i < box->count(); ++i)
            names.append(box->itemText(i));
        QCOMPARE(names.mid(0, 4), QStringList({"UTF-8", "UTF-16", "UTF-16LE", "UTF-16BE"}));
        QCOMPARE(names.removeDuplicates(), 0); // the separator has an empty text
        const int separator = names.indexOf(QString());
        QCOMPARE(names.at(separator - 1), QStringLiteral("KOI8-U"));
        QStringList rest = names.mid(separator + 1), sorted = rest;
        std::sort(sorted.begin(), sorted.end(),
            [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(rest, sorted);
        QCOMPARE(box->currentText(), QStringLiteral("UTF-8"));

        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(s.window.currentTarget().name(), target);
        QCOMPARE(box->currentText(), target);
    }

    void undo_data()
    {
        QTest::addColumn<bool>("restart"); // undo from the drop page of a new window
        QTest::addColumn<bool>("changed"); // the file changed after the run
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("detail");
        QTest::newRow("Undo on the result page") << false << false << "[1/1] Undone"
                                                 << "[Undone]  a.txt";
        QTest::newRow("Undo last run after a restart") << true << false << "[1/1] Undone"
                                                       << "[Undone]  a.txt";
        QTest::newRow("changed since") << false << true << "[0/1] Undone\n1 left as it is now"
                                       << "[Left]       a.txt  It was changed after the run.";
    }

    void undo()
    {
        QFETCH(bool, restart);
        QFETCH(bool, changed);
        QFETCH(QString, summary);
        QFETCH(QString, detail);

        Scenario s;
        s.file(QStringLiteral("a.txt"), gb18030(chinese));
        QVERIFY(s.child<QToolButton>("undoLastButton")->isHidden());
        QVERIFY(s.run({QStringLiteral("a.txt")}));
        if (changed)
            s.file(QStringLiteral("a.txt"), "mine\n");
        auto *undo = s.child<QToolButton>(restart ? "undoLastButton" : "undoButton");
        if (restart) {
            s.restart();
            undo = s.child<QToolButton>("undoLastButton");
            QCOMPARE(undo->toolTip().section(QLatin1Char(':'), -1), QStringLiteral(" 1 file to UTF-8"));
        }
        QVERIFY(!undo->isHidden());
        undo->click();
        QVERIFY(QTest::qWaitFor([&s] { return s.pages()->currentIndex() == 2; }, 20000));

        QCOMPARE(s.summary(), summary);
        QVERIFY(s.child<QToolButton>("undoButton")->isHidden());
        QVERIFY(s.detail().startsWith(detail));
        QCOMPARE(s.bytes(QStringLiteral("a.txt")), changed ? QByteArray("mine\n") : gb18030(chinese));
        QTest::mouseClick(s.child<QToolButton>("backButton"), Qt::LeftButton);
        QVERIFY(s.child<QToolButton>("undoLastButton")->isHidden());
    }

    void withoutUndo_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("page"); // where the run ends
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("No: nothing written") << int(QMessageBox::No) << 0 << gb18030(chinese);
        QTest::newRow("Yes: converted, no Undo") << int(QMessageBox::Yes) << 2 << chinese.toUtf8();
    }

    void withoutUndo()
    {
        QFETCH(int, answer);
        QFETCH(int, page);
        QFETCH(QByteArray, bytes);

        // A store that cannot be written: one question before the run.
        Scenario s;
        qputenv("KARVO_UNDO_DIR", QFile::encodeName(s.file(QStringLiteral("store"), "not a folder")));
        s.file(QStringLiteral("a.txt"), gb18030(chinese));
        s.answer = QMessageBox::StandardButton(answer);
        s.drop({QStringLiteral("a.txt")});
        const bool ended
            = QTest::qWaitFor([&s, page] { return s.boxes.size() == 1 && s.pages()->currentIndex() == page; }, 20000);
        qputenv("KARVO_UNDO_DIR", QFile::encodeName(store.path()));
        QVERIFY(ended);
        QVERIFY(s.boxes.first().endsWith(QLatin1String("\nConvert anyway, without Undo?")));
        QCOMPARE(s.bytes(QStringLiteral("a.txt")), bytes);
        QVERIFY(s.child<QToolButton>("undoButton")->isHidden());
    }

    void settingsPersist_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<bool>("folderGone");
        QTest::addColumn<QString>("hint");
        QTest::newRow("all kept") << true << false << "save to: out";
        QTest::newRow("save folder gone") << false << true << "out is gone: replace source file";
    }

    void settingsPersist()
    {
        QFETCH(bool, subfolders);
        QFETCH(bool, folderGone);
        QFETCH(QString, hint);

        Scenario s;
        s.file(QStringLiteral("in/sub/a.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/b.txt"), gb18030(chinese));
        QDir(s.dir.path()).mkdir(QStringLiteral("out"));
        s.window.setDirectoryChooser([&s](QWidget *, const QString &) { return s.path(QStringLiteral("out")); });
        s.setTarget(QStringLiteral("KOI8-R"));
        QTest::mouseClick(s.child<QToolButton>("folderButton"), Qt::LeftButton);
        if (subfolders)
            QTest::mouseClick(s.child<QToolButton>("subfolderButton"), Qt::LeftButton);
        s.setTarget(QStringLiteral("UTF-16"));
        if (folderGone)
            QVERIFY(QDir(s.path(QStringLiteral("out"))).removeRecursively());

        s.restart();
        QCOMPARE(s.current->currentTarget().name(), QStringLiteral("UTF-16"));
        QCOMPARE(s.current->currentSaveFolder(), folderGone ? QString() : s.path(QStringLiteral("out")));
        QCOMPARE(s.child<QLabel>("tishiLabel")->text(), hint);
        QCOMPARE(s.child<QToolButton>("subfolderButton")->isChecked(), subfolders);
        QVERIFY(s.run({QStringLiteral("in")}));
        QCOMPARE(s.current->lastRun().size(), subfolders ? 2 : 1);
        QCOMPARE(QFileInfo::exists(s.path(QStringLiteral("out/sub/a.txt"))), subfolders);
    }

    // A settings file as the Qt 5 and the Qt 6 build write it, read by either.
    void settingsOfEitherQt_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("UTF-8, as Qt 6 writes") << QByteArray("\xe5\x87\xba\xe5\x8a\x9b");
        QTest::newRow("escaped, as Qt 5 writes") << QByteArray("\\x51fa\\x529b");
    }

    void settingsOfEitherQt()
    {
        QFETCH(QByteArray, written);

        Scenario s;
        QVERIFY(QDir(s.dir.path()).mkdir(QString::fromUtf8("出力")));
        const QString file = QSettings().fileName();
        writeFile(file, "[General]\nsaveFolder=" + QFile::encodeName(s.dir.path()) + '/' + written + '\n');
        s.restart();
        QCOMPARE(s.current->currentSaveFolder(), s.path(QString::fromUtf8("出力")));
    }

    void backAndHome()
    {
        Scenario s;
        s.setTarget(QStringLiteral("KOI8-R"));
        s.pages()->setCurrentIndex(2);
        QTest::mouseClick(s.child<QToolButton>("backButton"), Qt::LeftButton);
        QCOMPARE(s.pages()->currentIndex(), 0);
        QCOMPARE(s.window.currentTarget().name(), QStringLiteral("KOI8-R"));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QTest::mouseClick(s.child<QToolButton>("moreAppButton"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl(QStringLiteral("https://karvo.org/"))}));
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
            QCOMPARE(s.pages()->currentIndex(), 0);
            return;
        }

        // A second choice cannot start a run on top of this one.
        QTest::keySequence(&s.window, QKeySequence::Open);
        QVERIFY(QTest::qWaitFor([&s] { return s.pages()->currentIndex() == 2; }, 60000));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(s.window.lastRun().size(), records);
        // The summary is announced, and the save folder is a question of its own.
        QCOMPARE(s.child<QWidget>("resultPage")->accessibleDescription(), s.summary());
        QTest::keyClick(&s.window, Qt::Key_Escape); // clicks Back, which takes a moment
        QTRY_COMPARE(s.pages()->currentIndex(), 0);
        QTest::mouseClick(s.child<QToolButton>("folderButton"), Qt::LeftButton);
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked.at(1) != asked.at(0));
    }

    void keyboard()
    {
        // On each page, Tab from the control focused first visits these;
        // they and the page are named and described for screen readers.
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
    }

    void dropHighlight_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<int>("alpha"); // of the graphic while the drag hovers

        QTest::newRow("a file lights it") << QList<QUrl> {QUrl::fromLocalFile("/tmp/a.txt")} << 230;
        QTest::newRow("a web link does not") << QList<QUrl> {QUrl("https://example.org/a.txt")} << 128;
    }

    void dropHighlight()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(int, alpha);
        // tests/CMakeLists.txt runs this once more with QT_SCALE_FACTOR=2.
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
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.child<QWidget>("dropPage"), &enter);
        QCOMPARE(shaftAlpha(), alpha);
        QDragLeaveEvent leave;
        QApplication::sendEvent(s.child<QWidget>("dropPage"), &leave);
        QCOMPARE(shaftAlpha(), 128);
    }

    void oneFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("boxes");

        QTest::newRow("converted") << gb18030(chinese) << "UTF-8"
                                   << "[Success] <i>a.txt\n(GB18030->UTF-8)" << QStringList();
        QTest::newRow("a failure gets its box")
            << chinese.toUtf8() << "ISO-8859-1"
            << "[Failed] <i>a.txt\n(UTF-8->ISO-8859-1)"
            << QStringList {"Karvo|Could not convert file: the character U+6625 at line 1, column 1 cannot be "
                            "written in ISO-8859-1."};
    }

    void oneFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, target);
        QFETCH(QString, summary);
        QFETCH(QStringList, boxes);

        Scenario s;
        s.file(QStringLiteral("<i>a.txt"), bytes);
        s.setTarget(target);
        QVERIFY(s.run({QStringLiteral("<i>a.txt")}));
        QCOMPARE(s.summary(), summary);
        QCOMPARE(s.child<QLabel>("resultLabel")->textFormat(), Qt::PlainText);
        QVERIFY(!s.detailShown());
        QCOMPARE(s.boxes, boxes);
    }

    void translated_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dropText");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("failure");

        QTest::newRow("de") << QLocale("de_DE") << "Hier ablegen oder klicken,\num Datei oder Ordner zu wählen"
                            << "[1/2] Erfolgreich!\n1 fehlgeschlagen"
                            << "[Fehler]     b.txt  (GB18030->ISO-8859-1)  Die Datei ließ sich nicht umwandeln: Das "
                               "Zeichen U+6625 in Zeile 1, Spalte 1 lässt sich in ISO-8859-1 nicht schreiben.";
        QTest::newRow("zh_CN") << QLocale("zh_CN") << QString::fromUtf8("拖放到这里，或点击选择\n文件或文件夹")
                               << QString::fromUtf8("[1/2] 成功！\n1 个失败")
                               << QString::fromUtf8(
                                      "[失败]     b.txt  (GB18030->ISO-8859-1)  无法转换文件：第 1 行第 1 "
                                      "列的字符 U+6625 无法用 ISO-8859-1 表示。");
    }

    // The window, the summary and the engine's messages, all in the user's
    // language, with the run's figures and names in place.
    void translated()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, dropText);
        QFETCH(QString, summary);
        QFETCH(QString, failure);

        QVERIFY(!Karvo::installTranslators(*qApp, locale).isEmpty());
        Scenario s;
        QCOMPARE(s.child<QLabel>("dropLabel")->text(), dropText);
        s.file(QStringLiteral("b.txt"), gb18030(chinese));
        s.file(QStringLiteral("c.txt"), "caf\xc3\xa9\n");
        s.setTarget(QStringLiteral("ISO-8859-1"));
        QVERIFY(s.run({QStringLiteral("b.txt"), QStringLiteral("c.txt")}));
        QCOMPARE(s.summary(), summary);
        QCOMPARE(s.detail().section(QLatin1Char('\n'), 0, 0), failure);
    }

    void severalItemsOneRun()
    {
        // Two files and a folder dropped together: one run, in the order
        // dropped, with no box per failure; Detail gives every reason.
        Scenario s;
        s.file(QStringLiteral("b.txt"), gb18030(chinese));
        s.file(QStringLiteral("in/c.txt"), "caf\xc3\xa9\n");
        s.file(QStringLiteral("a.txt"), chinese.toUtf8());
        s.setTarget(QStringLiteral("ISO-8859-1"));
        QVERIFY(s.run({QStringLiteral("b.txt"), QStringLiteral("in"), QStringLiteral("a.txt")}));

        QCOMPARE(s.summary(), QStringLiteral("[1/3] Success!\n2 failed"));
        QCOMPARE(s.boxes, QStringList());
        QVERIFY(s.detailShown());
        QCOMPARE(s.detail(),
            QStringLiteral("[Failed]     b.txt  (GB18030->ISO-8859-1)  Could not convert file: the character U+6625 "
                           "at line 1, column 1 cannot be written in ISO-8859-1.\n"
                           "[Success] c.txt  (UTF-8->ISO-8859-1)\n"
                           "[Failed]     a.txt  (UTF-8->ISO-8859-1)  Could not convert file: the character U+6625 "
                           "at line 1, column 1 cannot be written in ISO-8859-1."));
        QCOMPARE(s.bytes(QStringLiteral("in/c.txt")), QByteArray("caf\xe9\n"));
        QCOMPARE(s.bytes(QStringLiteral("a.txt")), chinese.toUtf8());
    }

    void reviewDoubtful()
    {
        // A file dropped alone whose encoding is only a guess opens the
        // review; nothing is written until the user picks an encoding.
        Scenario s;
        const QString text = QString::fromUtf8("中文");
        s.file(QStringLiteral("zh.txt"), gb18030(text));
        QByteArray before;
        QString preview;
        QTimer poll; // acts inside the review's own event loop
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *review = qobject_cast<KvReviewDialog *>(QApplication::activeModalWidget());
            if (!review)
                return;
            poll.stop();
            before = s.bytes(QStringLiteral("zh.txt"));
            QComboBox *box = review->encodingBox();
            box->setCurrentIndex(box->findText(QStringLiteral("GB18030")));
            preview = review->findChild<QPlainTextEdit *>(QStringLiteral("previewText"))->toPlainText();
            QTest::mouseClick(review->findChild<QPushButton *>(QStringLiteral("convertButton")), Qt::LeftButton);
            review->reject();
        });
        poll.start();
        s.drop({QStringLiteral("zh.txt")});
        QTRY_COMPARE_WITH_TIMEOUT(s.summary(), QStringLiteral("[Success] zh.txt\n(GB18030->UTF-8)"), 20000);
        QCOMPARE(before, gb18030(text));
        QCOMPARE(preview, text);
        QCOMPARE(s.bytes(QStringLiteral("zh.txt")), text.toUtf8());
    }

    void largeFiles_data()
    {
        QTest::addColumn<int>("large"); // files over 10 MiB, beside one small file
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("records");

        const QString one = QStringLiteral("big0.txt|File Size > 10 MBytes.\n Does this really a text file?");
        const QString two = QStringLiteral("Karvo|2 files are larger than 10 MBytes.\nAre they really text files?");
        QTest::newRow("one, No leaves it out") << 1 << int(QMessageBox::No) << QStringList {one} << 1;
        QTest::newRow("one, Yes") << 1 << int(QMessageBox::Yes) << QStringList {one} << 2;
        QTest::newRow("two, one question") << 2 << int(QMessageBox::No) << QStringList {two} << 1;
    }

    void largeFiles()
    {
        QFETCH(int, large);
        QFETCH(int, answer);
        QFETCH(QStringList, boxes);
        QFETCH(int, records);

        Scenario s;
        s.file(QStringLiteral("in/small.txt"), "a\n");
        for (int i = 0; i < large; ++i)
            s.file(QStringLiteral("in/big%1.txt").arg(i), QByteArray(10 * 1024 * 1024 + 1, 'a'));
        s.answer = QMessageBox::StandardButton(answer);
        QVERIFY(s.run({QStringLiteral("in")}));
        QCOMPARE(s.boxes, boxes);
        QCOMPARE(s.window.lastRun().size(), records);
    }

    void progressAndCancel()
    {
        Scenario s;
        const int count = 1000;
        for (int i = 0; i < count; ++i)
            s.file(QStringLiteral("in/%1.txt").arg(i), gb18030(chinese).repeated(400));
        auto *bar = s.child<QProgressBar>("progressBar");
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        s.drop({QStringLiteral("in")});
        QVERIFY(QTest::qWaitFor([bar, count] { return bar->maximum() == count && bar->value() > 0; }, 20000));
        QTest::keyClick(&s.window, Qt::Key_Escape); // as the Cancel button does
        QVERIFY(QTest::qWaitFor([&s] { return s.pages()->currentIndex() == 2; }, 20000));

        const int done = s.window.lastRun().size();
        QVERIFY(done > 0 && done < count);
        QCOMPARE(s.summary(), QStringLiteral("[%1/%1] Success!\ncancelled after %1 of 1000 files").arg(done));
        int converted = 0;
        for (int i = 0; i < count; ++i)
            converted += s.bytes(QStringLiteral("in/%1.txt").arg(i)) == chinese.toUtf8().repeated(400);
        QCOMPARE(converted, done);
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
