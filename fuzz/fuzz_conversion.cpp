// libFuzzer target over the engine. The first two bytes of an input pick a
// source and a target codec from the catalogue; the rest is a file. The
// file is detected, then converted with the picked codecs, and the outcome
// must be one of the two honest ones: a refusal that left the source as it
// was and wrote nothing, or a written file that reads back, with the target
// codec, as exactly the text the source reads as. A file that converts is
// then streamed as `karvo -` would, judged on its first half, and must give
// that text again, or, where that half reads alike in the wider encoding,
// the wider encoding's text of it all.
#include "charactertable.h"
#include "conversion.h"
#include "detection.h"
#include "encoding.h"
#include "transcoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

[[noreturn]] void broken(
    const char *what, const QByteArray &input, const Karvo::Encoding &from, const Karvo::Encoding &to)
{
    std::fprintf(
        stderr, "%s (%s -> %s, %d bytes)\n", what, qPrintable(from.name()), qPrintable(to.name()), int(input.size()));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_conversion";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const QVector<Karvo::Encoding> codecs = Karvo::catalogue();
    static QTemporaryDir dir;
    static const QString source = dir.filePath(QStringLiteral("source.txt"));
    static const QString target = dir.filePath(QStringLiteral("target.txt"));
    static const QString rest = dir.filePath(QStringLiteral("rest.txt"));

    if (size < 2)
        return 0;
    const Karvo::Encoding from = codecs.at(data[0] % codecs.size());
    const Karvo::Encoding to = codecs.at(data[1] % codecs.size());
    const QByteArray input(reinterpret_cast<const char *>(data) + 2, int(size - 2));

    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size())
        std::abort();
    file.close();
    QFile::remove(target);

    Karvo::detectFileCoding(source);

    // The table is a shortcut past the codec: whatever it reads, it reads as
    // the codec does.
    const Karvo::CharacterTable *table = Karvo::tableFor(from, std::numeric_limits<qint64>::max());
    QByteArray utf8;
    qint64 characters = 0;
    if (table && table->toUtf8(input.constData(), input.size(), utf8, characters)) {
        QTextDecoder decoder(from.codec(), QTextCodec::IgnoreHeader);
        const QString text = decoder.toUnicode(input + '\n').chopped(1);
        QString unicode;
        if (utf8 != text.toUtf8() || characters != text.size()
            || !table->toUnicode(input.constData(), input.size(), unicode) || unicode != text)
            broken("the table read otherwise than the codec", input, from, to);
    }

    DetectResult detection;
    detection.encoding = from;
    const Karvo::Outcome outcome = Karvo::convertFile(source, target, detection, to);
    if (contents(source) != input)
        broken("the source changed", input, from, to);
    if (!outcome.ok()) {
        if (QFile::exists(target))
            broken("a refused conversion wrote a file", input, from, to);
        return 0;
    }
    // A text that begins with U+FEFF begins with its bytes in the target too,
    // where every reader takes them for a byte-order mark, as they are meant.
    const auto readsBackAs = [&](const QByteArray &written, QString text) {
        const QString back = to.codec()->toUnicode(written);
        if (text.startsWith(QChar(QChar::ByteOrderMark)) && !back.startsWith(QChar(QChar::ByteOrderMark)))
            text.remove(0, 1);
        return back == text;
    };
    if (!readsBackAs(contents(target), from.codec()->toUnicode(input)))
        broken("the written file does not read back as the source's text", input, from, to);

    const QByteArray head = input.left(input.size() / 2);
    QFile restFile(rest);
    if (!restFile.open(QIODevice::WriteOnly) || restFile.write(input.mid(head.size())) != input.size() - head.size())
        std::abort();
    restFile.close();
    const int fd = ::open(QFile::encodeName(rest).constData(), O_RDONLY);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    const Karvo::Outcome streamed = Karvo::transcodeStream(fd, head, from, to, sink, true);
    ::close(fd);
    const Karvo::Widening widening = Karvo::wideningOf(from);
    const bool widened = widening.encoding.isValid()
        && from.codec()->toUnicode(head) == widening.encoding.codec()->toUnicode(head);
    if (!streamed.ok() && !widened)
        broken("the stream refused what the file converts", input, from, to);
    // Bytes that the wider encoding does not read are a failure, as any are.
    if (streamed.ok() && !readsBackAs(sink.data(), (widened ? widening.encoding : from).codec()->toUnicode(input)))
        broken("the stream does not read back as the source's text", input, from, to);
    return 0;
}
