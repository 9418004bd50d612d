#include "transcoder.h"

#include "charactertable.h"
#include "encoding.h"
#include "streaming.h"

#include <QSemaphore>
#include <QTextCodec>
#include <QTextDecoder>
#include <QTextEncoder>
#include <QThread>
#include <QThreadPool>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <utility>

#include <poll.h>
#include <unistd.h>

namespace Karvo {

namespace {

const QChar replacementCharacter(QChar::ReplacementCharacter);

// The bytes a codec writes for a line feed in the middle of a text. Fed to a
// decoder after the last chunk, they make it give up whatever it was holding.
QByteArray newlineBytes(QTextCodec *codec)
{
    QTextEncoder encoder(codec, QTextCodec::IgnoreHeader);
    encoder.fromUnicode(QStringLiteral("a"));
    return encoder.fromUnicode(QStringLiteral("\n"));
}

uint codePointAt(const QString &text, int index)
{
    const QChar c = text.at(index);
    if (c.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(index + 1));
    return c.unicode();
}

int commonPrefixLength(const QString &a, const QString &b)
{
    const int length = qMin(a.size(), b.size());
    int i = 0;
    while (i < length && a.at(i) == b.at(i))
        ++i;
    // Never split a surrogate pair: the character is the pair.
    if (i > 0 && i < a.size() && a.at(i - 1).isHighSurrogate())
        --i;
    return i;
}

// Decodes the source and notices every place where the codec had to guess:
// bytes it could not decode come out as U+FFFD, and bytes it still holds at
// the end of the file would never come out at all.
class SourceDecoder
{
public:
    // Away from the start of the file (a piece after a line feed) a
    // byte-order mark is a character like any other.
    SourceDecoder(const Encoding &encoding, bool atStart)
        : decoder(encoding.codec(), atStart ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader)
        // Qt's own UTF-8, UTF-16 and UTF-32 codecs count the sequences they
        // cannot decode; the ICU-backed codecs count nothing and need the
        // checks below.
        , unicode(encoding.isUnicode())
    {
        if (unicode)
            return;
        QTextCodec *codec = encoding.codec();
        ending = newlineBytes(codec);
        // A codec that can encode U+FFFD itself (GB18030, for one) may hold
        // genuine ones; those are told apart by their bytes.
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const QByteArray bytes = codec->fromUnicode(&replacementCharacter, 1, &state);
        if (state.invalidChars == 0 && !bytes.isEmpty())
            replacementBytes = bytes;
    }

    // Decodes one chunk into `text`. Returns the index in `text` of the first
    // character that stands for undecodable bytes, or -1.
    int decode(const char *data, int size, QString &text)
    {
        text = decoder.toUnicode(data, size);
        if (unicode) {
            if (!decoder.hasFailure())
                return -1;
            return qMax(0, text.indexOf(replacementCharacter));
        }
        const int first = text.indexOf(replacementCharacter);
        if (replacementBytes.isEmpty() || first < 0) {
            keepSeam(data, size);
            return first;
        }
        // A complete sequence comes out of the decoder within the chunk that
        // completes it, so each chunk's U+FFFD must match its own sequences,
        // counting those that straddle the seam with the chunk before.
        qint64 genuine = countReplacementBytes(data, size);
        for (int i = first; i >= 0; i = text.indexOf(replacementCharacter, i + 1)) {
            if (--genuine < 0)
                return i;
        }
        return -1;
    }

    // After the last chunk: false when the file ends inside a character,
    // whose bytes the decoder would otherwise hold back without a word.
    bool finish()
    {
        if (unicode)
            return !decoder.needsMoreData();
        return decoder.toUnicode(ending) == QLatin1String("\n");
    }

private:
    qint64 countReplacementBytes(const char *data, int size)
    {
        const QByteArray chunk = QByteArray::fromRawData(data, size);
        const QByteArray seam = carry + chunk.left(replacementBytes.size() - 1);
        keepSeam(data, size);
        return seam.count(replacementBytes) + chunk.count(replacementBytes);
    }

    void keepSeam(const char *data, int size)
    {
        if (!replacementBytes.isEmpty())
            carry = (carry + QByteArray::fromRawData(data, size).right(replacementBytes.size() - 1))
                        .right(replacementBytes.size() - 1);
    }

