// The About box: Karvo's version, its licence and the libraries it uses.
#ifndef KARVO_ABOUTBOX_H
#define KARVO_ABOUTBOX_H

#include <QString>

class QWidget;

// The box's text, as rich text.
QString aboutText();
// Shows it, window-modal, without waiting for it to close.
void showAboutBox(QWidget *parent);

#endif
