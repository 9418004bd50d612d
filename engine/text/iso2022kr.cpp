#include "iso2022kr.h"

namespace Karvo {

namespace {

constexpr char shiftOut = 0x0E; // what follows is KS X 1001
constexpr char shiftIn = 0x0F; // what follows is ASCII
const char designation[] = "\x1B$)C"; // KS X 1001 is the set SO shifts to

// KS X 1001 in its EUC form, both bytes with the high bit set: the rows of
// Qt's EUC-KR (windows-949) that the standard fills.
QTextCodec *eucKr()
{
    static QTextCodec *const codec = QTextCodec::codecForName("windows-949");
    return codec;
}

bool isSetByte(uchar b)
{
    return b >= 0x21 && b <= 0x7E;
}

QChar invalid(QTextCodec::ConverterState *state)
{
    if (state)
        ++state->invalidChars;
    return QChar::ReplacementCharacter;
}

} // namespace

QByteArray Iso2022KrCodec::name() const
{
    return QByteArrayLiteral("ISO-2022-KR");
}

QList<QByteArray> Iso2022KrCodec::aliases() const
{
    return {QByteArrayLiteral("csISO2022KR")};
}

int Iso2022KrCodec::mibEnum() const
{
    return 37;
}

QString Iso2022KrCodec::convertToUnicode(const char *in, int length, ConverterState *state) const
{
    // A designation or a pair of KS X 1001 cut off by the end of a chunk
    // waits in the state for the rest: state_data[0] is the shift, [1] how
    // many bytes wait, [2] those bytes.
    bool shifted = state && state->state_data[0];
    QByteArray bytes;
    if (state) {
        for (uint i = 0; i < state->state_data[1]; ++i)
            bytes += char(state->state_data[2] >> (8 * i));
    }
    bytes.append(in, length);

    QString text;
    text.reserve(bytes.size());
    QByteArray run; // KS X 1001 pairs in EUC form, read in one call
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        const QString read = eucKr()->toUnicode(run);
        for (QChar c : read)
            text += c == QChar::ReplacementCharacter ? invalid(state) : c;
        run.clear();
    };
    const int size = bytes.size();
    int i = 0;
    int waiting = 0;
    const auto refuse = [&] {
        flush();
        text += invalid(state);
        ++i;
    };
    while (i < size) {
        const uchar b = uchar(bytes.at(i));
        if (b == 0x1B) {
            const int have = qMin(size - i, 4);
            if (qstrncmp(bytes.constData() + i, designation, uint(have)) != 0) {
                refuse();
            } else if (have < 4) {
                waiting = have;
                break;
            } else {
                i += 4;
            }
        } else if (b == uchar(shiftOut) || b == uchar(shiftIn)) {
            shifted = b == uchar(shiftOut);
            ++i;
        } else if (!shifted && b < 0x80) {
            flush();
            text += QChar(b);
            ++i;
        } else if (!shifted || !isSetByte(b)) {
            // Line ends and spaces between shifts too: a writer shifts back
            // to ASCII first.
            refuse();
        } else if (i + 1 == size) {
            waiting = 1;
            break;
        } else if (!isSetByte(uchar(bytes.at(i + 1)))) {
            refuse();
        } else {
            run += char(b | 0x80);
            run += char(uchar(bytes.at(i + 1)) | 0x80);
            i += 2;
        }
    }
    flush();
    if (!state) {
        if (waiting)
            text += QChar(QChar::ReplacementCharacter);
        return text;
    }
    state->state_data[0] = shifted;
    state->state_data[1] = uint(waiting);
    state->state_data[2] = 0;
    for (int k = 0; k < waiting; ++k)
        state->state_data[2] |= uint(uchar(bytes.at(size - waiting + k))) << (8 * k);
    state->remainingChars = waiting;
    return text;
}

QByteArray Iso2022KrCodec::convertFromUnicode(const QChar *in, int length, ConverterState *state) const
{
    // Every call ends back in ASCII, so its bytes read alone; state_data[1]
    // says whether the designation, which a file carries once, is written.
    QByteArray bytes;
    bytes.reserve(length * 2 + 8);
    if (!(state && (state->state_data[1] || state->flags.testFlag(QTextCodec::IgnoreHeader))))
        bytes += designation;
    if (state)
        state->state_data[1] = 1;
    bool shifted = false;
    const auto ascii = [&](char c) {
        if (shifted)
            bytes += shiftIn;
        shifted = false;
        bytes += c;
    };
    const auto fail = [&] {
        if (state)
            ++state->invalidChars;
        ascii('?');
    };
    for (int i = 0; i < length; ++i) {
        const QChar c = in[i];
        if (c.unicode() < 0x80) {
            ascii(char(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < length && in[i + 1].isLowSurrogate())
            ++i; // no character beyond the BMP is in KS X 1001
        const QByteArray euc = c.isSurrogate() ? QByteArray() : eucKr()->fromUnicode(&c, 1);
        // Unified Hangul Code's extra syllables have bytes below 0xA1.
        if (euc.size() != 2 || uchar(euc.at(0)) < 0xA1 || uchar(euc.at(1)) < 0xA1) {
            fail();
            continue;
        }
        if (!shifted)
            bytes += shiftOut;
        shifted = true;
        bytes += char(euc.at(0) & 0x7F);
        bytes += char(euc.at(1) & 0x7F);
    }
    if (shifted)
        bytes += shiftIn;
    return bytes;
}

QTextCodec *iso2022KrCodec()
{
    // Qt keeps every codec made until the process ends, and frees them then.
    static QTextCodec *const codec = new Iso2022KrCodec;
    return codec;
}

} // namespace Karvo
