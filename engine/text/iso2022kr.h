#pragma once

#include <QTextCodec>

namespace Karvo {

// ISO-2022-KR as mail and old Korean systems wrote it (RFC 1557): ASCII, and
// after SO the characters of KS X 1001, two 7-bit bytes each, until SI.
// Qt's own comes from ICU, which reads it through an IBM code page: "\" as
// "₩", three control characters as one another, "·" as "・" and five more
// characters as look-alikes, "€" and "®" not at all; and it cannot write
// "\". This one reads KS X 1001 through Qt's EUC-KR tables, which hold the
// standard's characters.
class Iso2022KrCodec : public QTextCodec
{
public:
    QByteArray name() const override;
    QList<QByteArray> aliases() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override;
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override;
};

// The one instance, made (and so known to Qt by name) on the first call.
QTextCodec *iso2022KrCodec();

} // namespace Karvo
