// The Detail dialog on its own: what the user can and cannot do with it.
#include "kvresultdialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TstResultDialog : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyFixedList()
    {
        KvResultDialog dialog(nullptr);
        auto *list = dialog.findChild<QPlainTextEdit *>(QStringLiteral("resultList"));
        QCOMPARE(list->toPlainText(), QString());
        QCOMPARE(list->placeholderText(), QString());
        dialog.setText(QStringLiteral("first"));
        dialog.setText(QStringLiteral("[Success] a.txt  (GB18030->UTF-8)"));
        dialog.show();
        dialog.resize(800, 600);
        QCOMPARE(dialog.size(), QSize(580, 380));

        // Typing, deleting and undoing change nothing; selecting still works.
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("typed"));
        QTest::keyClick(list, Qt::Key_Backspace);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list->toPlainText(), QStringLiteral("[Success] a.txt  (GB18030->UTF-8)"));
        QVERIFY(!list->document()->isUndoRedoEnabled());
        list->selectAll();
        QCOMPARE(list->textCursor().selectedText(), list->toPlainText());

        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TstResultDialog)
#include "tst_resultdialog.moc"
