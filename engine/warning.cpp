#include "outcome.h"

#include <QMessageBox>

namespace Karvo {

void showWarning(const Outcome &failure)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Karvo"), failure.message, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setInformativeText(failure.detail);
    box.exec();
}

} // namespace Karvo
