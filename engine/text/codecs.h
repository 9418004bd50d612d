// The codec catalogue: every codec Qt's text-codec layer offers, once each,
// as small value records. Encodings are told apart by MIB alone; names are
// for people.
#ifndef KARVO_CODECS_H
#define KARVO_CODECS_H

#include <QList>
#include <QString>
#include <QStringList>

struct CodecDescriptor
{
    int mib = -1;
    QString name;
    QString displayName;
    QStringList aliases; // other names Qt knows the codec by, for finding it
    bool common = false; // one of the targets people pick most
};

namespace Karvo {

// Each codec once: the common targets first, in the order people look for
// them, then the rest alphabetically.
QList<CodecDescriptor> availableCodecs();
CodecDescriptor codecByName(const QString &name);
CodecDescriptor defaultTargetCodec();

// The catalogue entry a person means by `text`: one whose name or alias it
// is, or else the only one whose name or aliases contain it. -1 for none.
int findCodec(const QList<CodecDescriptor> &codecs, const QString &text);

} // namespace Karvo

#endif
