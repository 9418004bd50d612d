#include "terminal.h"

#include "utf8validator.h"

#include <QFile>

namespace Karvo {

namespace {

void appendOctal(QString &out, uchar byte)
{
    out += QLatin1Char('\\');
    out += QLatin1Char(char('0' + (byte >> 6)));
    out += QLatin1Char(char('0' + ((byte >> 3) & 7)));
    out += QLatin1Char(char('0' + (byte & 7)));
}

// C0 controls, DEL and the C1 controls, which some terminals also obey.
bool isControl(uint c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

void appendCharacter(QString &out, QChar c)
{
    const ushort u = c.unicode();
    if (u == '\\') {
        out += QLatin1String("\\\\");
        return;
    }
    if (!isControl(u)) {
        out += c;
        return;
    }
    static const char letters[] = "abtnvfr"; // \a (7) to \r (13)
    if (u >= 7 && u <= 13) {
        out += QLatin1Char('\\');
        out += QLatin1Char(letters[u - 7]);
    } else if (u == 0x1B) {
        out += QLatin1String("\\e");
    } else {
        // A C1 control as its UTF-8 bytes, as ls writes it.
        const QByteArray bytes = QString(c).toUtf8();
        for (const char byte : bytes)
            appendOctal(out, uchar(byte));
    }
}

} // namespace

QString terminalSafe(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name)
        appendCharacter(out, c);
    return out;
}

QString terminalSafe(const QByteArray &name)
{
    QString out;
    int start = 0;
    for (int i = 0; i < name.size();) {
        const int length = utf8SequenceLength(name.constData() + i, name.size() - i);
        if (length > 0) {
            i += length;
            continue;
        }
        out += terminalSafe(QString::fromUtf8(name.constData() + start, i - start));
        appendOctal(out, uchar(name.at(i)));
        start = ++i;
    }
    out += terminalSafe(QString::fromUtf8(name.constData() + start, name.size() - start));
    return out;
}

QList<QByteArray> nativeArguments(const QStringList &arguments)
{
    QList<QByteArray> given;
    QFile commandLine(QStringLiteral("/proc/self/cmdline"));
    if (commandLine.open(QIODevice::ReadOnly))
        given = commandLine.readAll().split('\0');
    QList<QByteArray> native;
    int next = 1; // past the program's name
    for (const QString &argument : arguments) {
        QByteArray bytes = QFile::encodeName(argument);
        if (argument.contains(QChar::ReplacementCharacter)) {
            for (int i = next; i < given.size(); ++i) {
                if (QFile::decodeName(given.at(i)) == argument) {
                    bytes = given.at(i);
                    next = i + 1;
                    break;
                }
            }
        }
        native.append(bytes);
    }
    return native;
}

} // namespace Karvo
