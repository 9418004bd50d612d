// The Detail dialog: a read-only list with one line per file of the last run.
#ifndef KVRESULTDIALOG_H
#define KVRESULTDIALOG_H

#include <QDialog>
#include <QString>

class Ui_KvResultDialog;

class KvResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KvResultDialog(QWidget *parent);
    ~KvResultDialog() override;

    void setText(const QString &text);

private:
    Ui_KvResultDialog *ui = nullptr;
};

#endif
