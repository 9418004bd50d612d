// Weighing the readings of a file: every legacy encoding that decodes the
// sample, and how well the text it gives fits a language that encoding is
// written in. Detection decides with these (see detection.cpp).
#ifndef KARVO_TEXTJUDGE_H
#define KARVO_TEXTJUDGE_H

#include "encoding.h"
#include "languagemodel.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Karvo {

struct DetectionThresholds;

// One way of reading the sample.
struct Reading
{
    Encoding encoding;
    LanguageFit fit; // in the language it reads best as
    double cost = 0; // the fit's bits, plus what a rare encoding costs, less the witness's word for it
    double probability = 0; // 0..1 among the readings weighed; they add up to 1
    bool isGuess = false; // the witness's answer (or one that reads the same)
    double rarity = 0; // bits, of the commonest encoding that gives this reading
    QVector<Encoding> alike; // the other encodings that give the same text
};

// Who names the encoding that a reading is weighed as a guess for.
enum class Witness {
    Detector, // the charset detector
    Declaration, // the file itself, at its start (<meta charset>, say)
};

// The readings of `sample`, most probable first: those of the legacy
// encodings Karvo weighs, the `guess` of the `witness` (none for none) and,
// where `utf8` says the bytes are valid UTF-8, UTF-8. Encodings that give
// the same text are one reading, under the most common of them. When
// `complete` is false the sample is a cut from a longer file.
QVector<Reading> weighReadings(const QByteArray &sample, bool complete, const Encoding &guess, bool utf8,
    const DetectionThresholds &thresholds, Witness witness = Witness::Detector);

// The language `text` fits best, of any script.
LanguageFit bestFit(const QString &text);

// The languages written in `encoding`, by code; empty for one Karvo does not
// weigh.
QVector<const LanguageModel *> languagesOf(const Encoding &encoding);

// Decodes `bytes` from `encoding`, refusing anything it cannot decode.
// When `complete` is false the bytes are a cut from a longer file, and a
// character cut off at the end is not held against them.
bool decodeStrictly(const Encoding &encoding, const QByteArray &bytes, bool complete, QString &text);

// Builds what weighing needs once in a process (the language models, the
// bytes of every encoding weighed) and would otherwise build at the first
// file: a run does it while it lists its files.
void prepareWeighing();

// Bits the rarest encoding Karvo weighs costs before its text is read.
double mostRarity();

} // namespace Karvo

#endif