    QTextDecoder decoder;
    const bool unicode;
    QByteArray ending;
    QByteArray replacementBytes;
    QByteArray carry;
};

// Encodes the text for the target and proves, chunk by chunk, that the
// bytes decode back to exactly the text they were made from: codecs replace
// what they cannot represent with "?" without a word.
class TargetEncoder
{
public:
    struct Loss
    {
        qint64 index = -1; // in the whole text
        uint character = 0;
    };

    TargetEncoder(const Encoding &encoding, bool atStart)
        // A stateful UTF-8 encoder would start with a byte-order mark that a
        // one-shot fromUnicode does not write; UTF-16 and UTF-32 write theirs
        // once either way, at the start.
        : encoder(
            encoding.codec(), encoding.isUtf8() || !atStart ? QTextCodec::IgnoreHeader : QTextCodec::DefaultConversion)
        , decoder(encoding.codec(), atStart ? QTextCodec::DefaultConversion : QTextCodec::IgnoreHeader)
        , ending(newlineBytes(encoding.codec()))
        , check(checkFor(encoding))
        // UTF-32 in the byte order its codec writes: the machine's where the
        // name gives none.
        , bigEndian(ending.startsWith('\0'))
        , byteOrderMark(atStart)
        , shifts(encoding.name().startsWith(QLatin1String("ISO-2022-JP"))    ? Shifts::Escapes
                  : encoding.name().startsWith(QLatin1String("ISO-2022-CN")) ? Shifts::ShiftOut
                                                                             : Shifts::None)
    { }

    // What takes the target back to ASCII after the last character, as
    // ISO-2022-JP and ISO-2022-CN text must end: Qt's encoders leave it to
    // a character that never comes.
    QByteArray closing() const
    {
        if (!shifted)
            return QByteArray();
        return shifts == Shifts::Escapes ? QByteArrayLiteral("\x1b(B") : QByteArrayLiteral("\x0f");
    }

    Loss encode(const QString &text, QByteArray &bytes)
    {
        if (check == Check::Utf32)
            return encodeUtf32(text, bytes);
        bytes = encoder.fromUnicode(text);
        noteShifts(bytes);
        switch (check) {
        case Check::Nothing:
        case Check::Utf32:
            return {};
        case Check::Surrogates:
            return encoder.hasFailure() ? loneSurrogate(text) : advance(text);
        case Check::DecodeBack:
            break;
        }
        if (!text.isEmpty())
            lastCharacter = codePointAt(text, text.size() - (text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1));
        const QString back = decoder.toUnicode(bytes);
        if (pending.isEmpty() && back == text) {
            confirmed += text.size();
            return {};
        }
        // A decoder may hold the last bytes of a chunk until the next one.
        pending += text;
        const int common = commonPrefixLength(pending, back);
        if (common < back.size())
            return lossAt(common);
        pending.remove(0, common);
        confirmed += common;
        return {};
    }

    // After the last chunk: whatever an encoder or decoder still holds is lost.
    Loss finish()
    {
        switch (check) {
        case Check::Nothing:
            return {};
        case Check::Surrogates:
        case Check::Utf32:
            return held ? Loss {confirmed - 1, held} : Loss {};
        case Check::DecodeBack:
            break;
        }
        // A line feed makes the decoder give up what it holds.
        const int unconfirmed = pending.size();
        pending += QLatin1Char('\n');
        const QString back = decoder.toUnicode(ending);
        if (back == pending)
            return {};
        return lossAt(qMin(commonPrefixLength(pending, back), unconfirmed - 1));
    }

private:
    // Qt's UTF-16 codecs write any sequence of code units, lone surrogates
    // included, and read it back unchanged; its UTF-8 codec counts the lone
    // surrogates that it cannot write; UTF-32 is written here. Everything
    // else is decoded back.
    enum class Check { Nothing, Surrogates, Utf32, DecodeBack };

    static Check checkFor(const Encoding &encoding)
    {
        if (encoding.isUtf8())
            return Check::Surrogates;
        if (!encoding.isUnicode())
            return Check::DecodeBack;
        return encoding.unitSize() == 2 ? Check::Nothing : Check::Utf32;
    }

