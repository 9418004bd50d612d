// Strict UTF-8 validation over a stream of chunks: a sequence may be split
// anywhere between two chunks.
#ifndef KARVO_UTF8VALIDATOR_H
#define KARVO_UTF8VALIDATOR_H

#include <QtGlobal>

#include <cstring>

namespace Karvo {

// What a byte that starts a UTF-8 sequence asks of the rest: how many
// continuation bytes (0 for ASCII, -1 for a byte no sequence starts with),
// and the range of the first. Those ranges exclude overlong forms, UTF-16
// surrogates and code points above U+10FFFF.
struct Utf8Lead
{
    int need = -1;
    uchar lower = 0x80;
    uchar upper = 0xBF;
};

inline Utf8Lead utf8Lead(uchar byte)
{
    if (byte < 0x80)
        return {0};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1};
    if (byte == 0xE0)
        return {2, 0xA0};
    if (byte == 0xED)
        return {2, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2};
    if (byte == 0xF0)
        return {3, 0x90};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3};
    if (byte == 0xF4)
        return {3, 0x80, 0x8F};
    return {};
}

// The length of the whole UTF-8 sequence that `data` starts with (1 for
// ASCII), or 0 where the bytes there are no valid UTF-8, one cut short
// included.
inline int utf8SequenceLength(const char *data, qint64 size)
{
    if (size <= 0)
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(data);
    const Utf8Lead lead = utf8Lead(p[0]);
    if (lead.need < 0 || size <= lead.need)
        return 0;
    for (int i = 1; i <= lead.need; ++i) {
        if (p[i] < (i == 1 ? lead.lower : 0x80) || p[i] > (i == 1 ? lead.upper : 0xBF))
            return 0;
    }
    return lead.need + 1;
}

class Utf8Validator
{
public:
    void feed(const char *data, qint64 size)
    {
        const auto *p = reinterpret_cast<const uchar *>(data);
        const uchar *end = p + size;
        while (valid && p < end) {
            if (need == 0) {
                // Most text is ASCII; skip it eight bytes at a time.
                while (end - p >= 8) {
                    quint64 word;
                    std::memcpy(&word, p, sizeof word);
                    if (word & Q_UINT64_C(0x8080808080808080))
                        break;
                    p += 8;
                }
                if (p == end)
                    break;
                const uchar byte = *p++;
                if (byte < 0x80)
                    continue;
                startSequence(byte);
            } else {
                const uchar byte = *p++;
                if (byte < lower || byte > upper) {
                    valid = false;
                    break;
                }
                lower = 0x80;
                upper = 0xBF;
                --need;
            }
        }
    }

    // False from the first byte that cannot be UTF-8 on.
    bool validSoFar() const { return valid; }

    // True once the whole stream has been fed and it was valid UTF-8 with at
    // least one character beyond ASCII.
    bool isUtf8() const { return valid && need == 0 && nonAscii; }

private:
    void startSequence(uchar byte)
    {
        nonAscii = true;
        const Utf8Lead lead = utf8Lead(byte);
        valid = lead.need > 0;
        need = lead.need;
        lower = lead.lower;
        upper = lead.upper;
    }

    bool valid = true;
    bool nonAscii = false;
    int need = 0;
    uchar lower = 0x80;
    uchar upper = 0xBF;
};

} // namespace Karvo

#endif
