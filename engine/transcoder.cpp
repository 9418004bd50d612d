#include "transcoder.h"

#include "regularfile.h"
#include "streaming.h"

#include <QTextCodec>
#include <QTextDecoder>
#include <QTextEncoder>

#include <utility>

namespace Karvo {

namespace {

const QChar replacementCharacter(QChar::ReplacementCharacter);

// Qt's own UTF-8, UTF-16 and UTF-32 codecs count the sequences they cannot
// decode; the ICU-backed codecs count nothing and need the checks below.
bool isUnicodeCodec(const QTextCodec *codec)
{
    switch (codec->mibEnum()) {
    case 106:
    case 1013:
    case 1014:
    case 1015:
    case 1017:
    case 1018:
    case 1019:
        return true;
    default:
        return false;
    }
}

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
    explicit SourceDecoder(QTextCodec *codec)
        : decoder(codec)
        , unicode(isUnicodeCodec(codec))
    {
        if (unicode)
            return;
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

    explicit TargetEncoder(QTextCodec *codec)
        // A stateful UTF-8 encoder would start with a byte-order mark that a
        // one-shot fromUnicode does not write; UTF-16 and UTF-32 write theirs
        // once either way.
        : encoder(codec, codec->mibEnum() == 106 ? QTextCodec::IgnoreHeader : QTextCodec::DefaultConversion)
        , decoder(codec)
        , ending(newlineBytes(codec))
        , check(checkFor(codec))
    { }

    Loss encode(const QString &text, QByteArray &bytes)
    {
        bytes = encoder.fromUnicode(text);
        switch (check) {
        case Check::Nothing:
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
    // surrogates that it cannot write. Everything else is decoded back.
    enum class Check { Nothing, Surrogates, DecodeBack };

    static Check checkFor(const QTextCodec *codec)
    {
        switch (codec->mibEnum()) {
        case 106:
            return Check::Surrogates;
        case 1013:
        case 1014:
        case 1015:
            return Check::Nothing;
        default:
            return Check::DecodeBack;
        }
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
        for (; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                return {confirmed + i, c.unicode()};
        }
        return {confirmed, 0};
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

    QTextEncoder encoder;
    QTextDecoder decoder;
    QByteArray ending;
    const Check check;
    QString pending;
    qint64 confirmed = 0;
    uint lastCharacter = 0;
    ushort held = 0; // a surrogate the UTF-8 encoder has not written yet
};

struct Position
{
    qint64 line = 1;
    qint64 column = 1;
};

// Where the character at `index` of the decoded text stands. Only failures
// need this, so the source is decoded once more instead of counting lines
// on every chunk of every file.
Position locate(QFile &source, QTextCodec *codec, qint64 index)
{
    Position position;
    if (!source.seek(0))
        return position;
    QTextDecoder decoder(codec);
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

QString hexCode(uint character)
{
    return QString::number(character, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

Outcome transcode(QFile &source, const QString &sourcePath, QTextCodec *from, QTextCodec *to, QIODevice &sink,
    const QString &sinkPath)
{
    SourceDecoder decoder(from);
    TargetEncoder encoder(to);

    // Messages say where the trouble is; `at` finds it only when needed.
    const QString fromName = QString::fromLatin1(from->name());
    const QString toName = QString::fromLatin1(to->name());
    const auto at = [&](qint64 index) {
        const Position position = locate(source, from, index);
        return std::make_pair(QString::number(position.line), QString::number(position.column));
    };
    const auto failure = [&](const QString &message) { return Outcome::failure(message, nativePath(sourcePath)); };

    QByteArray buffer(chunkSize, Qt::Uninitialized);
    QString text;
    qint64 decoded = 0;
    for (;;) {
        const qint64 read = source.read(buffer.data(), buffer.size());
        if (read < 0)
            return Outcome::failure(
                QStringLiteral("Could not read source file."), withReason(sourcePath, source.errorString()));
        if (read > 0) {
            const int bad = decoder.decode(buffer.constData(), int(read), text);
            if (bad >= 0) {
                const auto [line, column] = at(decoded + bad);
                return failure(
                    QStringLiteral("Could not convert file: the bytes at line %1, column %2 are not valid %3.")
                        .arg(line, column, fromName));
            }
        } else {
            text.clear();
            if (!decoder.finish()) {
                const auto [line, column] = at(decoded);
                return failure(QStringLiteral("Could not convert file: it ends in the middle of a %3 character, at "
                                              "line %1, column %2.")
                                   .arg(line, column, fromName));
            }
        }

        QByteArray bytes;
        TargetEncoder::Loss loss = encoder.encode(text, bytes);
        if (read == 0 && loss.index < 0)
            loss = encoder.finish();
        if (loss.index >= 0) {
            const auto [line, column] = at(loss.index);
            return failure(QStringLiteral("Could not convert file: the character U+%1 at line %2, column %3 cannot be "
                                          "written in %4.")
                               .arg(hexCode(loss.character), line, column, toName));
        }

        if (sink.write(bytes) != bytes.size())
            return Outcome::failure(
                QStringLiteral("Could not write target file."), withReason(sinkPath, sink.errorString()));
        decoded += text.size();
        if (read == 0)
            return Outcome::success();
    }
}

} // namespace Karvo
