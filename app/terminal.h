// Names made safe to print on a terminal, the way `ls -b` prints them: a
// name may hold any byte but '/' and NUL, and an escape sequence or a line
// feed in one must not reach the terminal as such.
#ifndef KARVO_TERMINAL_H
#define KARVO_TERMINAL_H

#include <QByteArray>
#include <QString>

namespace Karvo {

// Control characters as C escapes ("\n", "\e", "\033"), a backslash as
// "\\"; everything else as it is.
QString terminalSafe(const QString &name);
// The same for a name's bytes, with every byte that is not part of valid
// UTF-8 written as an octal escape ("\377").
QString terminalSafe(const QByteArray &name);

} // namespace Karvo

#endif
