// Strict UTF-16 and UTF-32 validation of one byte order over a stream of
// chunks, counting on the way the control characters that text never holds.
#ifndef KARVO_WIDEVALIDATOR_H
#define KARVO_WIDEVALIDATOR_H

#include <QtGlobal>

namespace Karvo {

class WideValidator
{
public:
    // `nulEndsText`: a U+0000 may only end the text, as a terminator; one
    // with anything after it means the bytes are no text in this layout.
    WideValidator(int unitSize, bool bigEndian, bool nulEndsText = false)
        : width(unitSize)
        , big(bigEndian)
        , nulEnds(nulEndsText)
    { }

    void feed(const char *data, qint64 size)
    {
        const auto *p = reinterpret_cast<const uchar *>(data);
        for (qint64 i = 0; valid && i < size; ++i) {
            unit[filled++] = p[i];
            if (filled == width) {
                filled = 0;
                take(value());
            }
        }
    }

    // True once the whole stream has been fed and it held whole characters.
    bool isValid() const { return valid && filled == 0 && !highPending; }
    // False from the first unit that cannot be text on; a character cut at
    // the end of what was fed so far still counts.
    bool validSoFar() const { return valid; }
    qint64 characters() const { return count; }
    qint64 controls() const { return badControls; }

private:
    quint32 value() const
    {
        quint32 v = 0;
        for (int i = 0; i < width; ++i)
            v |= quint32(unit[big ? width - 1 - i : i]) << (8 * i);
        return v;
    }

    void take(quint32 v)
    {
        if (width == 2 && v >= 0xD800 && v <= 0xDFFF) {
            // A high surrogate must be followed by a low one, and a low one
            // must follow a high one.
            if (v <= 0xDBFF && !highPending) {
                highPending = true;
                return;
            }
            if (v >= 0xDC00 && highPending) {
                highPending = false;
                ++count;
                return;
            }
            valid = false;
            return;
        }
        if (highPending || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF) || nulSeen) {
            valid = false;
            return;
        }
        nulSeen = nulEnds && v == 0;
        ++count;
        if (v < 0x20 && v != '\t' && v != '\n' && v != '\v' && v != '\f' && v != '\r' && v != 0x08 && v != 0x1A
            && v != 0x1B)
            ++badControls;
    }

    const int width;
    const bool big;
    const bool nulEnds;
    bool nulSeen = false;
    uchar unit[4] = {};
    int filled = 0;
    bool valid = true;
    bool highPending = false;
    qint64 count = 0;
    qint64 badControls = 0;
};

} // namespace Karvo

#endif
