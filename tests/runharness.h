// What the run tests share: a window driven as a user drives it (a drop,
// then the real timers until the summary) and an answerer for the modal
// boxes and dialogs that a run opens.
#ifndef KARVO_RUNHARNESS_H
#define KARVO_RUNHARNESS_H

#include "kvacceptfilewidget.h"
#include "kvmainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Answers every message box that opens while it lives, with `button` (or
// Ok where there is no such button), and notes what each one said.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : button(button)
    {
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [this] { answer(); });
        timer.start();
    }

    QStringList boxes; // "title|text" of each message box

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->text());
            QAbstractButton *choice = box->button(button);
            (choice ? choice : box->button(QMessageBox::Ok))->click();
        }
    }

    QTimer timer;
    QMessageBox::StandardButton button;
};

struct Window
{
    KvMainWindow window;

    template<typename T> T *child(const char *name) { return window.findChild<T *>(QLatin1String(name)); }

    void setTarget(const QString &name)
    {
        auto *box = child<QComboBox>("targetCoding");
        box->setCurrentIndex(box->findText(name));
    }

    void setSaveFolder(const QString &folder)
    {
        window.setDirectoryChooser([folder](QWidget *) { return folder; });
        QTest::mouseClick(child<QToolButton>("folderButton"), Qt::LeftButton);
    }

    // Drops `path` (a web link when empty) on the window as a file manager
    // would, and waits for the summary.
    bool run(const QString &path, int timeout = 20000)
    {
        auto *stack = child<QStackedWidget>("stackedWidget");
        stack->setCurrentIndex(0);
        QMimeData data;
        data.setUrls({path.isEmpty() ? QUrl(QStringLiteral("https://example.org/")) : QUrl::fromLocalFile(path)});
        auto *dropPage = child<KvAcceptFileWidget>("dropPage");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropPage, &drop);
        if (stack->currentIndex() != 1)
            return false;
        return QTest::qWaitFor([stack] { return stack->currentIndex() == 2; }, timeout);
    }

    QString summary() { return child<QLabel>("resultLabel")->text(); }
    bool detailShown() { return !child<QToolButton>("checkButton")->isHidden(); }

    // Opens the Detail dialog and returns its lines.
    QStringList detail()
    {
        QString listing;
        QTimer::singleShot(0, [&listing] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            listing = dialog->findChild<QPlainTextEdit *>(QStringLiteral("resultList"))->toPlainText();
            dialog->accept();
        });
        QTest::mouseClick(child<QToolButton>("checkButton"), Qt::LeftButton);
        return listing.split(QLatin1Char('\n'));
    }
};

#endif
