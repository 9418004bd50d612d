#include "preview.h"

#include "source.h"

#include <QTextCodec>
#include <QTextDecoder>

namespace Karvo {

QString previewText(const QString &path, const Encoding &encoding, int maxLines)
{
    SourceFile source;
    if (!encoding.isValid() || !source.open(path).ok())
        return QString();
    QTextDecoder decoder(encoding.codec());
    QString text = decoder.toUnicode(source.file().read(64 * 1024));
    int end = -1;
    for (int line = 0; line < maxLines; ++line) {
        end = text.indexOf(QLatin1Char('\n'), end + 1);
        if (end < 0)
            return text;
    }
    text.truncate(end);
    return text;
}

} // namespace Karvo
