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
    void startsEmpty();
    void listIsReadOnly();
    void setTextReplaces();
    void fixedSize();
    void okAccepts();
};

namespace {

QPlainTextEdit *list(const KvResultDialog &dialog)
{
    return dialog.findChild<QPlainTextEdit *>(QStringLiteral("resultList"));
}

} // namespace

void TstResultDialog::startsEmpty()
{
    KvResultDialog dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(list(dialog)->toPlainText(), QString());
    QCOMPARE(list(dialog)->placeholderText(), QString());
}

void TstResultDialog::listIsReadOnly()
{
    KvResultDialog dialog(nullptr);
    dialog.setText(QStringLiteral("[Success] a.txt  (GB18030->UTF-8)"));
    dialog.show();
    QPlainTextEdit *edit = list(dialog);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), QStringLiteral("[Success] a.txt  (GB18030->UTF-8)"));
    QVERIFY(!edit->document()->isUndoRedoEnabled());

    // Selecting and copying still work.
    edit->selectAll();
    QCOMPARE(edit->textCursor().selectedText(), edit->toPlainText());
}

void TstResultDialog::setTextReplaces()
{
    KvResultDialog dialog(nullptr);
    dialog.setText(QStringLiteral("first"));
    dialog.setText(QStringLiteral("second\nthird"));
    QCOMPARE(list(dialog)->toPlainText(), QStringLiteral("second\nthird"));
}

void TstResultDialog::fixedSize()
{
    KvResultDialog dialog(nullptr);
    dialog.resize(800, 600);
    QCOMPARE(dialog.size(), QSize(580, 380));
}

void TstResultDialog::okAccepts()
{
    KvResultDialog dialog(nullptr);
    QDialogButtonBox *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->buttons().size(), 1);
    dialog.show();
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TstResultDialog)
#include "tst_resultdialog.moc"
