// The main window as a user meets it: the start state, the target list, the
// save-folder toggle, Back, Home, and a drop reaching the window.
#include "kvacceptfilewidget.h"
#include "kvmainwindow.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMimeData>
#include <QStackedWidget>
#include <QTextCodec>
#include <QToolButton>
#include <QtTest>

namespace {

// clang-format off
const QString idleStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: gray;  background-color: darkgray; border: none; border-radius: 3px; }");
const QString activeStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}");
// clang-format on

template<typename T> T *child(const KvMainWindow &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}

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

private slots:
    void startState();
    void formWidgets_data();
    void formWidgets();
    void catalogue();
    void pickTarget_data();
    void pickTarget();
    void saveFolder_data();
    void saveFolder();
    void backKeepsChoices();
    void homeOpensTheHomePage();
    void dropSwitchesToProcessing();
};

void TstMainWindow::startState()
{
    KvMainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("KvMainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Karvo"));
    QCOMPARE(window.minimumSize(), QSize(400, 260));
    QCOMPARE(window.maximumSize(), QSize(400, 260));

    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(window, "targetCoding")->currentText(), QStringLiteral("UTF-8"));
    QCOMPARE(window.currentTarget().mib, 106);
    QCOMPARE(window.currentTarget().name, QStringLiteral("UTF-8"));
    QVERIFY(window.currentSaveFolder().isEmpty());

    auto *folderButton = child<QToolButton>(window, "folderButton");
    QCOMPARE(folderButton->styleSheet(), idleStyle);
    QCOMPARE(folderButton->toolTip(), QStringLiteral("set save folder."));
    QVERIFY(folderButton->isCheckable());
    QVERIFY(child<QToolButton>(window, "checkButton")->isHidden());

    auto *tishi = child<QLabel>(window, "tishiLabel");
    QCOMPARE(tishi->text(), QStringLiteral("replace source file"));
    QCOMPARE(tishi->palette().color(tishi->foregroundRole()), QColor(Qt::lightGray));
    auto *dropLabel = child<QLabel>(window, "dropLabel");
    QCOMPARE(dropLabel->palette().color(dropLabel->foregroundRole()), QColor(Qt::white));
    QCOMPARE(child<QLabel>(window, "resultLabel")->text(), QString());

    const QPixmap icon = child<QLabel>(window, "dropIcon")->pixmap(Qt::ReturnByValue);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(96, 96));
}

void TstMainWindow::formWidgets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("page");

    QTest::newRow("drop page") << "dropPage"
                               << "KvAcceptFileWidget" << 0;
    QTest::newRow("target list") << "targetCoding"
                                 << "QComboBox" << 0;
    QTest::newRow("folder button") << "folderButton"
                                   << "QToolButton" << 0;
    QTest::newRow("home button") << "moreAppButton"
                                 << "QToolButton" << 0;
    QTest::newRow("hint") << "tishiLabel"
                          << "QLabel" << 0;
    QTest::newRow("processing note") << "noteLabel"
                                     << "QLabel" << 1;
    QTest::newRow("back button") << "backButton"
                                 << "QToolButton" << 2;
    QTest::newRow("summary") << "resultLabel"
                             << "QLabel" << 2;
    QTest::newRow("detail button") << "checkButton"
                                   << "QToolButton" << 2;
}

void TstMainWindow::formWidgets()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(int, page);

    KvMainWindow window;
    auto *stack = child<QStackedWidget>(window, "stackedWidget");
    QWidget *widget = window.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QWidget *pageWidget = stack->widget(page);
    QVERIFY(widget == pageWidget || pageWidget->isAncestorOf(widget));
    // Labels that show file and folder names must never render them as markup.
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TstMainWindow::catalogue()
{
    KvMainWindow window;
    auto *box = child<QComboBox>(window, "targetCoding");
    const QList<int> mibs = QTextCodec::availableMibs();
    QCOMPARE(box->count(), mibs.size());
    for (int i = 0; i < mibs.size(); ++i)
        QCOMPARE(box->itemText(i), QString::fromLatin1(QTextCodec::codecForMib(mibs.at(i))->name()));
}