    // Qt 5's UTF-32 encoder leaves four stray bytes after every character
    // beyond U+FFFF, and reads a pair that two chunks split as two lone
    // halves. UTF-32 is simple enough to write here, the same on every Qt:
    // a byte-order mark at the start, as Qt's UTF-16 writes, then one unit
    // per character.
    Loss encodeUtf32(const QString &text, QByteArray &bytes)
    {
        bytes.resize(4 * (text.size() + 1));
        char *out = bytes.data();
        const auto put = [&](uint character) {
            if (bigEndian)
                qToBigEndian<quint32>(character, out);
            else
                qToLittleEndian<quint32>(character, out);
            out += 4;
        };
        if (std::exchange(byteOrderMark, false))
            put(QChar::ByteOrderMark);
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (held) {
                if (!c.isLowSurrogate())
                    return {confirmed + i - 1, held};
                put(QChar::surrogateToUcs4(held, c.unicode()));
                held = 0;
            } else if (c.isHighSurrogate()) {
                held = c.unicode();
            } else if (c.isLowSurrogate()) {
                return {confirmed + i, c.unicode()};
            } else {
                put(c.unicode());
            }
        }
        bytes.truncate(int(out - bytes.constData()));
        confirmed += text.size();
        return {};
    }

    // Qt's UTF-8 encoder holds a surrogate that ends a chunk without its
    // partner until the next chunk; one still held at the end is dropped.
    Loss advance(const QString &text)
    {
        if (!text.isEmpty()) {
            const QChar last = text.back();
            const QChar before = text.size() > 1 ? text.at(text.size() - 2) : QChar(held);
            held = last.isSurrogate() && !(last.isLowSurrogate() && before.isHighSurrogate()) ? last.unicode() : 0;
        }
        confirmed += text.size();
        return {};
    }

    Loss loneSurrogate(const QString &text) const
    {
        int i = 0;
        if (held) {
            if (!QChar::isHighSurrogate(held) || text.isEmpty() || !text.front().isLowSurrogate())
                return {confirmed - 1, held};
            i = 1;
        }
        const int lone = loneSurrogateIn(text, i);
        return lone < 0 ? Loss {confirmed, 0} : Loss {confirmed + lone, text.at(lone).unicode()};
    }

    // The first character at or after `offset` in `pending` that failed;
    // when everything was confirmed, the last character of the text.
    Loss lossAt(int offset) const
    {
        if (offset < 0 || pending.isEmpty())
            return {qMax<qint64>(0, confirmed - 1), lastCharacter};
        offset = qMin(offset, pending.size() - 1);
        return {confirmed + offset, codePointAt(pending, offset)};
    }

    // Where the last escape sequence, or shift, left the target.
    void noteShifts(const QByteArray &bytes)
    {
        if (shifts == Shifts::Escapes) {
            const int escape = bytes.lastIndexOf('\x1b');
            if (escape >= 0)
                shifted = bytes.mid(escape, 3) != "\x1b(B";
        } else if (shifts == Shifts::ShiftOut) {
            const int out = bytes.lastIndexOf('\x0e');
            const int in = bytes.lastIndexOf('\x0f');
            if (out >= 0 || in >= 0)
                shifted = out > in;
        }
    }

    QTextEncoder encoder;
    QTextDecoder decoder;
    QByteArray ending;
    const Check check;
    const bool bigEndian; // for UTF-32
    bool byteOrderMark; // still to write, for UTF-32
    QString pending;
    qint64 confirmed = 0;
    uint lastCharacter = 0;
    ushort held = 0; // a surrogate the UTF-8 or UTF-32 encoder has not written yet
    enum class Shifts { None, Escapes, ShiftOut };
    const Shifts shifts;
    bool shifted = false; // out of ASCII
};

struct Position
{
    qint64 line = 1;
    qint64 column = 1;
};

// Where the character at `index` of the decoded text stands. Only failures
// need this, so the source is decoded once more instead of counting lines
// on every chunk of every file.
Position locate(QIODevice &source, const Encoding &encoding, qint64 index)
{
    Position position;
    if (!source.seek(0))
        return position;
    QTextDecoder decoder(encoding.codec());
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 seen = 0;
    while (seen < index) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read <= 0)
            break;
        const QString text = decoder.toUnicode(buffer.constData(), int(read));
        for (const QChar c : text) {
            if (seen == index)
                break;
            ++seen;
            if (c == QLatin1Char('\n')) {
                ++position.line;
                position.column = 1;
            } else if (!c.isLowSurrogate()) {
                ++position.column;
            }
        }
    }
    return position;
}

