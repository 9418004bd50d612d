// A shortcut past the codecs for the commonest conversion: legacy text of
// one- and two-byte characters written as UTF-8.
#ifndef KARVO_CHARACTERTABLE_H
#define KARVO_CHARACTERTABLE_H

#include <QByteArray>
#include <QString>

#include <array>
#include <limits>
#include <memory>

class QTextCodec;

namespace Karvo {

class Encoding;

// What a codec makes of every single byte and every pair of bytes, read
// off the codec itself, so that the table gives exactly what the codec
// gives. Only characters the codec reads from one byte, or from two that it
// never reads otherwise, are in it; anything else (longer sequences, bytes
// it cannot decode) is left to the codec.
class CharacterTable
{
public:
    // The table of `codec`, made once it pays: once its callers, asking
    // for `bytes` at a time, have asked for about as many as the codec reads
    // in the time the table takes to make. Null until then, and null where
    // the codec's answers do not line up with the bytes asked about. It
    // serves codecs that keep no state from one character to the next and
    // never read a line feed as part of a longer sequence.
    static const CharacterTable *of(QTextCodec *codec, qint64 bytes = std::numeric_limits<qint64>::max());

    // Writes as UTF-8 the text of `size` bytes that start at a character
    // boundary and end at one. False, with `out` undefined, at the first
    // sequence the table does not hold.
    bool toUtf8(const char *data, int size, QByteArray &out, qint64 &characters) const;

    // The same text as UTF-16.
    bool toUnicode(const char *data, int size, QString &text) const;

private:
    // A character as UTF-8 (padded, so that it is copied in one go) and as
    // UTF-16.
    struct Entry
    {
        char utf8[3];
        quint8 length; // of the UTF-8; 0: not in the table
        char16_t unit;
    };

    // The entry for the character at `in`, and how many bytes it takes;
    // null where the table does not hold it.
    const Entry *at(const uchar *in, const uchar *end, int &bytes) const;

    std::array<Entry, 256> single {};
    std::unique_ptr<std::array<Entry, 0x10000>> pair; // by lead << 8 | trail
    bool asciiAsIs = false;
    friend std::unique_ptr<CharacterTable> makeTable(QTextCodec *codec);
};

// The table of an encoding that splits at line feeds, for reading `bytes`;
// null for the others.
const CharacterTable *tableFor(const Encoding &encoding, qint64 bytes);

} // namespace Karvo

#endif
