// The checked stream at the heart of a conversion: the source decoded with
// its codec and encoded with the target's, with proof that no character was
// lost on the way, and where the first one would be.
#ifndef KARVO_TRANSCODER_H
#define KARVO_TRANSCODER_H

#include "outcome.h"

#include <QIODevice>
#include <QString>

namespace Karvo {

class Encoding;

// Streams the source, from where it stands, through the two codecs into `sink`,
// stopping at the first character that would not survive: bytes `from`
// cannot decode, a file that ends inside a character, or a character `to`
// cannot write. The failure names the line and column of that character.
Outcome transcode(QIODevice &source, const Encoding &from, const Encoding &to, QIODevice &sink);

// The same for a stream that cannot go back, such as standard input: the
// bytes `head`, already read from it, come first, then the rest of the file
// descriptor `source` to its end. Memory stays flat however long the stream.
// On a failure the sink has every whole character before it, and no more.
// Where `from` was judged on `head` alone and may turn out to be in a wider
// encoding (wideningOf), and the head holds none of the bytes only that one
// reads as text, the stream goes on in it from the first: a file is read
// whole in the wider encoding then, but a stream cannot go back.
Outcome transcodeStream(int source, const QByteArray &head, const Encoding &from, const Encoding &to, QIODevice &sink,
    bool judgedOnHead = false);

// Where `text`, from `from` on, holds a surrogate that is not half of a
// pair, which no encoding can write; -1 where it holds none.
int loneSurrogateIn(const QString &text, int from = 0);

} // namespace Karvo

#endif
