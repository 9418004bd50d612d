// Strict UTF-8 validation over a stream of chunks: a sequence may be split
// anywhere between two chunks.
#ifndef KARVO_UTF8VALIDATOR_H
#define KARVO_UTF8VALIDATOR_H

#include <QtGlobal>

#include <cstring>

namespace Karvo {

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
    void startSequence(uchar lead)
    {
        nonAscii = true;
        // The ranges of the first continuation byte exclude overlong forms,
        // UTF-16 surrogates and code points above U+10FFFF.
        if (lead >= 0xC2 && lead <= 0xDF) {
            need = 1;
        } else if (lead == 0xE0) {
            need = 2;
            lower = 0xA0;
        } else if (lead == 0xED) {
            need = 2;
            upper = 0x9F;
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            need = 2;
        } else if (lead == 0xF0) {
            need = 3;
            lower = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            need = 3;
        } else if (lead == 0xF4) {
            need = 3;
            upper = 0x8F;
        } else {
            valid = false;
        }
    }

    bool valid = true;
    bool nonAscii = false;
    int need = 0;
    uchar lower = 0x80;
    uchar upper = 0xBF;
};

} // namespace Karvo

#endif
