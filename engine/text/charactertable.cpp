#include "charactertable.h"

#include "encoding.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringView>
#include <QTextCodec>
#include <QTextDecoder>

#include <algorithm>
#include <cstring>

namespace Karvo {

namespace {

// A character the table may stand for: one UTF-16 unit that is neither
// half of a pair nor the mark of bytes the codec could not decode.
bool isPlain(QStringView segment)
{
    return segment.size() == 1 && !segment.at(0).isSurrogate() && segment.at(0) != QChar::ReplacementCharacter;
}

template<typename Entry> Entry entryFor(ushort c)
{
    if (c < 0x80)
        return {{char(c), 0, 0}, 1, c};
    if (c < 0x800)
        return {{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F)), 0}, 2, c};
    return {{char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))}, 3, c};
}

} // namespace

// Every byte, and every pair that starts with a byte above ASCII, each
// followed by a line feed, go through the codec in one call. A line feed is
// never part of a longer sequence in the codecs this serves, so each comes
// back as the segment of its bytes, whatever the codec made of them.
std::unique_ptr<CharacterTable> makeTable(QTextCodec *codec)
{
    QByteArray probe(255 * 2 + 128 * 255 * 3, Qt::Uninitialized);
    char *p = probe.data();
    for (int b = 0; b < 256; ++b) {
        if (b != '\n') {
            *p++ = char(b);
            *p++ = '\n';
        }
    }
    for (int lead = 0x80; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            if (trail != '\n') {
                *p++ = char(lead);
                *p++ = char(trail);
                *p++ = '\n';
            }
        }
    }
    QTextDecoder decoder(codec, QTextCodec::IgnoreHeader);
    const QString text = decoder.toUnicode(probe);
    if (decoder.hasFailure() || decoder.needsMoreData() || !text.endsWith(QLatin1Char('\n')))
        return nullptr;
    // The segments in turn, not as a list: each of the forty tables a long
    // run may make has 32,895 of them. A codec that swallowed a line feed or
    // made one of its own would have put every segment after it out of place.
    const QStringView segments = QStringView(text).chopped(1);
    if (std::count(segments.cbegin(), segments.cend(), QLatin1Char('\n')) != 255 + 128 * 255 - 1)
        return nullptr;
    qsizetype from = 0;
    const auto nextSegment = [&] {
        qsizetype end = segments.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = segments.size();
        const QStringView segment = segments.mid(from, end - from);
        from = end + 1;
        return segment;
    };

    using Entry = CharacterTable::Entry;
    auto table = std::make_unique<CharacterTable>();
    // Made at the first pair: most codecs here have none.
    std::unique_ptr<std::array<Entry, 0x10000>> pair;
    for (int b = 0; b < 256; ++b) {
        const QStringView segment = b == '\n' ? QStringView() : nextSegment();
        if (b == '\n' || isPlain(segment))
            table->single[b] = entryFor<Entry>(b == '\n' ? ushort('\n') : segment.at(0).unicode());
    }
    bool pairs = false;
    for (int lead = 0x80; lead < 256; ++lead) {
        bool starts = false;
        for (int trail = 0; trail < 256; ++trail) {
            if (trail == '\n')
                continue;
            const QStringView segment = nextSegment();
            if (isPlain(segment)) {
                if (!pair)
                    pair = std::make_unique<std::array<Entry, 0x10000>>(); // all zero: none held
                (*pair)[lead << 8 | trail] = entryFor<Entry>(segment.at(0).unicode());
                starts = true;
            }
        }
        // A byte that is a character alone and yet starts pairs depends on
        // what follows it in a way the table cannot tell: the codec decides.
        if (starts && table->single[lead].length) {
            table->single[lead] = Entry {};
            std::fill_n(pair->begin() + (lead << 8), 256, Entry {});
            starts = false;
        }
        pairs |= starts;
    }
    if (pairs)
        table->pair = std::move(pair);
    table->asciiAsIs = true;
    for (int b = 0; b < 0x80; ++b)
        table->asciiAsIs &= table->single[b].length == 1 && table->single[b].unit == b;
    return table;
}

const CharacterTable *tableFor(const Encoding &encoding, qint64 bytes)
{
    return encoding.splitsAtLineFeeds() ? CharacterTable::of(encoding.codec(), bytes) : nullptr;
}

const CharacterTable *CharacterTable::of(QTextCodec *codec, qint64 bytes)
{
    // Making a two-byte codec's table takes the codec about as long as
    // reading a few hundred KiB, and was half the start-up of a run over one
    // small file: the first 128 KiB are the codec's own to read.
    constexpr qint64 worthATable = 128 * 1024;
    static QMutex mutex;
    static QHash<QTextCodec *, std::shared_ptr<const CharacterTable>> tables;
    static QHash<QTextCodec *, qint64> asked;
    const QMutexLocker lock(&mutex);
    const auto known = tables.constFind(codec);
    if (known != tables.constEnd())
        return known->get();
    qint64 &sum = asked[codec];
    if (bytes < worthATable - sum) {
        sum += bytes;
        return nullptr;
    }
    std::shared_ptr<const CharacterTable> table = makeTable(codec);
    tables.insert(codec, table);
    return table.get();
}

inline const CharacterTable::Entry *CharacterTable::at(const uchar *in, const uchar *end, int &bytes) const
{
    if (single[*in].length) {
        bytes = 1;
        return &single[*in];
    }
    if (pair && end - in >= 2) {
        const Entry &entry = (*pair)[*in << 8 | in[1]];
        bytes = 2;
        return entry.length ? &entry : nullptr;
    }
    return nullptr;
}

bool CharacterTable::toUtf8(const char *data, int size, QByteArray &out, qint64 &characters) const
{
    const auto *in = reinterpret_cast<const uchar *>(data);
    const uchar *const end = in + size;
    // Two bytes of legacy text make at most three of UTF-8; the buffer grows
    // where single bytes make characters of two or three.
    out.resize(size + size / 2 + 16);
    char *o = out.data();
    char *limit = out.data() + out.size() - 8;
    qint64 count = 0;
    while (in < end) {
        if (o > limit) {
            const int written = int(o - out.data());
            out.resize(out.size() * 2);
            o = out.data() + written;
            limit = out.data() + out.size() - 8;
        }
        // Runs of ASCII go eight bytes at a time.
        quint64 word;
        if (asciiAsIs && *in < 0x80 && end - in >= 8 && (std::memcpy(&word, in, 8), !(word & 0x8080808080808080ULL))) {
            std::memcpy(o, &word, 8);
            in += 8;
            o += 8;
            count += 8;
            continue;
        }
        int bytes = 0;
        const Entry *entry = at(in, end, bytes);
        if (!entry)
            return false;
        std::memcpy(o, entry, 4); // the UTF-8, and whatever follows it
        o += entry->length;
        in += bytes;
        ++count;
    }
    out.resize(int(o - out.data()));
    characters += count;
    return true;
}

bool CharacterTable::toUnicode(const char *data, int size, QString &text) const
{
    const auto *in = reinterpret_cast<const uchar *>(data);
    const uchar *const end = in + size;
    text.resize(size); // a byte or a pair makes one unit
    auto *o = reinterpret_cast<char16_t *>(text.data());
    while (in < end) {
        int bytes = 0;
        const Entry *entry = at(in, end, bytes);
        if (!entry)
            return false;
        *o++ = entry->unit;
        in += bytes;
    }
    text.resize(int(o - reinterpret_cast<const char16_t *>(text.constData())));
    return true;
}

} // namespace Karvo
