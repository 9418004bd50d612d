// Names made safe to print on a terminal, the way `ls -b` prints them: a
// name may hold any byte but '/' and NUL, and an escape sequence or a line
// feed in one must not reach the terminal as such.
#ifndef KARVO_TERMINAL_H
#define KARVO_TERMINAL_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Karvo {

// Control characters as C escapes ("\n", "\e", "\033"), a backslash as
// "\\"; everything else as it is.
QString terminalSafe(const QString &name);
// The same for a name's bytes, with every byte that is not part of valid
// UTF-8 written as an octal escape ("\377").
QString terminalSafe(const QByteArray &name);

// The bytes of each of `arguments`, in order, as the command line gave
// them. Qt decodes arguments in the locale's encoding, where a name that is
// not UTF-8 loses its bytes to U+FFFD; the kernel keeps them.
QList<QByteArray> nativeArguments(const QStringList &arguments);

} // namespace Karvo

#endif
