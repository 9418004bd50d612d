// The main window as a user meets it: the start state, the target list, the
// save-folder toggle, Back and Home.
#include "runharness.h"

#include <QDesktopServices>
#include <QtTest>

namespace {

// clang-format off
const QString idleStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: gray;  background-color: darkgray; border: none; border-radius: 3px; }");
const QString activeStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}");
// clang-format on

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
    void startState()
    {
        Scenario s;
        const KvMainWindow &window = s.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Karvo"));
        QCOMPARE(window.minimumSize(), QSize(400, 260));
        QCOMPARE(window.maximumSize(), QSize(400, 260));
        QCOMPARE(s.child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
        QVERIFY(s.child<QToolButton>("checkButton")->isHidden());
        QCOMPARE(s.child<QToolButton>("folderButton")->styleSheet(), idleStyle);
        QCOMPARE(s.child<QToolButton>("folderButton")->toolTip(), QStringLiteral("set save folder."));
        QCOMPARE(s.child<QLabel>("tishiLabel")->text(), QStringLiteral("replace source file"));
        QCOMPARE(s.child<QLabel>("tishiLabel")->palette().color(QPalette::WindowText), QColor(Qt::lightGray));
        QCOMPARE(s.child<QLabel>("dropLabel")->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(s.child<QLabel>("dropIcon")->pixmap(Qt::ReturnByValue).size(), QSize(96, 96));
        // Labels that show file and folder names must never read them as markup.
        for (const char *name : {"tishiLabel", "noteLabel", "resultLabel"})
            QCOMPARE(s.child<QLabel>(name)->textFormat(), Qt::PlainText);

        // Every codec, in the codec layer's order, with UTF-8 chosen.
        auto *box = s.child<QComboBox>("targetCoding");
        const QList<int> mibs = QTextCodec::availableMibs();
        QCOMPARE(box->count(), mibs.size());
        for (int i = 0; i < mibs.size(); ++i)
            QCOMPARE(box->itemText(i), QString::fromLatin1(QTextCodec::codecForMib(mibs.at(i))->name()));
        QCOMPARE(box->currentText(), QStringLiteral("UTF-8"));
        QCOMPARE(window.currentTarget().mib, 106);
    }

    void pickTarget_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"windows-1252", "GB18030", "Shift_JIS", "UTF-16LE", "UTF-8"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void pickTarget()
    {
        QFETCH(QString, name);
        Scenario s;
        s.setTarget(QStringLiteral("KOI8-R"));
        s.setTarget(name);
        QCOMPARE(s.window.currentTarget().name, name);
        QCOMPARE(s.window.currentTarget().mib,
            QTextCodec::availableMibs().at(s.child<QComboBox>("targetCoding")->currentIndex()));
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
                                << "save to: Docs";
        QTest::newRow("cancel") << QStringList {QString()} << 1 << 1 << QString() << "replace source file";
        QTest::newRow("second click clears without asking")
            << QStringList {"/home/me/Docs"} << 2 << 1 << QString() << "replace source file";
        QTest::newRow("clear, then choose again") << QStringList {"/a", "/home/me/Out"} << 3 << 2 << "/home/me/Out"
                                                  << "save to: Out";
        QTest::newRow("file-system root") << QStringList {"/"} << 1 << 1 << "/"
                                          << "save to: ";
        QTest::newRow("markup in a folder name") << QStringList {"/tmp/<i>x"} << 1 << 1 << "/tmp/<i>x"
                                                 << "save to: <i>x";
    }

    void saveFolder()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, clicks);
        QFETCH(int, asked);
        QFETCH(QString, folder);
        QFETCH(QString, hint);

        Scenario s;
        auto *button = s.child<QToolButton>("folderButton");
        QStringList stylesWhileAsking;
        s.window.setDirectoryChooser([&](QWidget *parent) {
            stylesWhileAsking.append(parent == &s.window ? button->styleSheet() : QString());
            return answers.value(stylesWhileAsking.size() - 1);
        });
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(stylesWhileAsking.size(), asked);
        QCOMPARE(stylesWhileAsking.count(activeStyle), asked); // blue while the chooser is open
        QCOMPARE(s.window.currentSaveFolder(), folder);
        QCOMPARE(s.child<QLabel>("tishiLabel")->text(), hint);
        QCOMPARE(button->styleSheet(), folder.isEmpty() ? idleStyle : activeStyle);
    }

    void backAndHome()
    {
        Scenario s;
        s.setTarget(QStringLiteral("KOI8-R"));
        s.setSaveFolder(QStringLiteral("/srv/out"));
        s.child<QStackedWidget>("stackedWidget")->setCurrentIndex(2);
        QTest::mouseClick(s.child<QToolButton>("backButton"), Qt::LeftButton);
        QCOMPARE(s.child<QStackedWidget>("stackedWidget")->currentIndex(), 0);
        QCOMPARE(s.window.currentTarget().name, QStringLiteral("KOI8-R"));
        QCOMPARE(s.window.currentSaveFolder(), QStringLiteral("/srv/out"));

        // Home is checkable, so the second click unchecks it; both open the page.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QTest::mouseClick(s.child<QToolButton>("moreAppButton"), Qt::LeftButton);
        QTest::mouseClick(s.child<QToolButton>("moreAppButton"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened,
            QList<QUrl>({QUrl(QStringLiteral("https://karvo.org/")), QUrl(QStringLiteral("https://karvo.org/"))}));
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
