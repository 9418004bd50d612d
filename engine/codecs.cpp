#include "codecs.h"

#include <QTextCodec>

namespace Karvo {

QList<CodecDescriptor> availableCodecs()
{
    QList<CodecDescriptor> codecs;
    const QList<int> mibs = QTextCodec::availableMibs();
    for (int mib : mibs) {
        const QString name = QString::fromLatin1(QTextCodec::codecForMib(mib)->name());
        codecs.append({mib, name, name});
    }
    return codecs;
}

CodecDescriptor codecByName(const QString &name)
{
    CodecDescriptor descriptor;
    const QByteArray key = name.isEmpty() ? QByteArrayLiteral("UTF-8") : name.toUtf8();
    if (const QTextCodec *codec = QTextCodec::codecForName(key)) {
        descriptor.mib = codec->mibEnum();
        descriptor.name = QString::fromLatin1(codec->name());
    }
    return descriptor;
}

CodecDescriptor defaultTargetCodec()
{
    return codecByName(QStringLiteral("UTF-8"));
}

} // namespace Karvo
