// How well a text fits each language Karvo knows: compact statistical
// models of the languages behind the legacy encodings, learned from real
// text (models/build-models.py) and compiled in.
//
// A reading of a file costs bits: the fewer, the more it reads like the
// language. It pays for how many of its words hold a character beyond ASCII,
// at the language's own rate, for each step into or out of such a
// character, for which character it is among those of its kind, for a
// capital where the language seldom writes one (right after a small letter,
// or as a word of its own after a word), and for the steps between ASCII
// letters as the language (or, in a language of another script, English)
// takes them; a language of Latin letters may instead take its ASCII words
// for English mixed in, at a price. A word the language
// uses often, telling or of ASCII letters, costs less than its letters
// alone would. Markup and long runs of ASCII weigh only so much against the
// telling words.
#ifndef KARVO_LANGUAGEMODEL_H
#define KARVO_LANGUAGEMODEL_H

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <limits>
#include <memory>
#include <vector>

namespace Karvo {

class LanguageModel;

// A word of ASCII letters, by a hash of its small letters, and how often a
// sample holds it.
struct AsciiWord
{
    quint64 hash;
    int count;
};

// What a text costs in one language.
struct LanguageFit
{
    const LanguageModel *language = nullptr;
    double bits = 0; // all it costs
    double tellingBits = 0; // what its non-ASCII characters cost: their steps and their rate
    int telling = 0; // non-ASCII characters read

    // Bits per telling character beyond what the language's own text
    // costs; around 0 for real text, several bits for a wrong reading.
    double excess() const;
};

// The pairs of neighbouring bytes of a sample that touch a non-ASCII byte,
// counted once, so that every single-byte reading of the sample is weighed
// without decoding it.
class BytePairs
{
public:
    explicit BytePairs(const QByteArray &sample);

    struct Pair
    {
        quint8 first;
        quint8 second;
        int count;
    };
    const QVector<Pair> &pairs() const { return list; }
    // The pairs of ASCII characters with a letter, outside <tags>.
    const QVector<Pair> &asciiPairs() const { return asciiList; }
    // Telling words of one byte alone (`first`; `second` is 0), which are
    // no words in a reading that takes the byte for a symbol ("–").
    const QVector<Pair> &singles() const { return singleList; }
    // Of those, the ones right after a space: the byte before the space
    // (`first`) and the lone one (`second`), for a capital standing alone
    // after a word ("de É", a wrong reading of "de …").
    const QVector<Pair> &lonesAfterSpaces() const { return loneList; }
    int telling() const { return nonAscii; } // non-ASCII bytes
    // Words outside <tags>: with a non-ASCII byte, and of ASCII letters alone.
    int tellingWords() const { return tellingWordCount; }
    int asciiWords() const { return asciiWordCount; }
    // The first words with a non-ASCII byte, each once, with how often it
    // comes: each reading spells them out in its letters, to look them up
    // among the words a language uses most.
    struct Word
    {
        QByteArray bytes;
        int count;
    };
    const QVector<Word> &words() const { return wordList; }
    // The words of ASCII letters outside <tags> among the first so many,
    // each once with how often it comes there, and how many were looked at.
    const QVector<AsciiWord> &asciiWordList() const { return asciiWordsSeen; }
    int asciiWordsLookedUp() const { return asciiWordsRead; }
    // Each byte FD or FE with the bytes before and after it (a space at
    // either end), where the code pages of Hebrew and Arabic put their
    // direction marks, and how often that comes; the first 64 such alone.
    struct Triple
    {
        quint8 before;
        quint8 mark;
        quint8 after;
        int count;
    };
    const QVector<Triple> &aroundMarks() const { return tripleList; }
    int count(int b) const { return counts[size_t(b)]; }
    bool contains(int b) const { return counts[size_t(b)] > 0; }

private:
    QVector<Pair> list;
    QVector<Pair> asciiList;
    QVector<Pair> singleList;
    QVector<Pair> loneList;
    QVector<Word> wordList;
    QVector<Triple> tripleList;
    QVector<AsciiWord> asciiWordsSeen;
    int asciiWordsRead = 0;
    int nonAscii = 0;
    int tellingWordCount = 0;
    int asciiWordCount = 0;
    std::array<int, 256> counts {};
};

// What each byte of a single-byte encoding is to one model: the symbol it
// reads as, whether it is a letter and a small or a capital one, and what
// it costs beyond its symbol (a character outside the model's signs: which
// one it is). Made once per encoding and model.
struct ByteSymbols
{
    std::array<quint8, 256> symbol;
    std::array<quint8, 256> letterCase;
    std::array<bool, 256> letter;
    std::array<quint8, 256> extra;
    std::array<quint8, 256> directionMark; // U+200E, U+200F or neither
    bool anyDirectionMark = false;
};

class LanguageModel
{
public:
    ~LanguageModel();

