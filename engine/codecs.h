// The codec catalogue: every codec Qt's text-codec layer offers, as small
// value records. Encodings are told apart by MIB alone; names are for people.
#ifndef KARVO_CODECS_H
#define KARVO_CODECS_H

#include <QList>
#include <QString>

struct CodecDescriptor
{
    int mib = -1;
    QString name;
    QString displayName;
};

namespace Karvo {

QList<CodecDescriptor> availableCodecs();
CodecDescriptor codecByName(const QString &name);
CodecDescriptor defaultTargetCodec();

} // namespace Karvo

#endif