void TstMainWindow::pickTarget_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("windows-1252") << "windows-1252";
    QTest::newRow("GB18030") << "GB18030";
    QTest::newRow("Shift_JIS") << "Shift_JIS";
    QTest::newRow("UTF-16LE") << "UTF-16LE";
}

void TstMainWindow::pickTarget()
{
    QFETCH(QString, name);
    KvMainWindow window;
    auto *box = child<QComboBox>(window, "targetCoding");
    const int index = box->findText(name);
    QVERIFY(index >= 0);

    box->setCurrentIndex(index);
    QCOMPARE(window.currentTarget().name, name);
    QCOMPARE(window.currentTarget().mib, QTextCodec::availableMibs().at(index));

    box->setCurrentIndex(box->findText(QStringLiteral("UTF-8")));
    QCOMPARE(window.currentTarget().mib, 106);
}

void TstMainWindow::saveFolder_data()
{
    // Each click of the folder button takes the next answer of the chooser,
    // if the click asks it at all.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("hint");

    QTest::newRow("choose") << QStringList {"/home/me/Docs"} << 1 << 1 << "/home/me/Docs"
                            << "save to: Docs";
    QTest::newRow("cancel") << QStringList {QString()} << 1 << 1 << QString() << "replace source file";
    QTest::newRow("second click clears without asking")
        << QStringList {"/home/me/Docs"} << 2 << 1 << QString() << "replace source file";
    QTest::newRow("clear then choose again") << QStringList {"/a", "/home/me/Out"} << 3 << 2 << "/home/me/Out"
                                             << "save to: Out";
    QTest::newRow("file-system root") << QStringList {"/"} << 1 << 1 << "/"
                                      << "save to: ";
    QTest::newRow("markup in a folder name") << QStringList {"/tmp/<i>x"} << 1 << 1 << "/tmp/<i>x"
                                             << "save to: <i>x";
}

void TstMainWindow::saveFolder()
{
    QFETCH(QStringList, answers);
    QFETCH(int, clicks);
    QFETCH(int, asked);
    QFETCH(QString, folder);
    QFETCH(QString, hint);

    KvMainWindow window;
    auto *button = child<QToolButton>(window, "folderButton");
    int calls = 0;
    window.setDirectoryChooser([&](QWidget *parent) {
        // The button shows the active look for as long as the chooser is open.
        [&] { QCOMPARE(button->styleSheet(), activeStyle); }();
        [&] { QCOMPARE(parent, &window); }();
        return answers.value(calls++);
    });

    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(calls, asked);
    QCOMPARE(window.currentSaveFolder(), folder);
    QCOMPARE(child<QLabel>(window, "tishiLabel")->text(), hint);
    QCOMPARE(button->styleSheet(), folder.isEmpty() ? idleStyle : activeStyle);
}

void TstMainWindow::backKeepsChoices()
{
    KvMainWindow window;
    window.setDirectoryChooser([](QWidget *) { return QStringLiteral("/srv/out"); });
    auto *box = child<QComboBox>(window, "targetCoding");
    box->setCurrentIndex(box->findText(QStringLiteral("KOI8-R")));
    QTest::mouseClick(child<QToolButton>(window, "folderButton"), Qt::LeftButton);

    auto *stack = child<QStackedWidget>(window, "stackedWidget");
    stack->setCurrentIndex(2);
    QTest::mouseClick(child<QToolButton>(window, "backButton"), Qt::LeftButton);

    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(window.currentTarget().name, QStringLiteral("KOI8-R"));
    QCOMPARE(window.currentSaveFolder(), QStringLiteral("/srv/out"));
}

void TstMainWindow::homeOpensTheHomePage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    KvMainWindow window;
    auto *home = child<QToolButton>(window, "moreAppButton");
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::mouseClick(home, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    // Checkable, so the second click unchecks it; it opens the page both times.
    QCOMPARE(catcher.opened.size(), 2);
    QVERIFY(catcher.opened.first().isValid());
    QCOMPARE(catcher.opened.first().scheme(), QStringLiteral("https"));
}

void TstMainWindow::dropSwitchesToProcessing()
{
    KvMainWindow window;
    auto *dropPage = child<KvAcceptFileWidget>(window, "dropPage");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropPage, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropPage, &drop);

    QCOMPARE(child<QStackedWidget>(window, "stackedWidget")->currentIndex(), 1);
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
