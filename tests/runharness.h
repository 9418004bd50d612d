// What the run tests share: a window and a temporary folder, driven as a
// user drives them (a drop, then the real timers until the summary), with
// every message box answered and noted.
#ifndef KARVO_RUNHARNESS_H
#define KARVO_RUNHARNESS_H

#include "kvacceptfilewidget.h"
#include "kvmainwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QTimer>
#include <QToolButton>

inline const QString chinese
    = QString::fromUtf8("春天来了，公园里的花都开了。孩子们在草地上奔跑，老人们坐在长椅上聊天。\n"
                        "我们一起去看看湖边的柳树吧，听说今年的柳絮特别多。\n");

inline QByteArray gb18030(const QString &text)
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
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QStringList boxes; // "title|text" of each message box, answered with `answer`

    QString path(const QString &name) const { return name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name); }
    QString file(const QString &name, const QByteArray &bytes)
    {
        QDir(dir.path()).mkpath(QFileInfo(path(name)).path());
        return writeFile(path(name), bytes);
    }
    QString folder(const QString &name)
    {
        QDir(dir.path()).mkpath(name);
        return path(name);
    }
    QByteArray bytes(const QString &name) const { return contents(path(name)); }

    template<typename T> T *child(const char *name) const { return window.findChild<T *>(QLatin1String(name)); }

    void setTarget(const QString &name)
    {
        auto *box = child<QComboBox>("targetCoding");
        box->setCurrentIndex(box->findText(name));
    }

    void setSaveFolder(const QString &name)
    {
        const QString chosen = path(name);
        window.setDirectoryChooser([chosen](QWidget *) { return chosen; });
        QTest::mouseClick(child<QToolButton>("folderButton"), Qt::LeftButton);
    }

    // Drops `name` (a web link when empty) on the window as a file manager
    // would, and waits for the summary.
    bool run(const QString &name, int timeout = 20000)
    {
        auto *stack = child<QStackedWidget>("stackedWidget");
        stack->setCurrentIndex(0);
        QMimeData data;
        data.setUrls({name.isEmpty() ? QUrl(QStringLiteral("https://example.org/")) : QUrl::fromLocalFile(path(name))});
        auto *dropPage = child<KvAcceptFileWidget>("dropPage");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &drop);
        return stack->currentIndex() == 1 && QTest::qWaitFor([stack] { return stack->currentIndex() == 2; }, timeout);
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
};

#endif
