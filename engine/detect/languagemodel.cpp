#include "languagemodel.h"

#include <QChar>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace Karvo {

namespace {
// Bits a reading in a language of Latin letters pays for taking its words
// of ASCII letters as English mixed in (a manual page's option names, a
// browser's untranslated strings) rather than as words of its own. Set on
// the dev part of the real-text corpus, lines, paragraphs and subtitle files
// as right / asked / wrong: never mixing: 97.0 / 2.4 / 0.55 %; 3: 96.5 /
// 3.2 / 0.30 (asked about Latin text read as Cyrillic, before only Latin
// languages mixed); 6: 97.4 / 2.2 / 0.40; 10: 97.3 / 2.3 / 0.40; 16: 97.2 /
// 2.4 / 0.40. Once the words of ASCII letters a language knows counted
// (knownAsciiWordBits), English text could read as English again rather
// than as Hungarian with English mixed in ("isn’t" as "isnít"), and mixing
// may cost more: on the rebuilt dev part, then the earlier one, 6: 98.1 /
// 1.7 / 0.28 %, 98.6 / 1.2 / 0.25 %; 10: 98.2 / 1.5 / 0.28, 98.7 / 1.1 /
// 0.25; 12: 98.2 / 1.6 / 0.28, the same; 14 and 16: 98.2 / 1.5 / 0.28,
// 98.7 / 1.1 / 0.25; 20: 98.2 / 1.6 / 0.28, 98.6 / 1.1 / 0.30.
constexpr double englishMixed = 14;

// The tables below come from models/build-models.py, which maps characters
// to symbols exactly as symbolOf() and cjkKind() do here.
struct AlphabeticData
{
    const char *code;
    int expected; // sixteenths of a bit
    double rate; // the share of the language's characters that are not ASCII
    double caseSwitch; // bits a capital right after a small letter costs
    double loneCapital; // bits a capital word of one letter after a small letter and a space costs
    int size;
    const char16_t *alphabet;
    const char *matrix;
    const char16_t *words; // the telling words used most, space-separated
    const char *wordLevels; // what each costs among the telling words
    const char *asciiWords; // the same for words of ASCII letters alone
    const char *asciiWordLevels;
};

struct CjkData
{
    const char *code;
    int expected; // sixteenths of a bit
    double rate;
    int count;
    const char *matrix;
    const char *rest;
    const char16_t *chars;
    const char *levels;
};

// The symbols and letters beyond ASCII that running text in any language
// uses outside its own signs, each with what it costs among those of its
// kind; any other costs `rest`. A model charges them for a character that
// is not among its own signs.
struct SymbolData
{
    const char16_t *symbols;
    const char *levels;
    int rest;
};

#include "models/languagemodels.inc"

enum Symbol : quint8 { Boundary, OtherLetter, OtherSymbol, AsciiLetter, Digit, Punctuation, FirstSign };
enum CjkKind : quint8 { Han = FirstSign, Hiragana, Katakana, HalfwidthKana, Hangul, CjkPunctuation, CjkKinds };
// Controls, unassigned and private-use characters: no text holds them, so
// any step to or from one costs twice the most a step between characters
// that text does hold can. A C1 control in an ISO-8859-6 reading (98 for
// windows-1256's "ک") is far less likely than the rarest pair of letters:
// at the most a step costs, such readings sent two right lines of the dev
// draws to be asked about; doubled, no answer else changed in the draws.
constexpr quint8 junk = 0xFE;
constexpr int mostCost = 63;
constexpr int junkStep = 2 * mostCost;

// One of the model's own letters (or, for Chinese, Japanese and Korean, kinds).
bool isSign(quint8 symbol)
{
    return symbol >= FirstSign && symbol < junk;
}
// A word that runs from ASCII letters into the letters of a language of
// another script, or back ("withи", "sizesЕ"), is a wrong reading far more
// often than the models can say: their steps stop at mostCost, where most
// such steps stand in Arabic, Persian, Thai and Ukrainian, and a third of
// them in Russian. It costs this many quarter bits more. Set on the dev
// part of the real-text corpus, where it clears the wrong readings that
// crowded a right one into being asked about: 0: 1,600 words and lines
// right; 2 bits: 1,602; 4: 1,603; 6: 98.4 % of lines, paragraphs and
// subtitles right instead of 98.5 %.
constexpr int scriptSwitch = 16;

constexpr int alphabeticLookup = 0x2200;
// At most this many words of ASCII letters per telling word (plus three)
// pay the rate, and none inside <tags>, so that markup, code or English
// around a few words does not drown them; steps between ASCII letters are
// weighed as far.
constexpr int wordCap = 4;
constexpr quint8 invalidByte = 0xFF; // above junk: a byte the encoding cannot read

int digitValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    return c == '+' ? 62 : 63;
}