// One piece of the source, cut after a line feed, and what became of it.
struct Piece
{
    enum class Failure { None, Invalid, Cut, Lost };

    QByteArray bytes;
    bool atStart = false;
    bool last = false;
    QByteArray output;
    qint64 characters = 0; // decoded from the piece
    Failure failure = Failure::None;
    qint64 index = 0; // of the failed character, within the piece's text
    uint character = 0; // the one that cannot be written
    bool countLines = false; // a stream counts lines as it goes, having no way back
    qint64 lineFeeds = 0;
    QSemaphore done;
};

// The shortcut from `from` to UTF-8, where there is one. Every character
// the table holds is one the codec reads the same way and UTF-8 can write,
// so there is nothing left to check.
const CharacterTable *tableToUtf8(const Encoding &from, const Encoding &to, qint64 bytes)
{
    return to.isUtf8() ? tableFor(from, bytes) : nullptr;
}

// The checks of the stream, on one piece; as in the stream, a failure to
// decode comes before a failure to write.
void convertPiece(Piece &piece, const Encoding &from, const Encoding &to)
{
    if (piece.countLines)
        piece.lineFeeds = piece.bytes.count('\n');
    if (const CharacterTable *table = tableToUtf8(from, to, piece.bytes.size())) {
        if (table->toUtf8(piece.bytes.constData(), piece.bytes.size(), piece.output, piece.characters)) {
            piece.bytes = QByteArray();
            return;
        }
        piece.output = QByteArray();
        piece.characters = 0;
    }
    SourceDecoder decoder(from, piece.atStart);
    TargetEncoder encoder(to, piece.atStart);
    QString text;
    const int bad = decoder.decode(piece.bytes.constData(), piece.bytes.size(), text);
    TargetEncoder::Loss loss;
    if (bad >= 0) {
        piece.failure = Piece::Failure::Invalid;
        piece.index = bad;
    } else if ((loss = encoder.encode(text, piece.output)).index >= 0) {
        piece.failure = Piece::Failure::Lost;
    } else if (!decoder.finish()) {
        piece.failure = Piece::Failure::Cut;
        piece.index = text.size();
    } else if ((loss = encoder.finish()).index >= 0) {
        piece.failure = Piece::Failure::Lost;
    }
    if (piece.failure == Piece::Failure::Lost) {
        piece.index = loss.index;
        piece.character = loss.character;
    }
    piece.characters = text.size();
    // A stream that fails here still writes the characters before the
    // failure, from these bytes.
    if (piece.failure == Piece::Failure::None)
        piece.bytes = QByteArray();
}

// Pieces are half a chunk long, to keep memory flat with a few in flight;
// a longer line ends the pieces there.
constexpr int pieceSize = chunkSize / 2;

// One conversion of one file: the source streamed through the two codecs
// into the sink, alone or in pieces converted side by side.
class Transcoder
{
public:
    Transcoder(QIODevice &source, const Encoding &from, const Encoding &to, QIODevice &sink)
        : source(source)
        , from(from)
        , to(to)
        , sink(sink)
    { }

    Outcome run()
    {
        // Asked only of a large file: the count is read from /sys each time.
        if (source.size() - source.pos() > 2 * pieceSize && from.splitsAtLineFeeds() && to.splitsAtLineFeeds()) {
            if (const int threads = QThread::idealThreadCount(); threads >= 2)
                return inPieces(threads);
        }
        Outcome outcome;
        if (throughTable(outcome))
            return outcome;
        return sequentially(0, true);
    }

private:
    // A failure says where in the text it is; the position is found only then.
    Outcome at(Failure failure, qint64 index, const Encoding &encoding, uint character = 0)
    {
        const Position position = locate(source, from, index);
        Outcome outcome = Outcome::failed(failure);
        outcome.line = position.line;
        outcome.column = position.column;
        outcome.encoding = encoding.name();
        outcome.character = character;
        return outcome;
    }
    Outcome invalid(qint64 index) { return at(Failure::LossySource, index, from); }
    Outcome cut(qint64 index) { return at(Failure::CutSource, index, from); }
    Outcome lost(qint64 index, uint character) { return at(Failure::LossyTarget, index, to, character); }
    static Outcome cannotRead() { return Outcome::failed(Failure::CannotRead, errno); }
    static Outcome cannotWrite() { return Outcome::writeError(errno); }

