// Judging whether decoded text reads as real writing, so that detection can
// tell a sound guess from a lucky one and rank the other encodings the bytes
// could be in.
#ifndef KARVO_TEXTJUDGE_H
#define KARVO_TEXTJUDGE_H

#include "encoding.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Karvo {

struct TextVerdict
{
    double score = 0; // 0..1: the share of the telling characters that look right
    double evidence = 0; // how many telling (non-ASCII) characters there were
};

// Judges `text`, decoded from `encoding` (which picks the frequent CJK
// characters to expect; none for none in particular).
TextVerdict judgeText(const QString &text, const Encoding &encoding);

// Whether `encoding` is one of the Chinese, Japanese or Korean encodings.
bool isCjkEncoding(const Encoding &encoding);

// Decodes `bytes` from `encoding`, refusing anything it cannot decode.
// When `complete` is false the bytes are a cut from a longer file, and a
// character cut off at the end is not held against them.
bool decodeStrictly(const Encoding &encoding, const QByteArray &bytes, bool complete, QString &text);

// The legacy encodings detection weighs against each other.
const QVector<Encoding> &candidateEncodings();

} // namespace Karvo

#endif
