#include "warning.h"

#include "report.h"

#include <QMessageBox>

void showWarning(QWidget *parent, const Karvo::Outcome &failure)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Karvo"), Karvo::describe(failure), QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}
