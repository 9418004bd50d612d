// A fast digest of a file's bytes, to tell whether a file still holds what
// Karvo wrote there.
#ifndef KARVO_DIGEST_H
#define KARVO_DIGEST_H

#include <QByteArray>
#include <QtEndian>
#include <QtGlobal>

#include <cstring>

namespace Karvo {

// A fast 64-bit digest of a file's bytes, in four lanes of 64-bit
// multiply-rotate rounds. It only has to notice a file that changed but kept
// its size and mtime, not withstand someone forging one; a cryptographic
// hash would triple what undo costs for a large file.
class ContentHash
{
public:
    void add(const char *data, qint64 size)
    {
        length += quint64(size);
        // Whole blocks straight from the input; only the ends are gathered.
        if (filled > 0) {
            const qint64 take = qMin<qint64>(size, qint64(sizeof block) - filled);
            std::memcpy(block + filled, data, size_t(take));
            filled += take;
            data += take;
            size -= take;
            if (filled < qint64(sizeof block))
                return;
            mix(block);
            filled = 0;
        }
        for (; size >= qint64(sizeof block); data += sizeof block, size -= sizeof block)
            mix(data);
        std::memcpy(block, data, size_t(size));
        filled = size;
    }

    QByteArray result() const
    {
        quint64 h = rotate(lanes[0], 1) + rotate(lanes[1], 7) + rotate(lanes[2], 12) + rotate(lanes[3], 18);
        for (quint64 lane : lanes)
            h = (h ^ round(0, lane)) * prime1 + prime4;
        h += length;
        for (qint64 i = 0; i < filled; ++i)
            h = rotate(h ^ (quint64(uchar(block[i])) * prime5), 11) * prime1;
        h ^= h >> 33;
        h *= prime2;
        h ^= h >> 29;
        h *= prime3;
        h ^= h >> 32;
        QByteArray bytes(8, Qt::Uninitialized);
        for (int i = 0; i < 8; ++i)
            bytes[i] = char(h >> (56 - 8 * i));
        return bytes;
    }

private:
    static constexpr quint64 prime1 = 0x9E3779B185EBCA87ULL;
    static constexpr quint64 prime2 = 0xC2B2AE3D27D4EB4FULL;
    static constexpr quint64 prime3 = 0x165667B19E3779F9ULL;
    static constexpr quint64 prime4 = 0x85EBCA77C2B2AE63ULL;
    static constexpr quint64 prime5 = 0x27D4EB2F165667C5ULL;

    void mix(const char *from)
    {
        for (int lane = 0; lane < 4; ++lane)
            lanes[lane] = round(lanes[lane], word(from + 8 * lane));
    }

    static quint64 rotate(quint64 x, int bits) { return (x << bits) | (x >> (64 - bits)); }
    static quint64 round(quint64 lane, quint64 input) { return rotate(lane + input * prime2, 31) * prime1; }
    static quint64 word(const char *p)
    {
        quint64 w;
        std::memcpy(&w, p, sizeof w);
        return qFromLittleEndian(w);
    }

    quint64 lanes[4] = {prime1 + prime2, prime2, 0, 0 - prime1};
    char block[32];
    qint64 filled = 0;
    quint64 length = 0;
};

} // namespace Karvo

#endif