std::vector<quint8> levels(const char *digits, size_t count)
{
    std::vector<quint8> out(count, mostCost);
    for (size_t i = 0; i < count && digits[i]; ++i)
        out[i] = quint8(digitValue(digits[i]));
    return out;
}

uint lowerOf(uint c)
{
    return c == 0x130 ? uint('i') : QChar::toLower(c);
}

// The symbol of a character that is not among a model's signs.
quint8 kindOf(uint c)
{
    if (c < 0x80) {
        const uint folded = c | 0x20;
        if (folded >= 'a' && folded <= 'z')
            return AsciiLetter;
        if (c >= '0' && c <= '9')
            return Digit;
        return c <= 0x20 || c == 0x7F ? Boundary : Punctuation;
    }
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
        return junk;
    case QChar::Number_DecimalDigit:
        return Digit;
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return OtherLetter;
    default:
        return OtherSymbol;
    }
}

quint8 cjkKindOf(uint c)
{
    if (c < 0x80)
        return kindOf(c);
    if (c >= 0x3041 && c <= 0x309F)
        return Hiragana;
    if (c >= 0x30A0 && c <= 0x30FF)
        return Katakana;
    if (c >= 0xFF61 && c <= 0xFF9F)
        return HalfwidthKana;
    if ((c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F))
        return Hangul;
    if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0x20000 && c <= 0x3FFFF) || c == 0x3005)
        return Han;
    if ((c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF60) || (c >= 0x2010 && c <= 0x2027)
        || (c >= 0x2030 && c <= 0x203B) || (c >= 0xFFE0 && c <= 0xFFEE))
        return CjkPunctuation;
    return kindOf(c);
}

quint8 cjkKind(uint c)
{
    static const std::array<quint8, 0x10000> table = [] {
        std::array<quint8, 0x10000> t {};
        for (uint u = 0; u < t.size(); ++u)
            t[u] = cjkKindOf(u);
        return t;
    }();
    return c <= 0xFFFF ? table[c] : cjkKindOf(c);
}

// A word as a model reads it, its symbols hashed one by one.
constexpr quint64 wordSeed = 0xcbf29ce484222325ULL;
constexpr quint64 hashSymbol(quint64 hash, quint8 symbol)
{
    return (hash ^ symbol) * 0x100000001b3ULL;
}
// At most this many distinct telling words of a sample are looked up: a
// few tell most where there are few, and where there are many the letters
// tell enough.
constexpr int mostWords = 24;
constexpr int mostTriples = 64; // neighbourhoods of FD and FE told apart; marks in any further one keep their price

// A telling word that the language uses with probability p is spared
// knownWordBits + log2(p) bits, if that is more than none: a word of the
// language is likelier than its letters alone say, and a wrong reading
// hardly ever spells one ("già" read as "gi…"). On the dev part: without
// words 96.5 / 2.9 / 0.59 %; 6: 96.7 / 2.7 / 0.59; 12: 97.0 / 2.4 / 0.55;
// 15: 97.1 / 2.3 / 0.59 (before English could be mixed in); with English
// mixed in, 16: 97.4 / 2.1 / 0.45. Again once the models knew the no-break
// space, on the rebuilt dev part: 12: 97.7 / 2.0 / 0.33; 14 and 15: 97.7 /
// 1.9 / 0.33; 16: 97.8 / 1.8 / 0.38.
constexpr double knownWordBits = 14;

// The same for a word of ASCII letters among those words, spared as far as
// the steps between ASCII letters are weighed: such words tell which
// language surrounds a telling character or two, and so which reading of it
// fits ("dell’Uruguay" in Italian rather than "dellÕUruguay" in Estonian,
// the Italian taken for English mixed in). On the rebuilt dev part, then the
// earlier one, with englishMixed at 6: none: 97.7 / 1.9 / 0.33 %, 98.4 / 1.2
// / 0.35 %; 10: 97.9 / 1.7 / 0.33, 98.5 / 1.2 / 0.30; 14: 98.0 / 1.7 / 0.33,
// 98.6 / 1.1 / 0.30; 18: 98.1 / 1.7 / 0.28, 98.6 / 1.2 / 0.25; 24: 98.0 /
// 1.7 / 0.33, 98.5 / 1.2 / 0.25. With englishMixed at 14, 14: 98.2 / 1.5 /
// 0.33, 98.7 / 1.0 / 0.35; 18: as set; 22: 98.2 / 1.5 / 0.33, 98.6 / 1.1 /
// 0.25.
constexpr double knownAsciiWordBits = 18;
// Of the words of ASCII letters, at most this many are looked up: the
// share of them the language knows is what counts.
constexpr int mostAsciiWords = 256;

// Words of ASCII letters are hashed by their small letters, the same in
// every reading.
quint64 asciiWordHash(const char *letters, int length)
{
    quint64 hash = wordSeed;
    for (int i = 0; i < length; ++i)
        hash = hashSymbol(hash, quint8(letters[i] | 0x20));
    return hash;
}

