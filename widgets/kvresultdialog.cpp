#include "kvresultdialog.h"

#include "ui_kvresultdialog.h"

KvResultDialog::KvResultDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_KvResultDialog)
{
    ui->setupUi(this);
}

KvResultDialog::~KvResultDialog()
{
    delete ui;
}

void KvResultDialog::setText(const QString &text)
{
    ui->resultList->setPlainText(text);
}