    bool write(const QByteArray &bytes) { return sink.write(bytes) == bytes.size(); }

    // A small file of characters the table holds goes to UTF-8 in one go;
    // false, with the source where it stood, leaves it to the codecs.
    bool throughTable(Outcome &outcome)
    {
        const qint64 start = source.pos();
        const CharacterTable *table = tableToUtf8(from, to, source.size() - start);
        if (!table)
            return false;
        const QByteArray bytes = source.read(bufferFor(source.size() - start, 2 * pieceSize + 1));
        QByteArray output;
        qint64 characters = 0;
        if (bytes.size() > 2 * pieceSize || !source.atEnd()
            || !table->toUtf8(bytes.constData(), bytes.size(), output, characters)) {
            if (source.seek(start))
                return false;
            outcome = cannotRead();
            return true;
        }
        outcome = write(output) ? Outcome::success() : cannotWrite();
        return true;
    }

    // From where the source stands to its end, `decoded` characters into
    // the text, stopping at the first character that would not survive.
    Outcome sequentially(qint64 decoded, bool atStart)
    {
        SourceDecoder decoder(from, atStart);
        TargetEncoder encoder(to, atStart);
        const qint64 before = decoded;
        QByteArray buffer(chunkSize, Qt::Uninitialized);
        QString text;
        for (;;) {
            const qint64 read = source.read(buffer.data(), buffer.size());
            if (read < 0)
                return cannotRead();
            if (read > 0) {
                const int bad = decoder.decode(buffer.constData(), int(read), text);
                if (bad >= 0)
                    return invalid(decoded + bad);
            } else {
                text.clear();
                if (!decoder.finish())
                    return cut(decoded);
            }

            QByteArray bytes;
            TargetEncoder::Loss loss = encoder.encode(text, bytes);
            if (read == 0 && loss.index < 0)
                loss = encoder.finish();
            if (loss.index >= 0)
                return lost(before + loss.index, loss.character);
            if (read == 0)
                bytes += encoder.closing();

            if (!write(bytes))
                return cannotWrite();
            decoded += text.size();
            if (read == 0)
                return Outcome::success();
        }
    }

    enum class Cut { Piece, End, NoLineFeed, ReadError };

    // The next piece: whole lines up to about pieceSize bytes, or the rest
    // of the file.
    Cut nextPiece(Piece &piece)
    {
        QByteArray &block = piece.bytes;
        block = carry;
        const int kept = block.size();
        block.resize(pieceSize);
        qint64 filled = kept;
        while (filled < pieceSize) {
            const qint64 read = source.read(block.data() + filled, pieceSize - filled);
            if (read < 0)
                return Cut::ReadError;
            if (read == 0)
                break;
            filled += read;
        }
        block.truncate(int(filled));
        if (filled < pieceSize) {
            carry.clear();
            piece.last = true;
            return block.isEmpty() ? Cut::End : Cut::Piece;
        }
        const int lineFeed = block.lastIndexOf('\n');
        if (lineFeed < 0)
            return Cut::NoLineFeed;
        carry = block.mid(lineFeed + 1);
        block.truncate(lineFeed + 1);
        return Cut::Piece;
    }

