#include "warning.h"

#include <QMessageBox>

void showWarning(QWidget *parent, const Karvo::Outcome &failure)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Karvo"), failure.message, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(failure.detail);
    box.exec();
}