    // Every language, alphabetical by code.
    static const std::vector<const LanguageModel *> &all();
    // By code ("lv", "zh-hant"); null for none.
    static const LanguageModel *named(const char *code);

    const char *code() const { return id; }
    bool isCjk() const { return cjk; }
    // Bits a telling character of the language's own text costs on average.
    double expectedBits() const { return expected; }

    LanguageFit fit(const QString &text) const;

    // The same for the bytes of a single-byte encoding, whose 256
    // characters `characters` lists (U+FFFD for a byte it cannot read).
    ByteSymbols byteSymbols(const QString &characters) const;
    // What the ASCII words cost, the same in every single-byte reading:
    // worked out once per sample and model.
    double asciiBits(const BytePairs &pairs) const;
    // Past `limit` bits the weighing stops, and `bits` says only that the
    // reading costs more than that.
    LanguageFit fit(const BytePairs &pairs, const ByteSymbols &symbols, double asciiBits,
        double limit = std::numeric_limits<double>::infinity()) const;

    struct Data;

private:
    LanguageModel() = default;
    quint8 symbolOf(uint c) const;
    // fit() once it knows how the sample's direction marks count.
    LanguageFit fitBytes(const BytePairs &pairs, const ByteSymbols &symbols, double asciiBits, double limit) const;
    void setRate(double rate);
    // What the ASCII words cost beside `telling` words with a non-ASCII
    // character, their steps costing `ownQuarters` in the language and
    // `englishQuarters` in English, each less what the words it knows
    // spare: as words of the language, at its rate of telling words among
    // the others, or as English mixed in.
    double asciiRest(double ownQuarters, double englishQuarters, qint64 telling, qint64 ascii) const;
    // How much of the steps between ASCII letters is weighed.
    static double asciiShare(qint64 telling, qint64 ascii);

    const char *id = "";
    bool cjk = false;
    double expected = 0;
    double caseSwitch = 0; // bits a capital right after a small letter costs
    double loneCapital = 0; // bits a capital word of one letter after a small letter and a space costs
    double highBits = 0; // what a telling word costs, by the rate alone
    double lowBits = 0; // and a word of ASCII letters
    const LanguageModel *asciiModel = this; // weighs the steps between ASCII letters
    const LanguageModel *english = this;
    int size = 0; // symbols: an alphabetic model's signs, a CJK model's kinds
    // Words the language uses often, by a hash, and the bits each is spared.
    struct KnownWords
    {
        std::vector<quint64> hashes; // in order
        std::vector<float> bits;
        void set(std::vector<std::pair<quint64, float>> words);
        double spared(quint64 hash) const;
        double spared(const QVector<AsciiWord> &words) const;
    };
    KnownWords knownTelling; // hashed by their symbols, as a reading spells them
    int longestWord = 0; // in symbols
    KnownWords knownAscii; // hashed by their small letters
    std::vector<quint8> matrix; // cost of each step from symbol to symbol, in quarter bits
    std::vector<quint8> lookup; // alphabetic: symbol of each character below U+2200
    std::vector<quint8> charCost; // CJK: cost of each BMP character within its kind
    std::array<quint8, 16> restCost {}; // CJK: of a character beyond the table, by kind
};

} // namespace Karvo

#endif