    // Pieces are converted on `threads` threads, a few more in flight than
    // threads so that none waits, and written in order; the first failure
    // in the file wins, as in one stream.
    Outcome inPieces(int threads)
    {
        std::atomic<bool> stop {false};
        QThreadPool pool; // waits for its threads before `stop` goes
        pool.setMaxThreadCount(threads);
        std::deque<std::shared_ptr<Piece>> inFlight;
        const auto finish = [&](const Outcome &outcome) {
            stop = true;
            pool.waitForDone();
            return outcome;
        };

        const qint64 start = source.pos();
        qint64 consumed = 0; // bytes handed to pieces
        qint64 decoded = 0; // characters written
        bool more = true;
        bool noLineFeed = false;
        for (;;) {
            while (more && int(inFlight.size()) < threads + 2) {
                auto piece = std::make_shared<Piece>();
                const Cut cut = nextPiece(*piece);
                if (cut == Cut::ReadError)
                    return finish(cannotRead());
                if (cut != Cut::Piece) {
                    noLineFeed = cut == Cut::NoLineFeed;
                    more = false;
                    break;
                }
                piece->atStart = consumed == 0;
                consumed += piece->bytes.size();
                more = !piece->last;
                pool.start([piece, &stop, from = from, to = to] {
                    if (!stop)
                        convertPiece(*piece, from, to);
                    piece->done.release();
                });
                inFlight.push_back(std::move(piece));
            }
            if (inFlight.empty())
                break;

            const std::shared_ptr<Piece> piece = std::move(inFlight.front());
            inFlight.pop_front();
            piece->done.acquire();
            switch (piece->failure) {
            case Piece::Failure::Invalid:
                return finish(invalid(decoded + piece->index));
            case Piece::Failure::Cut:
                return finish(cut(decoded + piece->index));
            case Piece::Failure::Lost:
                return finish(lost(decoded + piece->index, piece->character));
            case Piece::Failure::None:
                break;
            }
            if (!write(piece->output))
                return finish(cannotWrite());
            decoded += piece->characters;
        }
        if (!noLineFeed)
            return Outcome::success();

        // A line longer than a piece: what is left goes as one stream, which
        // starts in the same state after the line feed that ended the last
        // piece.
        carry.clear();
        if (!source.seek(start + consumed))
            return cannotRead();
        return sequentially(decoded, consumed == 0);
    }

    QIODevice &source;
    const Encoding from;
    const Encoding to;
    QIODevice &sink;
    QByteArray carry; // read beyond the last line feed of a piece
};

// Moves `position` over text[begin, end): a line at each line feed, a
// column at each code point.
void advance(Position &position, const QString &text, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            ++position.line;
            position.column = 1;
        } else if (!c.isLowSurrogate()) {
            ++position.column;
        }
    }
}

// One conversion of a stream that cannot go back (standard input, a pipe):
// the bytes read ahead for detection, then the rest of the descriptor. With
// no way back to locate a failure, lines are counted on the way; and since
// what was written cannot be taken back either, a failure first writes the
// whole characters before it, so that the reader gets exactly those.
class StreamTranscoder
{
public:
    StreamTranscoder(int source, const QByteArray &head, const Encoding &from, const Encoding &to, QIODevice &sink,
        bool judgedOnHead)
        : source(source)
        , held(head)
        , from(from)
        , to(to)
        , sink(sink)
    {
        // Judged on its first MiB, a stream may hold further on what only a
        // wider encoding reads: Hong Kong's characters after Big5, curly
        // quotes after ISO-8859-1, UTF-8 after ASCII. Where the first MiB
        // reads alike in both, the wider one reads it all, so that no bytes
        // are read one way before some point and another way after it.
        const Widening widening = wideningOf(from);
        if (judgedOnHead && widening.encoding.isValid() && readsAlike(head, from, widening.encoding))
            this->from = widening.encoding;
    }

    Outcome run()
    {
        const int threads = QThread::idealThreadCount();
        if (threads >= 2 && from.splitsAtLineFeeds() && to.splitsAtLineFeeds())
            return inPieces(threads);
        return sequentially(true, Position());
    }

private:
    Outcome at(Failure failure, const Position &position, const Encoding &encoding, uint character = 0) const
    {
        Outcome outcome = Outcome::failed(failure);
        outcome.line = position.line;
        outcome.column = position.column;
        outcome.encoding = encoding.name();
        outcome.character = character;
        return outcome;
    }
    static Outcome cannotRead() { return Outcome::failed(Failure::CannotRead, errno); }
    static Outcome cannotWrite() { return Outcome::writeError(errno); }

    bool write(const QByteArray &bytes) { return bytes.isEmpty() || sink.write(bytes) == bytes.size(); }

