// An encoding as Karvo works with it: one of Qt's codecs, with what Karvo
// needs to know about it worked out once, when the codec is first asked for.
// Everything above this file passes encodings, never MIB numbers or codec
// pointers; one catalogue lists them for detection, the judge and the
// target list alike.
#ifndef KARVO_ENCODING_H
#define KARVO_ENCODING_H

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

class QTextCodec;

namespace Karvo {

class Encoding
{
public:
    // No encoding: what a name that no codec answers to resolves to.
    Encoding() = default;

    // The encoding a name or alias stands for, as Qt or the charset detector
    // spells it ("UTF-8", "WINDOWS-1252", "UHC", "gb2312"); none if no codec
    // answers to it.
    static Encoding named(const QString &name);
    static Encoding of(QTextCodec *codec);
    static Encoding utf8();

    bool isValid() const { return d != nullptr; }
    QString name() const; // as the catalogue spells it; empty for none
    QStringList aliases() const; // other names people know it by
    QTextCodec *codec() const;
    int mib() const; // for the record only: several codecs share MIB 0

    bool isUnicode() const; // UTF-8, UTF-16 or UTF-32, in either byte order
    bool isUtf8() const;
    int unitSize() const; // bytes a code unit takes: 1, 2 (UTF-16) or 4 (UTF-32)
    // Every ASCII byte alone reads as its ASCII character and back, so text
    // of ASCII alone is already in this encoding as it stands.
    bool isAsciiCompatible() const;
    // The meaning of a byte does not depend on escape sequences or shifts
    // that came before it (ISO-2022-*, UTF-7, HZ and the like do).
    bool isStateless() const;
    // The bytes may be cut after any line feed and each piece read on its
    // own: a 0x0A byte is always a line feed of its own.
    bool splitsAtLineFeeds() const;
    bool isCommon() const; // one of the targets people pick most

    friend bool operator==(const Encoding &a, const Encoding &b) { return a.d == b.d; }
    friend bool operator!=(const Encoding &a, const Encoding &b) { return a.d != b.d; }
    friend decltype(qHash(quintptr())) qHash(const Encoding &e, decltype(qHash(quintptr())) seed = 0)
    {
        return qHash(quintptr(e.d), seed);
    }

    struct Data;

private:
    explicit Encoding(const Data *data)
        : d(data)
    { }

    const Data *d = nullptr;
};

// Every codec Qt offers, once each: the common targets first, in the order
// people look for them, then the rest alphabetically.
const QVector<Encoding> &catalogue();

// The catalogue entry a person means by `text`: one whose name or alias it
// is, or else the only one whose name or aliases contain it. -1 for none.
int findEncoding(const QString &text);

// The names kept from the first release: the catalogue, a lookup and the
// default target.
inline const QVector<Encoding> &availableCodecs()
{
    return catalogue();
}
inline Encoding codecByName(const QString &name)
{
    return Encoding::named(name.isEmpty() ? QStringLiteral("UTF-8") : name);
}
inline Encoding defaultTargetCodec()
{
    return Encoding::utf8();
}

// Where text judged to be in an encoding may turn out to be in a wider one,
// which reads what that one reads as text alike, and also bytes that one
// reads as private or control characters, or not at all: Big5-HKSCS for
// Big5 (Hong Kong's characters), windows-1252 for ISO-8859-1 and
// windows-1254 for ISO-8859-9 (quotes, dashes, the euro), UTF-8 for ASCII.
// A file judged on a part of it that holds none of those bytes is in the
// wider one where the rest holds one.
struct Widening
{
    // In Big5 text, a byte from 0x87 to 0xA0 can only start a pair of the
    // user-defined area, where HKSCS puts Hong Kong's characters and Qt's
    // Big5 reads private ones; the ISO code pages read 0x80 to 0x9F as C1
    // controls, which no text holds; ASCII reads no byte above 0x7F.
    enum class Bytes { None, HongKongLeads, Controls, NonAscii };

    struct Range
    {
        unsigned char first;
        unsigned char last;
        constexpr bool contains(unsigned char b) const
        {
            return static_cast<unsigned char>(b - first) <= static_cast<unsigned char>(last - first);
        }
    };
    static constexpr Range rangeOf(Bytes bytes)
    {
        return bytes == Bytes::HongKongLeads ? Range {0x87, 0xA0}
            : bytes == Bytes::Controls       ? Range {0x80, 0x9F}
                                             : Range {0x80, 0xFF};
    }

    Encoding encoding; // none if there is no wider one
    Bytes bytes = Bytes::None;

    // The first byte in [begin, end) that begins one of the wider
    // encoding's own characters, or end.
    const char *find(const char *begin, const char *end) const;
};

Widening wideningOf(const Encoding &encoding);

} // namespace Karvo

Q_DECLARE_METATYPE(Karvo::Encoding)

#endif
