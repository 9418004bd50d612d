// The one box a failure of a single file gets: a modal warning titled
// "Karvo", with the failure in words and the system's reason.
#ifndef KARVO_WARNING_H
#define KARVO_WARNING_H

#include "outcome.h"

class QWidget;

void showWarning(QWidget *parent, const Karvo::Outcome &failure);

#endif