    static bool readsAlike(const QByteArray &bytes, const Encoding &a, const Encoding &b)
    {
        QTextCodec::ConverterState aState;
        QTextCodec::ConverterState bState;
        return a.codec()->toUnicode(bytes.constData(), bytes.size(), &aState)
            == b.codec()->toUnicode(bytes.constData(), bytes.size(), &bState);
    }

    // Up to `size` bytes: what was read ahead first, then one read of the
    // source, which returns what a slow writer has written so far.
    qint64 readSome(char *data, qint64 size)
    {
        if (heldAt < held.size()) {
            const int count = int(qMin<qint64>(size, held.size() - heldAt));
            std::memcpy(data, held.constData() + heldAt, size_t(count));
            heldAt += count;
            if (heldAt == held.size()) {
                held.clear();
                heldAt = 0;
            }
            return count;
        }
        for (;;) {
            const ssize_t read = ::read(source, data, size_t(size));
            if (read >= 0 || errno != EINTR)
                return read;
        }
    }

    // Whether a read would return at once.
    bool ready()
    {
        if (heldAt < held.size())
            return true;
        pollfd waiting {source, POLLIN, 0};
        // On an error the read says what went wrong.
        return ::poll(&waiting, 1, 0) != 0;
    }

    // The bytes for text[0, length) from a fresh encoder, which is how the
    // caller's encoder would have written them where it starts afresh or
    // keeps no state between characters.
    bool writePrefix(const QString &text, int length, bool atStart)
    {
        if (length <= 0)
            return true;
        TargetEncoder encoder(to, atStart);
        QByteArray bytes;
        encoder.encode(text.left(length), bytes);
        return write(bytes);
    }

    Outcome sequentially(bool atStart, Position position)
    {
        auto decoder = std::make_unique<SourceDecoder>(from, atStart);
        TargetEncoder encoder(to, atStart);
        qint64 encoded = 0; // characters given to the encoder
        QByteArray buffer(chunkSize, Qt::Uninitialized);
        QString text;
        for (;;) {
            const qint64 read = readSome(buffer.data(), buffer.size());
            if (read < 0)
                return cannotRead();
            int bad = -1;
            if (read > 0)
                bad = decoder->decode(buffer.constData(), int(read), text);
            else
                text.clear();
            // Whatever the target can write of the characters before a bad
            // byte goes out before the stream stops there.
            if (bad >= 0)
                text.truncate(bad);

            QByteArray bytes;
            TargetEncoder::Loss loss = encoder.encode(text, bytes);
            if (read == 0 && loss.index < 0)
                loss = encoder.finish();
            if (loss.index >= 0) {
                // Before this chunk's text when the encoder held a character
                // back from the one before.
                const int length = int(qMax<qint64>(0, loss.index - encoded));
                if (!writePrefix(text, length, atStart && encoded == 0))
                    return cannotWrite();
                advance(position, text, 0, length);
                return at(Failure::LossyTarget, position, to, loss.character);
            }
            if (read == 0 || bad >= 0)
                bytes += encoder.closing();
            if (!write(bytes))
                return cannotWrite();
            encoded += text.size();
            advance(position, text, 0, text.size());
            if (bad >= 0)
                return at(Failure::LossySource, position, from);
            if (read == 0)
                return decoder->finish() ? Outcome::success() : at(Failure::CutSource, position, from);
        }
    }

    // Rest: what is left goes as one stream, after the pieces before it.
    enum class Cut { Piece, End, Rest, ReadError };

    // The next piece: whole lines, up to pieceSize bytes or as much as has
    // come when the source is slow, or the rest of the stream.
    Cut nextPiece(Piece &piece)
    {
        QByteArray &block = piece.bytes;
        block = carry;
        carry.clear();
        int filled = block.size();
        bool lineFeed = block.contains('\n');
        bool end = false;
        block.resize(pieceSize);
        while (filled < pieceSize) {
            // Whole lines from a slow writer (`tail -f`) go through now, not
            // half a MiB later.
            if (lineFeed && !ready())
                break;
            const qint64 read = readSome(block.data() + filled, pieceSize - filled);
            if (read < 0)
                return Cut::ReadError;
            if (read == 0) {
                end = true;
                break;
            }
            lineFeed = lineFeed || std::memchr(block.constData() + filled, '\n', size_t(read));
            filled += int(read);
        }
        block.truncate(filled);
        if (end) {
            piece.last = true;
            return block.isEmpty() ? Cut::End : Cut::Piece;
        }
        const int at = block.lastIndexOf('\n');
        if (at < 0) {
            // A line longer than a piece goes as one stream.
            handBack(block);
            return Cut::Rest;
        }
        carry = block.mid(at + 1);
        block.truncate(at + 1);
        return Cut::Piece;
    }