// Hashes of words, each once with how often it comes.
QVector<AsciiWord> countedOnce(quint64 *hashes, int count)
{
    std::sort(hashes, hashes + count);
    QVector<AsciiWord> out;
    for (int i = 0; i < count; ++i) {
        if (out.isEmpty() || out.constLast().hash != hashes[i])
            out.append({hashes[i], 0});
        ++out.last().count;
    }
    return out;
}

enum LetterCase : quint8 { Uncased, Small, Capital };

bool isAsciiLetter(uint c)
{
    return c < 0x80 && (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Counts words outside <tags>, a character at a time: runs of ASCII
// letters or of characters beyond ASCII, telling words holding one of the
// latter. As models/build-models.py counts them, where a telling word of
// symbols alone ("–", "…", "“") pays no rate of words: it is counted apart.
struct Words
{
    int telling = 0;
    int symbolic = 0; // of the telling words, those without a letter
    int ascii = 0;
    bool inTag = false;
    bool inWord = false;
    bool high = false;
    bool lettered = false;
    // `letter`: whether `c` is a letter, where the caller knows; a byte of
    // an encoding yet to be chosen counts as one.
    void feed(uint c, bool letter = true)
    {
        if (isAsciiLetter(c) || c >= 0x80) {
            inWord = true;
            high |= c >= 0x80;
            lettered |= letter;
            return;
        }
        if (inWord && !inTag) {
            telling += high ? 1 : 0;
            symbolic += high && !lettered ? 1 : 0;
            ascii += high ? 0 : 1;
        }
        inWord = high = lettered = false;
        if (c == '<')
            inTag = true;
        else if (c == '>' || c == '\n')
            inTag = false;
    }
    void finish() { feed(' '); }
};

// What a character that is not among a model's signs costs beyond its kind,
// in quarter bits.
quint8 symbolCost(uint c)
{
    static const std::vector<quint8> costs = [] {
        std::vector<quint8> t(0x10000, quint8(symbolData.rest));
        const QString symbols = QString::fromUtf16(symbolData.symbols);
        for (int i = 0; i < symbols.size(); ++i)
            t[symbols.at(i).unicode()] = quint8(digitValue(symbolData.levels[i]));
        return t;
    }();
    return c <= 0xFFFF ? costs[c] : quint8(symbolData.rest);
}

// Right-to-left interface text in a code page puts a direction mark where
// the direction turns: a left-to-right mark beside a run of Latin letters
// or digits ("\u200E%1", "Qt\u200E"), a right-to-left one beside its own
// words ("\u200F:"). Our training text hardly holds any (22 left-to-right
// marks in 700,000 Hebrew characters), so the models price one as the rare
// symbol it is there, and Hebrew lines with one were read as Cyrillic,
// where the mark's byte FD is "э". Where a reading holds letters of its
// language and a mark stands where it can turn, it costs what a space there
// would. Anywhere else it keeps its price: most often it is a letter of
// another code page read as an invisible mark, inside a word (a Slovak "ý",
// a Vietnamese "ư", a Greek "ώ") or at the end of one (a Greek "ύ" after
// letters that read as Hebrew).
enum Direction : quint8 { NoMark, LeftToRightMark, RightToLeftMark };
enum Side : quint8 { Neutral, LeftToRight, RightToLeft };

quint8 directionOf(uint c)
{
    return c == 0x200E ? LeftToRightMark : c == 0x200F ? RightToLeftMark : NoMark;
}

// What stands beside a mark, by its symbol in a language of a
// right-to-left script: Latin letters and digits run left to right, the
// language's letters right to left, the rest goes either way.
quint8 sideOf(quint8 symbol)
{
    if (symbol == AsciiLetter || symbol == Digit)
        return LeftToRight;
    return symbol == OtherLetter || isSign(symbol) ? RightToLeft : Neutral;
}

// Between a run of its own direction and a space or punctuation, or
// between two of those. Not inside a word, nor between letters of the two
// directions, where text that means it puts a space.
bool turnsBetween(quint8 mark, quint8 before, quint8 after)
{
    const quint8 own = mark == LeftToRightMark ? LeftToRight : RightToLeft;
    return (before == Neutral || before == own) && (after == Neutral || after == own)
        && (before == Neutral || after == Neutral);
}

quint8 caseOf(uint c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? Small : c >= 'A' && c <= 'Z' ? Capital : Uncased;
    return QChar::isLower(c) ? Small : QChar::isUpper(c) ? Capital : Uncased;
}

// Code points of a text, surrogate pairs joined.
template<typename Visit> void forEachCodePoint(QStringView text, Visit visit)
{
    const QChar *p = text.data();
    const QChar *end = p + text.size();
    while (p < end) {
        uint c = p->unicode();
        if (QChar::isHighSurrogate(c) && p + 1 < end && p[1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(p[0], p[1]);
            ++p;
        }
        ++p;
        visit(c);
    }
}

} // namespace

struct LanguageModel::Data
{
    std::vector<std::unique_ptr<LanguageModel>> owned;
    std::vector<const LanguageModel *> models;
};

LanguageModel::~LanguageModel() = default;

const std::vector<const LanguageModel *> &LanguageModel::all()
{
    static const Data data = [] {
        Data d;
        std::vector<ushort> smallLetters(alphabeticLookup);
        std::vector<quint8> kinds(alphabeticLookup);
        for (uint c = 0; c < alphabeticLookup; ++c) {
            smallLetters[c] = ushort(lowerOf(c));
            kinds[c] = kindOf(c);
        }
        for (const AlphabeticData &a : alphabeticData) {
            std::unique_ptr<LanguageModel> m(new LanguageModel);
            m->id = a.code;
            m->expected = a.expected / 16.0;
            m->setRate(a.rate);
            m->caseSwitch = a.caseSwitch;
            m->loneCapital = a.loneCapital;
            m->size = a.size;
            m->matrix = levels(a.matrix, size_t(a.size) * size_t(a.size));
            // Each character below U+2200 to its symbol: its small letter's
            // sign, if the language has one, or else its kind.
            std::vector<quint8> sign(alphabeticLookup, 0);
            const QString alphabet = QString::fromUtf16(a.alphabet);
            for (int i = 0; i < alphabet.size(); ++i) {
                if (alphabet.at(i).unicode() < alphabeticLookup)
                    sign[alphabet.at(i).unicode()] = quint8(FirstSign + i);
            }
            m->lookup.resize(alphabeticLookup);
            for (uint c = 0; c < alphabeticLookup; ++c) {
                const ushort folded = smallLetters[c];
                m->lookup[c] = folded < alphabeticLookup && sign[folded] ? sign[folded] : kinds[c];
            }
            // The words each by its symbols, as a reading spells them.
            // Read in place, not split into strings: every start reads
            // forty languages' lists.
            const QStringView words(a.words);
            const std::vector<quint8> wordLevels
                = levels(a.wordLevels, size_t(std::count(words.cbegin(), words.cend(), QLatin1Char(' ')) + 1));
            std::vector<std::pair<quint64, float>> known;
            int at = 0;
            for (qsizetype from = 0, end = 0; from < words.size(); from = end + 1) {
                end = words.indexOf(QLatin1Char(' '), from);
                if (end < 0)
                    end = words.size();
                const QStringView word = words.mid(from, end - from);
                if (word.isEmpty())
                    continue;
                quint64 hash = wordSeed;
                int length = 0;
                forEachCodePoint(word, [&](uint c) {
                    hash = hashSymbol(hash, m->symbolOf(c));
                    ++length;
                });
                const double spared = knownWordBits - wordLevels[size_t(at++)] / 4.0;
                if (spared > 0) {
                    known.emplace_back(hash, float(spared));
                    m->longestWord = std::max(m->longestWord, length);
                }
            }
            m->knownTelling.set(std::move(known));
            const char *const asciiWords = a.asciiWords;
            const size_t asciiLength = std::strlen(asciiWords);
            const std::vector<quint8> asciiLevels
                = levels(a.asciiWordLevels, size_t(std::count(asciiWords, asciiWords + asciiLength, ' ') + 1));
            std::vector<std::pair<quint64, float>> knownAscii;
            size_t i = 0;
            for (const char *word = asciiWords, *end = asciiWords;; word = end + 1, ++i) {
                end = std::find(word, asciiWords + asciiLength, ' ');
                const double spared = knownAsciiWordBits - asciiLevels[i] / 4.0;
                if (spared > 0)
                    knownAscii.emplace_back(asciiWordHash(word, int(end - word)), float(spared));
                if (end == asciiWords + asciiLength)
                    break;
            }
            m->knownAscii.set(std::move(knownAscii));
            d.owned.push_back(std::move(m));
        }
        for (const CjkData &c : cjkData) {
            std::unique_ptr<LanguageModel> m(new LanguageModel);
            m->id = c.code;
            m->cjk = true;
            m->expected = c.expected / 16.0;
            m->setRate(c.rate);
            m->size = CjkKinds;
            m->matrix = levels(c.matrix, CjkKinds * CjkKinds);
            const std::vector<quint8> rest = levels(c.rest, CjkKinds);
            std::copy(rest.begin(), rest.end(), m->restCost.begin());
            m->charCost.resize(0x10000);
            for (uint u = 0; u < 0x10000; ++u) {
                const quint8 kind = cjkKind(u);
                m->charCost[u] = kind == junk ? mostCost : m->restCost[kind];
            }
            const std::vector<quint8> costs = levels(c.levels, size_t(c.count));
            for (int i = 0; i < c.count; ++i)
                m->charCost[c.chars[i]] = costs[size_t(i)];
            d.owned.push_back(std::move(m));
        }
        std::sort(
            d.owned.begin(), d.owned.end(), [](const auto &a, const auto &b) { return std::strcmp(a->id, b->id) < 0; });
        for (const auto &m : d.owned)
            d.models.push_back(m.get());
        // Words of ASCII letters in a language of another script are most
        // often English: they are weighed as English, whichever reading
        // they stand in.
        const auto english
            = std::find_if(d.owned.begin(), d.owned.end(), [](const auto &m) { return std::strcmp(m->id, "en") == 0; });
        for (const auto &m : d.owned) {
            m->asciiModel = m->cjk || m->lookup['a'] < FirstSign ? english->get() : m.get();
            m->english = english->get();
            if (m->cjk || m->asciiModel == m.get())
                continue;
            for (int sign = FirstSign; sign < m->size; ++sign) {
                m->matrix[size_t(AsciiLetter * m->size + sign)] += scriptSwitch;
                m->matrix[size_t(sign * m->size + AsciiLetter)] += scriptSwitch;
            }
        }
        return d;
    }();
    return data.models;
}

const LanguageModel *LanguageModel::named(const char *code)
{
    for (const LanguageModel *model : all()) {
        if (std::strcmp(model->id, code) == 0)
            return model;
    }
    return nullptr;
}

void LanguageModel::setRate(double rate)
{
    highBits = -std::log2(rate);
    lowBits = -std::log2(1 - rate);
}

double LanguageModel::asciiShare(qint64 telling, qint64 ascii)
{
    return ascii == 0 ? 1.0 : std::min(1.0, double(wordCap * (telling + 3)) / double(ascii));
}

double LanguageModel::asciiBits(const BytePairs &pairs) const
{
    const auto quartersIn = [&pairs](const LanguageModel &m) {
        long quarters = 0;
        for (const BytePairs::Pair &pair : pairs.asciiPairs())
            quarters += long(pair.count) * m.matrix[m.symbolOf(pair.first) * m.size + m.symbolOf(pair.second)];
        return quarters;
    };
    // What the known words among those looked up spare, scaled to every
    // word of ASCII letters, in quarters as the steps are counted.
    const double toAll = pairs.asciiWords() * 4.0 / std::max(1, pairs.asciiWordsLookedUp());
    const QVector<AsciiWord> &words = pairs.asciiWordList();
    const double own = quartersIn(*asciiModel) - toAll * asciiModel->knownAscii.spared(words);
    const double inEnglish
        = asciiModel == english ? own : quartersIn(*english) - toAll * english->knownAscii.spared(words);
    return asciiRest(own, inEnglish, pairs.tellingWords(), pairs.asciiWords());
}

double LanguageModel::asciiRest(double ownQuarters, double englishQuarters, qint64 telling, qint64 ascii) const
{
    const double share = asciiShare(telling, ascii);
    const qint64 weighed = std::min<qint64>(ascii, wordCap * (telling + 3));
    const double own = ownQuarters / 4.0 * share + weighed * lowBits;
    // Only a language of Latin letters mixes in English: in one of another
    // script, words of ASCII letters are English already, and many of them
    // make a reading in that script less likely.
    if (english == this || asciiModel != this)
        return own;
    return std::min(own, englishQuarters / 4.0 * share + weighed * english->lowBits + englishMixed);
}

void LanguageModel::KnownWords::set(std::vector<std::pair<quint64, float>> words)
{
    std::sort(words.begin(), words.end());
    for (const auto &[hash, spared] : words) {
        hashes.push_back(hash);
        bits.push_back(spared);
    }
}

double LanguageModel::KnownWords::spared(quint64 hash) const
{
    const auto at = std::lower_bound(hashes.cbegin(), hashes.cend(), hash);
    return at != hashes.cend() && *at == hash ? double(bits[size_t(at - hashes.cbegin())]) : 0.0;
}

double LanguageModel::KnownWords::spared(const QVector<AsciiWord> &words) const
{
    double sum = 0;
    for (const AsciiWord &word : words)
        sum += word.count * spared(word.hash);
    return sum;
}

quint8 LanguageModel::symbolOf(uint c) const
{
    return c < alphabeticLookup ? lookup[c] : kindOf(c);
}

LanguageFit LanguageModel::fit(const QString &text) const
{
    LanguageFit result;
    result.language = this;
    const LanguageModel &own = *asciiModel;
    long quarters = 0;
    long asciiQuarters = 0;
    long englishQuarters = 0;
    int telling = 0;
    int switches = 0;
    Words words;
    uint previousChar = ' ';
    uint beforePrevious = ' ';
    quint8 previous = Boundary;
    bool previousHigh = false;
    bool previousSmall = false;
    double known = 0;
    quint64 wordHash = wordSeed;
    bool spelled = true; // every letter of the word so far is one of the language's
    int wordLength = 0;
    bool loneCandidate = false; // the word starts with a capital beyond ASCII after a small letter and a space
    int lones = 0;
    const auto endWord = [&] {
        if (words.inWord && !words.inTag && wordLength == 1 && loneCandidate)
            ++lones;
        wordLength = 0;
    };
    std::array<quint64, mostAsciiWords> asciiHashes;
    int asciiRead = 0;
    quint64 asciiHash = wordSeed;
    const auto endAsciiWord = [&] {
        if (words.inWord && !words.high && !words.inTag && asciiRead < mostAsciiWords)
            asciiHashes[size_t(asciiRead++)] = asciiHash;
        asciiHash = wordSeed;
    };
    forEachCodePoint(text, [&](uint c) {
        const bool high = c >= 0x80;
        quint8 symbol = cjk ? cjkKind(c) : symbolOf(c);
        if (isAsciiLetter(c) || high) {
            if (wordLength++ == 0)
                loneCandidate = high && caseOf(c) == Capital && previousChar == ' ' && caseOf(beforePrevious) == Small;
            wordHash = hashSymbol(wordHash, symbol);
            if (!high)
                asciiHash = hashSymbol(asciiHash, quint8(c | 0x20));
            spelled &= isSign(symbol);
        } else {
            if (words.inWord && words.high && !words.inTag && spelled && !knownTelling.hashes.empty())
                known += knownTelling.spared(wordHash);
            endAsciiWord();
            endWord();
            wordHash = wordSeed;
            spelled = true;
        }
        const quint8 letterCase = caseOf(c);
        if (symbol == junk) {
            quarters += 2 * junkStep;
            symbol = OtherSymbol;
        } else if (high || previousHigh) {
            quarters += matrix[previous * size + symbol];
            if (cjk && high)
                quarters += c <= 0xFFFF ? charCost[c] : restCost[symbol];
            else if (high && (symbol == OtherSymbol || symbol == OtherLetter))
                quarters += symbolCost(c);
            switches += previousSmall && letterCase == Capital ? 1 : 0;
        } else if (!words.inTag && (isAsciiLetter(c) || isAsciiLetter(previousChar))) {
            asciiQuarters += own.matrix[own.symbolOf(previousChar) * own.size + own.symbolOf(c)];
            englishQuarters += english->matrix[english->symbolOf(previousChar) * english->size + english->symbolOf(c)];
        }
        telling += high ? 1 : 0;
        words.feed(c, !high || QChar::isLetter(c) || QChar::isMark(c));
        beforePrevious = previousChar;
        previousChar = c;
        previous = symbol;
        previousHigh = high;
        previousSmall = letterCase == Small;
    });
    if (words.inWord && words.high && !words.inTag && spelled && !knownTelling.hashes.empty())
        known += knownTelling.spared(wordHash);
    endAsciiWord();
    endWord();
    words.finish();
    if (previousHigh)
        quarters += matrix[previous * size + Boundary];
    const double telltale = quarters / 4.0 + switches * caseSwitch + lones * loneCapital - known;
    result.tellingBits = telltale + (words.telling - words.symbolic) * highBits;
    const QVector<AsciiWord> asciiWords = countedOnce(asciiHashes.data(), asciiRead);
    const double toAll = words.ascii * 4.0 / std::max(1, asciiRead);
    result.bits = result.tellingBits
        + asciiRest(asciiQuarters - toAll * own.knownAscii.spared(asciiWords),
            englishQuarters - toAll * english->knownAscii.spared(asciiWords), words.telling, words.ascii);
    result.telling = telling;
    return result;
}

ByteSymbols LanguageModel::byteSymbols(const QString &characters) const
{
    ByteSymbols symbols {};
    for (int b = 0; b < 256; ++b) {
        const uint c = b < characters.size() ? characters.at(b).unicode() : uint(QChar::ReplacementCharacter);
        symbols.symbol[size_t(b)] = c == QChar::ReplacementCharacter ? invalidByte : symbolOf(c);
        symbols.letterCase[size_t(b)] = caseOf(c);
        symbols.letter[size_t(b)] = QChar::isLetter(c) || QChar::isMark(c);
        const quint8 kind = symbols.symbol[size_t(b)];
        symbols.extra[size_t(b)] = c >= 0x80 && (kind == OtherSymbol || kind == OtherLetter) ? symbolCost(c) : 0;
        symbols.directionMark[size_t(b)] = directionOf(c);
        symbols.anyDirectionMark |= directionOf(c) != NoMark;
    }
    return symbols;
}

LanguageFit LanguageModel::fit(const BytePairs &pairs, const ByteSymbols &symbols, double asciiBits, double limit) const
{
    if (!symbols.anyDirectionMark)
        return fitBytes(pairs, symbols, asciiBits, limit);
    bool marks = false;
    bool signs = false;
    for (int b = 0x80; b < 256; ++b) {
        if (pairs.contains(b)) {
            marks |= symbols.directionMark[size_t(b)] != NoMark;
            signs |= symbols.directionMark[size_t(b)] == NoMark && isSign(symbols.symbol[size_t(b)]);
        }
    }
    if (!marks || !signs)
        return fitBytes(pairs, symbols, asciiBits, limit);
    // Weighed whole at the marks' price, then the two steps beside each
    // mark that turns given back down to a space's (between two such marks,
    // by both: text seldom writes two), but for controls (ISO-8859-8 reads
    // 80-9F so), which are priced apart.
    LanguageFit fit = fitBytes(pairs, symbols, asciiBits, std::numeric_limits<double>::infinity());
    const auto side
        = [&](uchar b) { return symbols.directionMark[b] != NoMark ? quint8(Neutral) : sideOf(symbols.symbol[b]); };
    long saved = 0;
    for (const BytePairs::Triple &t : pairs.aroundMarks()) {
        const quint8 mark = symbols.directionMark[t.mark];
        const quint8 m = symbols.symbol[t.mark];
        const quint8 a = symbols.symbol[t.before];
        const quint8 b = symbols.symbol[t.after];
        if (mark == NoMark || !turnsBetween(mark, side(t.before), side(t.after)) || a >= junk || b >= junk)
            continue;
        const int before = matrix[a * size + m] + symbols.extra[t.mark] - matrix[a * size + Boundary];
        const int after = matrix[m * size + b] - matrix[Boundary * size + b];
        saved += long(t.count) * std::max(0, before + after);
    }
    fit.tellingBits -= saved / 4.0;
    fit.bits -= saved / 4.0;
    return fit;
}

LanguageFit LanguageModel::fitBytes(
    const BytePairs &pairs, const ByteSymbols &symbols, double asciiBits, double limit) const
{
    LanguageFit result;
    result.language = this;
    result.telling = pairs.telling();
    double known = 0;
    if (!knownTelling.hashes.empty()) {
        // A run of CJK bytes read one by one is one long word: no known
        // word is that long, and spelling it out for every reading of every
        // language was half of what weighing such a sample cost.
        for (const BytePairs::Word &word : pairs.words()) {
            if (word.bytes.size() > longestWord)
                continue;
            quint64 hash = wordSeed;
            bool spelled = true;
            for (const char b : word.bytes) {
                const quint8 symbol = symbols.symbol[uchar(b)];
                spelled = isSign(symbol);
                if (!spelled)
                    break;
                hash = hashSymbol(hash, symbol);
            }
            if (spelled)
                known += word.count * knownTelling.spared(hash);
        }
    }
    // What the steps, switches and words below add costs something and
    // spares nothing: once the steps so far cost more than the limit with
    // what the known words spare given back, so does the reading.
    const double mostQuarters = (limit + known - asciiBits) * 4;
    long quarters = 0;
    int switches = 0;
    for (const BytePairs::Pair &pair : pairs.pairs()) {
        const quint8 a = symbols.symbol[pair.first];
        const quint8 b = symbols.symbol[pair.second];
        quarters += long(pair.count)
            * (a >= junk || b >= junk ? junkStep : matrix[a * size + b] + symbols.extra[pair.second]);
        if (symbols.letterCase[pair.first] == Small && symbols.letterCase[pair.second] == Capital)
            switches += pair.count;
        if (quarters > mostQuarters) {
            result.tellingBits = quarters / 4.0 - known;
            result.bits = result.tellingBits + asciiBits;
            return result;
        }
    }
    // A lone byte that reads as a symbol is no word.
    int symbolWords = 0;
    for (const BytePairs::Pair &single : pairs.singles())
        symbolWords += symbols.letter[single.first] ? 0 : single.count;
    int lones = 0;
    for (const BytePairs::Pair &lone : pairs.lonesAfterSpaces()) {
        if (symbols.letterCase[lone.first] == Small && symbols.letterCase[lone.second] == Capital)
            lones += lone.count;
    }
    result.tellingBits = quarters / 4.0 + switches * caseSwitch + lones * loneCapital
        + (pairs.tellingWords() - symbolWords) * highBits - known;
    result.bits = result.tellingBits + asciiBits;
    return result;
}

double LanguageFit::excess() const
{
    if (!language || telling == 0)
        return 0;
    return tellingBits / telling - language->expectedBits();
}

namespace {

// Where each pair stands in a BytePairs' lists, plus one (0: not yet met),
// kept for the thread: bytes above ASCII with anything, then ASCII pairs,
// then lone bytes, then lone bytes after a space by the byte before it.
// The pairs a count holds clear their places again, so a small sample
// costs no more than its own bytes.
int *pairPlaces()
{
    thread_local std::unique_ptr<int[]> places;
    if (!places)
        places.reset(new int[0x10000 + 0x4000 + 0x100 + 0x8000]());
    return places.get();
}

} // namespace

BytePairs::BytePairs(const QByteArray &sample)
{
    int *const slot = pairPlaces();
    int *const asciiSlot = slot + 0x10000;
    int *const singleSlot = asciiSlot + 0x4000;
    int *const loneSlot = singleSlot + 0x100;
    const auto *p = reinterpret_cast<const uchar *>(sample.constData());
    const int n = sample.size();
    Words words;
    // `at` is the pair's place in `pairs`, plus one; 0 until it is seen.
    const auto count = [](QVector<Pair> &pairs, int &at, uint a, uint b) {
        if (at == 0) {
            pairs.append({quint8(a), quint8(b), 0});
            at = pairs.size();
        }
        ++pairs[at - 1].count;
    };
    const auto add = [&](uint a, uint b) { count(list, slot[a << 8 | b], a, b); };
    const auto addAscii = [&](uint a, uint b) { count(asciiList, asciiSlot[a << 7 | b], a, b); };
    // Telling words are told apart by a hash of their bytes, made as they
    // are read: a sample of CJK text is little else.
    int wordStart = 0;
    quint64 wordHash = wordSeed;
    std::array<quint64, mostWords> wordHashes {};
    std::array<quint64, mostAsciiWords> asciiHashes;
    for (int i = 0; i <= n; ++i) {
        const uint c = i < n ? p[i] : uint(' ');
        if (!words.inWord) {
            wordStart = i;
            wordHash = wordSeed;
        } else if (!isAsciiLetter(c) && c < 0x80 && !words.high && !words.inTag) {
            if (asciiWordsRead < mostAsciiWords)
                asciiHashes[size_t(asciiWordsRead++)] = asciiWordHash(sample.constData() + wordStart, i - wordStart);
        } else if (!isAsciiLetter(c) && c < 0x80 && words.high && !words.inTag) {
            if (i - wordStart == 1) {
                count(singleList, singleSlot[p[wordStart]], p[wordStart], 0);
                if (wordStart >= 2 && p[wordStart - 1] == ' ') {
                    const uint last = p[wordStart - 2];
                    count(loneList, loneSlot[last << 7 | (p[wordStart] & 0x7F)], last, p[wordStart]);
                }
            }
            const auto end = wordHashes.cbegin() + wordList.size();
            const auto known = std::find(wordHashes.cbegin(), end, wordHash);
            if (known != end) {
                ++wordList[int(known - wordHashes.cbegin())].count;
            } else if (wordList.size() < mostWords) {
                wordHashes[size_t(wordList.size())] = wordHash;
                wordList.append({QByteArray(sample.constData() + wordStart, i - wordStart), 1});
            }
        }
        wordHash = hashSymbol(wordHash, quint8(c));
        if (i == n)
            break;
        const uint previous = i > 0 ? p[i - 1] : uint(' ');
        ++counts[c];
        if (c < 0x80 && previous < 0x80 && !words.inTag && (isAsciiLetter(c) || isAsciiLetter(previous)))
            addAscii(previous, c);
        words.feed(c);
        if (c >= 0xFD && c <= 0xFE) {
            const uint after = i + 1 < n ? p[i + 1] : uint(' ');
            const auto same = [&](const Triple &t) { return t.before == previous && t.mark == c && t.after == after; };
            const auto known = std::find_if(tripleList.begin(), tripleList.end(), same);
            if (known != tripleList.end())
                ++known->count;
            else if (tripleList.size() < mostTriples)
                tripleList.append({quint8(previous), quint8(c), quint8(after), 1});
        }
        if (c >= 0x80) {
            ++nonAscii;
            add(previous, c);
        } else if (previous >= 0x80) {
            add(previous, c);
        }
    }
    if (n > 0 && p[n - 1] >= 0x80)
        add(p[n - 1], ' ');
    words.finish();
    tellingWordCount = words.telling;
    asciiWordCount = words.ascii;
    asciiWordsSeen = countedOnce(asciiHashes.data(), asciiWordsRead);
    for (const Pair &pair : qAsConst(asciiList))
        asciiSlot[pair.first << 7 | pair.second] = 0;
    for (const Pair &single : qAsConst(singleList))
        singleSlot[single.first] = 0;
    for (const Pair &lone : qAsConst(loneList))
        loneSlot[lone.first << 7 | (lone.second & 0x7F)] = 0;
    for (const Pair &pair : qAsConst(list))
        slot[pair.first << 8 | pair.second] = 0;
}

} // namespace Karvo