    // Bytes read for a piece, to be read again by the stream that follows.
    void handBack(const QByteArray &block)
    {
        held = block + held.mid(heldAt);
        heldAt = 0;
    }

    // A piece that failed: the whole characters before the failure are
    // written, and the failure located within the piece.
    Outcome pieceFailed(const Piece &piece, Position position)
    {
        SourceDecoder decoder(from, piece.atStart);
        QString text;
        decoder.decode(piece.bytes.constData(), piece.bytes.size(), text);
        const int length = int(qBound<qint64>(0, piece.index, text.size()));
        if (!writePrefix(text, length, piece.atStart))
            return cannotWrite();
        advance(position, text, 0, length);
        switch (piece.failure) {
        case Piece::Failure::Invalid:
            return at(Failure::LossySource, position, from);
        case Piece::Failure::Cut:
            return at(Failure::CutSource, position, from);
        case Piece::Failure::Lost:
        case Piece::Failure::None:
            break;
        }
        return at(Failure::LossyTarget, position, to, piece.character);
    }

    // As the file's pieces, with lines counted: every piece but the last
    // starts a line.
    Outcome inPieces(int threads)
    {
        std::atomic<bool> stop {false};
        QThreadPool pool;
        pool.setMaxThreadCount(threads);
        std::deque<std::shared_ptr<Piece>> inFlight;
        const auto finish = [&](const Outcome &outcome) {
            stop = true;
            pool.waitForDone();
            return outcome;
        };

        bool atStart = true;
        Position position;
        bool more = true;
        bool rest = false;
        for (;;) {
            while (more && int(inFlight.size()) < threads + 2) {
                // A slow writer's lines are written out before waiting for more.
                if (!inFlight.empty() && !ready())
                    break;
                auto piece = std::make_shared<Piece>();
                piece->countLines = true;
                const Cut cut = nextPiece(*piece);
                if (cut == Cut::ReadError)
                    return finish(cannotRead());
                if (cut != Cut::Piece) {
                    rest = cut == Cut::Rest;
                    more = false;
                    break;
                }
                piece->atStart = atStart;
                atStart = false;
                more = !piece->last;
                pool.start([piece, &stop, from = from, to = to] {
                    if (!stop)
                        convertPiece(*piece, from, to);
                    piece->done.release();
                });
                inFlight.push_back(std::move(piece));
            }
            if (inFlight.empty())
                break;

            const std::shared_ptr<Piece> piece = std::move(inFlight.front());
            inFlight.pop_front();
            piece->done.acquire();
            if (piece->failure != Piece::Failure::None)
                return finish(pieceFailed(*piece, position));
            if (!write(piece->output))
                return finish(cannotWrite());
            position.line += piece->lineFeeds;
        }
        pool.waitForDone();
        if (!rest)
            return Outcome::success();
        return sequentially(atStart, position);
    }

    const int source;
    QByteArray held; // read ahead, and not converted yet
    int heldAt = 0;
    Encoding from;
    const Encoding to;
    QIODevice &sink;
    QByteArray carry; // read beyond the last line feed of a piece
};

} // namespace

int loneSurrogateIn(const QString &text, int from)
{
    for (int i = from; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return i;
    }
    return -1;
}

Outcome transcode(QIODevice &source, const Encoding &from, const Encoding &to, QIODevice &sink)
{
    return Transcoder(source, from, to, sink).run();
}

Outcome transcodeStream(
    int source, const QByteArray &head, const Encoding &from, const Encoding &to, QIODevice &sink, bool judgedOnHead)
{
    return StreamTranscoder(source, head, from, to, sink, judgedOnHead).run();
}

} // namespace Karvo
