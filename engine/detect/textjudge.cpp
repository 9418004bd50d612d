#include "textjudge.h"

#include "charactertable.h"

#include <QHash>
#include <QMap>
#include <QTextCodec>
#include <QTextDecoder>

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <memory>

namespace Karvo {

namespace {

using CharSet = std::bitset<0x10000>;

// The writing systems a word may be made of. CJK scripts mix with each other
// and with ASCII; every other pair in one word is a sign of a wrong decode.
enum class Script { None, Latin, Greek, Cyrillic, Hebrew, Arabic, Thai, Hangul, Kana, Han, Other };

Script scriptOf(uint c)
{
    if (c < 0x80)
        return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') ? Script::Latin : Script::None;
    if ((c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x1E00 && c <= 0x1EFF)
        || (c >= 0x300 && c <= 0x36F))
        return Script::Latin;
    if ((c >= 0x370 && c <= 0x3FF) || (c >= 0x1F00 && c <= 0x1FFF))
        return Script::Greek;
    if (c >= 0x400 && c <= 0x52F)
        return Script::Cyrillic;
    if ((c >= 0x591 && c <= 0x5F4) || (c >= 0xFB1D && c <= 0xFB4F))
        return Script::Hebrew;
    if ((c >= 0x600 && c <= 0x6FF) || (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF))
        return Script::Arabic;
    if (c >= 0xE01 && c <= 0xE5B)
        return Script::Thai;
    if ((c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3131 && c <= 0x318E))
        return Script::Hangul;
    if ((c >= 0x3041 && c <= 0x30FF) || (c >= 0xFF66 && c <= 0xFF9F))
        return Script::Kana;
    if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0x20000 && c <= 0x3FFFF) || c == 0x3005)
        return Script::Han;
    return Script::Other;
}

// What judging needs to know of a BMP character, looked up once per
// character instead of walking the script ranges and Qt's property tables.
enum CharFlag : ushort {
    ScriptMask = 0x0F,
    IsMark = 0x10, // a combining mark
    Unassigned = 0x20, // unassigned or private use
    BadSymbol = 0x40, // unassigned, private use, control or surrogate
    IsUpper = 0x80,
    IsLower = 0x100,
    IsLetter = 0x200,
    IsSpace = 0x400,
};

ushort flagsFor(uint c)
{
    const QChar::Category category = QChar::category(c);
    ushort flags = ushort(scriptOf(c));
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining)
        flags |= IsMark;
    if (category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse)
        flags |= Unassigned | BadSymbol;
    if (category == QChar::Other_Control || category == QChar::Other_Surrogate)
        flags |= BadSymbol;
    flags |= (QChar::isUpper(c) ? IsUpper : 0) | (QChar::isLower(c) ? IsLower : 0) | (QChar::isLetter(c) ? IsLetter : 0)
        | (QChar::isSpace(c) ? IsSpace : 0);
    return flags;
}

ushort charFlags(uint c)
{
    static const std::array<ushort, 0x10000> table = [] {
        std::array<ushort, 0x10000> t {};
        for (uint u = 0; u < t.size(); ++u)
            t[u] = flagsFor(u);
        return t;
    }();
    return c <= 0xFFFF ? table[c] : flagsFor(c);
}

// Lowercase for the alphabets the judge counts letters of, all below U+2000.
uint lowerOf(uint c)
{
    static const std::array<char16_t, 0x2000> table = [] {
        std::array<char16_t, 0x2000> t {};
        for (uint u = 0; u < t.size(); ++u)
            t[u] = char16_t(QChar::toLower(u));
        return t;
    }();
    return c < table.size() ? table[c] : QChar::toLower(c);
}

bool isCjk(Script s)
{
    return s == Script::Han || s == Script::Kana || s == Script::Hangul;
}

// The non-ASCII letters of each language that a legacy code page carries.
// A text that no single language explains was most likely decoded wrong.
struct Language
{
    Script script;
    const char *letters; // lowercase, UTF-8
};

const Language languages[] = {
    {Script::Latin, "àâæçéèêëîïôœùûüÿ"}, // French
    {Script::Latin, "äöüß"}, // German
    {Script::Latin, "áéíñóúü"}, // Spanish
    {Script::Latin, "àáâãçéêíóôõú"}, // Portuguese
    {Script::Latin, "àèéìíîòóùú"}, // Italian
    {Script::Latin, "àçéèíïòóúü"}, // Catalan
    {Script::Latin, "áéèëïóöüú"}, // Dutch
    {Script::Latin, "æøåéó"}, // Danish, Norwegian
    {Script::Latin, "åäöé"}, // Swedish
    {Script::Latin, "äöåšž"}, // Finnish
    {Script::Latin, "áðéíóúýþæö"}, // Icelandic
    {Script::Latin, "ąćęłńóśźż"}, // Polish
    {Script::Latin, "áčďéěíňóřšťúůýž"}, // Czech
    {Script::Latin, "áäčďéíĺľňóôŕšťúýž"}, // Slovak
    {Script::Latin, "čćđšž"}, // Slovene, Croatian, Bosnian
    {Script::Latin, "áéíóöőúüű"}, // Hungarian
    {Script::Latin, "ăâîșțşţ"}, // Romanian
    {Script::Latin, "çğıiöşüâîû"}, // Turkish (İ lowercases to i)
    {Script::Latin, "ąčęėįšųūž"}, // Lithuanian
    {Script::Latin, "āčēģīķļņšūž"}, // Latvian
    {Script::Latin, "äõöüšž"}, // Estonian
    {Script::Latin, "çë"}, // Albanian
    {Script::Latin, "ċġħżàèìòù"}, // Maltese
    {Script::Latin, "ĉĝĥĵŝŭ"}, // Esperanto
    {Script::Latin,
        "àáâãèéêìíòóôõùúýăđĩũơưạảấầẩẫậắằẳẵặẹẻẽếềểễệỉịọỏốồổỗộớờởỡợụủứừửữựỳỵỷỹ"
        "\xcc\x80\xcc\x81\xcc\x83\xcc\x89\xcc\xa3"}, // Vietnamese, tones as combining marks too
    {Script::Cyrillic, "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"}, // Russian
    {Script::Cyrillic, "абвгґдеєжзиіїйклмнопрстуфхцчшщьюяʼ"}, // Ukrainian
    {Script::Cyrillic, "абвгдеёжзійклмнопрстуўфхцчшыьэюя"}, // Belarusian
    {Script::Cyrillic, "абвгдежзийклмнопрстуфхцчшщъьюяѝ"}, // Bulgarian
    {Script::Cyrillic, "абвгдђежзијклљмнњопрстћуфхцчџш"}, // Serbian
    {Script::Cyrillic, "абвгдѓежзѕијклљмнњопрстќуфхцчџш"}, // Macedonian
    {Script::Greek, "αβγδεζηθικλμνξοπρσςτυφχψωάέήίόύώϊϋΐΰ"},
};

// Rough letter frequencies, per mille, of running text in the Cyrillic and
// Greek alphabets: random letters read as a script score well below them.
struct Frequency
{
    const char *letter;
    double perMille;
};

const Frequency cyrillicFrequencies[] = {{"о", 110}, {"е", 85}, {"а", 80}, {"и", 74}, {"н", 67}, {"т", 63}, {"с", 55},
    {"р", 47}, {"в", 45}, {"л", 44}, {"к", 35}, {"м", 32}, {"д", 30}, {"п", 28}, {"у", 26}, {"я", 20}, {"ы", 19},
    {"ь", 17}, {"г", 17}, {"з", 16}, {"б", 16}, {"ч", 14}, {"й", 12}, {"х", 10}, {"ж", 9}, {"ш", 7}, {"ю", 6}, {"ц", 5},
    {"щ", 4}, {"э", 3}, {"ф", 3}, {"ъ", 6}, {"ё", 1}, {"і", 15}, {"ї", 3}, {"є", 3}, {"ґ", 0.5}, {"ў", 1}, {"ђ", 0.5},
    {"ј", 1}, {"љ", 0.5}, {"њ", 0.5}, {"ћ", 0.5}, {"џ", 0.3}, {"ѓ", 0.2}, {"ѕ", 0.1}, {"ќ", 0.2}, {"ѝ", 0.3}};

const Frequency greekFrequencies[] = {{"α", 100}, {"ο", 85}, {"ι", 75}, {"ε", 65}, {"τ", 80}, {"σ", 45}, {"ς", 30},
    {"ν", 65}, {"η", 45}, {"υ", 40}, {"ρ", 45}, {"π", 40}, {"κ", 40}, {"μ", 35}, {"λ", 30}, {"ω", 15}, {"δ", 20},
    {"γ", 20}, {"χ", 10}, {"θ", 13}, {"φ", 8}, {"β", 7}, {"ξ", 5}, {"ζ", 4}, {"ψ", 2}, {"ά", 20}, {"έ", 15}, {"ή", 10},
    {"ί", 15}, {"ό", 15}, {"ύ", 8}, {"ώ", 5}, {"ϊ", 1}, {"ϋ", 0.5}, {"ΐ", 0.2}, {"ΰ", 0.1}};

struct LetterWeights
{
    QHash<ushort, double> weights; // log of frequency over the uniform share
    template<std::size_t N> explicit LetterWeights(const Frequency (&table)[N], double alphabet)
    {
        for (const Frequency &f : table)
            weights.insert(QString::fromUtf8(f.letter).at(0).unicode(), std::log(f.perMille * alphabet / 1000.0));
    }
    double weight(ushort c) const { return std::max(-2.5, weights.value(c, -2.5)); }
};

const LetterWeights &cyrillicWeights()
{
    static const LetterWeights w(cyrillicFrequencies, 33);
    return w;
}

const LetterWeights &greekWeights()
{
    static const LetterWeights w(greekFrequencies, 25);
    return w;
}

struct LanguageTable
{
    std::vector<std::pair<Script, CharSet>> sets;
    LanguageTable()
    {
        for (const Language &language : languages) {
            CharSet set;
            for (const QChar c : QString::fromUtf8(language.letters))
                set.set(c.unicode());
            sets.emplace_back(language.script, set);
        }
    }
};

const LanguageTable &languageTable()
{
    static const LanguageTable table;
    return table;
}

// Each CJK code page puts its frequent characters in one block (the first
// level); its second level holds the rare ones. Decoding those blocks with
// the codec itself gives the sets.
struct CjkLevels
{
    CharSet frequent;
    CharSet known;
};

void addBlock(CharSet &set, const char *codecName, uint first, uint last, uchar trailLow, uchar trailHigh)
{
    QTextCodec *codec = QTextCodec::codecForName(codecName);
    if (!codec)
        return;
    QByteArray bytes;
    for (uint code = first; code <= last; ++code) {
        const uchar trail = uchar(code & 0xFF);
        if (trail < trailLow || trail > trailHigh || trail == 0x7F
            || (trailLow == 0x40 && trail > 0x7E && trail < 0xA1 && QByteArray(codecName) == "Big5"))
            continue;
        bytes.append(char(code >> 8));
        bytes.append(char(trail));
    }
    const QString text = codec->toUnicode(bytes);
    for (const QChar c : text) {
        if (c != QChar::ReplacementCharacter && scriptOf(c.unicode()) != Script::Other)
            set.set(c.unicode());
    }
}

enum class CjkFamily { None, Chinese, Traditional, Japanese, Korean };

const CjkLevels &levels(CjkFamily family)
{
    static const auto make = [](CjkFamily f) {
        auto l = std::make_unique<CjkLevels>();
        switch (f) {
        case CjkFamily::Chinese:
            addBlock(l->frequent, "GB18030", 0xB0A1, 0xD7FE, 0xA1, 0xFE);
            addBlock(l->known, "GB18030", 0xB0A1, 0xF7FE, 0xA1, 0xFE);
            break;
        case CjkFamily::Traditional:
            addBlock(l->frequent, "Big5", 0xA440, 0xC67E, 0x40, 0xFE);
            addBlock(l->known, "Big5", 0xA440, 0xF9D5, 0x40, 0xFE);
            break;
        case CjkFamily::Japanese:
            addBlock(l->frequent, "Shift_JIS", 0x889F, 0x9872, 0x40, 0xFC);
            addBlock(l->known, "Shift_JIS", 0x889F, 0xEAA4, 0x40, 0xFC);
            break;
        case CjkFamily::Korean:
            addBlock(l->frequent, "EUC-KR", 0xB0A1, 0xC8FE, 0xA1, 0xFE);
            l->known = l->frequent;
            break;
        case CjkFamily::None: {
            for (CjkFamily other : {CjkFamily::Chinese, CjkFamily::Traditional, CjkFamily::Japanese}) {
                const CjkLevels &o = levels(other);
                l->frequent |= o.frequent;
                l->known |= o.known;
            }
            const CjkLevels &korean = levels(CjkFamily::Korean);
            l->frequent |= korean.frequent;
            l->known |= korean.known;
            break;
        }
        }
        return l;
    };
    static const std::unique_ptr<CjkLevels> chinese = make(CjkFamily::Chinese);
    static const std::unique_ptr<CjkLevels> traditional = make(CjkFamily::Traditional);
    static const std::unique_ptr<CjkLevels> japanese = make(CjkFamily::Japanese);
    static const std::unique_ptr<CjkLevels> korean = make(CjkFamily::Korean);
    switch (family) {
    case CjkFamily::Chinese:
        return *chinese;
    case CjkFamily::Traditional:
        return *traditional;
    case CjkFamily::Japanese:
        return *japanese;
    case CjkFamily::Korean:
        return *korean;
    case CjkFamily::None:
        break;
    }
    static const std::unique_ptr<CjkLevels> any = make(CjkFamily::None);
    return *any;
}

CjkFamily familyOf(const Encoding &encoding)
{
    if (!encoding.isValid())
        return CjkFamily::None;
    const QByteArray name = encoding.name().toLatin1().toLower();
    if (name.contains("gb") || name.startsWith("hz") || name.contains("2022-cn"))
        return CjkFamily::Chinese;
    if (name.contains("big5"))
        return CjkFamily::Traditional;
    if (name.contains("jis") || name.contains("euc-jp") || name.contains("2022-jp"))
        return CjkFamily::Japanese;
    if (name.contains("949") || name.contains("euc-kr") || name.contains("2022-kr"))
        return CjkFamily::Korean;
    return CjkFamily::None;
}

// Symbols that turn up in ordinary prose and need no explaining.
bool isCommonSymbol(uint c)
{
    switch (c) {
    case 0xA0:
    case 0xA1:
    case 0xA3:
    case 0xA7:
    case 0xA9:
    case 0xAB:
    case 0xAD:
    case 0xAE:
    case 0xB0:
    case 0xB2: // m², m³
    case 0xB3:
    case 0xB7:
    case 0xBB:
    case 0xBF:
    case 0x2013:
    case 0x2014:
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x201C:
    case 0x201D:
    case 0x201E:
    case 0x2022:
    case 0x2026:
    case 0x20AC:
    case 0x2116:
    case 0x2122:
    case 0x20AA:
        return true;
    default:
        // CJK punctuation, full-width forms and the ideographic space.
        return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF5E) || (c >= 0x2000 && c <= 0x200F);
    }
}

// Marks inside a word that real words carry: apostrophes, Catalan's middle
// dot, hyphens.
bool joinsWords(uint c)
{
    return c == 0x2019 || c == 0x2018 || c == 0xB7 || c == 0x2BC || c == 0x2010 || c == 0xAD || c == '\'' || c == 0x5F3
        || c == 0x5F4;
}

bool isThaiConsonant(uint c)
{
    return c >= 0xE01 && c <= 0xE2E;
}

// Thai writes vowel and tone marks above, below and after a consonant, and
// some vowels before it; random bytes read as Thai break that order.
double thaiOrder(const QString &text, int i)
{
    const uint c = text.at(i).unicode();
    const uint before = i > 0 ? text.at(i - 1).unicode() : 0;
    const uint after = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
    const bool mark = c == 0xE31 || (c >= 0xE34 && c <= 0xE3A) || (c >= 0xE47 && c <= 0xE4E);
    if (mark) {
        const bool afterVowelMark = before == 0xE31 || (before >= 0xE34 && before <= 0xE39);
        const bool tone = c >= 0xE48 && c <= 0xE4C;
        return isThaiConsonant(before) || (tone && afterVowelMark) ? 0 : 1;
    }
    if (c >= 0xE40 && c <= 0xE44)
        return isThaiConsonant(after) ? 0 : 1;
    if (c == 0xE30 || c == 0xE32 || c == 0xE33 || c == 0xE45)
        return before >= 0xE01 && before <= 0xE4E ? 0 : 1;
    return 0;
}

struct Word
{
    int letters = 0;
    int nonAscii = 0;
    int caseSwitches = 0;
    int uppers = 0;
    int cased = 0;
    bool lower = false;
    bool latinNonAscii = false;
    bool cjk = false;
    int scripts = 0; // bit per Script, CJK folded into one
    uint first = 0; // the first letter
};

bool isLoneWord(uint c)
{
    static const QString words = QString::fromUtf8("àáâèéíóôòùúýőįởÀÁÂÈÉÍÓÔÒÙÚÝŐĮỞ");
    return c <= 0xFFFF && words.contains(QChar(ushort(c)));
}

} // namespace

TextVerdict judgeText(const QString &text, const Encoding &encoding)
{
    const CjkFamily family = familyOf(encoding);
    const CjkLevels &cjk = levels(family);

    double bad = 0;
    double nonAscii = 0;
    // Ordered, so that the weights add up the same way on every run.
    QMap<ushort, int> letterCounts;
    Word word;
    double pendingInside = 0; // what symbols after a letter cost more if a letter follows
    int hangulRun = 0;
    int thaiConsonants = 0; // in a row, with no vowel to carry them
    int cjkGapRuns = 0; // CJK, one space, CJK: how Korean is written, not Chinese or Japanese
    int lastCjkEnd = -10;
    int greekLetters = 0;
    int greekCapitals = 0;
    bool greekStressed = false; // a Greek vowel with an accent

    const auto endWord = [&] {
        if (word.nonAscii > 0) {
            const int scripts = word.scripts;
            const bool mixed = (scripts & (scripts - 1)) != 0;
            if (mixed)
                bad += 0.8 * word.nonAscii;
            bad += std::min(word.caseSwitches, word.nonAscii);
            // Capitals throughout are rarer than small letters; where two
            // readings differ only in case, as KOI8 and windows-1251 do, the
            // small letters win.
            if (word.cased >= 2 && word.uppers == word.cased)
                bad += 0.2 * word.nonAscii;
            // A lone accented letter is a word in a few languages only
            // (Italian "è", French "à", Hungarian "ő", Lithuanian "į").
            if (word.letters == 1 && word.latinNonAscii && !isLoneWord(word.first))
                bad += 1;
            if (word.latinNonAscii && !word.cjk && word.letters >= 3 && word.nonAscii * 4 > word.letters * 3)
                bad += 0.5 * word.nonAscii;
        }
        word = Word();
        pendingInside = 0;
    };

    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        uint c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const ushort flags = charFlags(c);
        const Script script = Script(flags & ScriptMask);
        const bool ascii = c < 0x80;
        if (!ascii)
            nonAscii += 1;

        if (script != Script::None && script != Script::Other) {
            if (word.letters > 0)
                bad += pendingInside;
            pendingInside = 0;
            if ((flags & IsMark) && word.letters == 0 && !ascii)
                bad += 1;
            if (word.letters++ == 0)
                word.first = c;
            if (!ascii) {
                ++word.nonAscii;
                if (flags & Unassigned)
                    bad += 1;
            }
            const bool cjkScript = isCjk(script);
            if (cjkScript) {
                word.cjk = true;
                word.scripts |= 1 << int(Script::Han);
                if (lastCjkEnd == i - 2 && i >= 1 && text.at(i - 1) == QLatin1Char(' '))
                    ++cjkGapRuns;
            } else if (!(ascii && word.cjk)) {
                word.scripts |= 1 << int(script);
                if (ascii && (word.scripts & (1 << int(Script::Han))))
                    word.scripts &= ~(1 << int(Script::Latin));
            }
            if (script == Script::Latin && !ascii)
                word.latinNonAscii = true;
            if (script == Script::Greek) {
                ++greekLetters;
                greekCapitals += (flags & IsUpper) ? 1 : 0;
                greekStressed |= c == 0x386 || (c >= 0x388 && c <= 0x390) || (c >= 0x3AC && c <= 0x3B0)
                    || (c >= 0x3CC && c <= 0x3CE);
            }

            if (script == Script::Latin || script == Script::Greek || script == Script::Cyrillic) {
                const bool upper = flags & IsUpper;
                const bool lowerNow = flags & IsLower;
                if (upper && word.lower && word.nonAscii > 0)
                    ++word.caseSwitches;
                if (upper || lowerNow) {
                    word.lower = lowerNow;
                    ++word.cased;
                    word.uppers += upper ? 1 : 0;
                }
                if (!ascii && c <= 0xFFFF) {
                    const uint folded = c == 0x130 ? 'i' : lowerOf(c);
                    ++letterCounts[ushort(folded)];
                }
            }

            if (script == Script::Han) {
                if (c > 0xFFFF || !cjk.known[c])
                    bad += family == CjkFamily::Korean ? 0.5 : 1.0;
                else if (!cjk.frequent[c])
                    bad += family == CjkFamily::Korean ? 0.5 : 0.4;
            } else if (script == Script::Hangul) {
                if (c >= 0xAC00 && c <= 0xD7A3 && !levels(CjkFamily::Korean).frequent[c])
                    bad += 0.7;
                else if (c < 0xAC00)
                    bad += 0.5;
                if (++hangulRun > 12)
                    bad += 0.3;
            } else if (script == Script::Kana
                && (c >= 0xFF66 || family == CjkFamily::Chinese || family == CjkFamily::Traditional
                    || family == CjkFamily::Korean)) {
                // Half-width kana are rare in real text; kana at all in
                // Chinese or Korean text are a decode gone wrong.
                bad += c >= 0xFF66 ? 0.6 : 0.8;
            } else if (script == Script::Thai) {
                bad += thaiOrder(text, i);
                thaiConsonants = isThaiConsonant(c) ? thaiConsonants + 1 : 0;
                if (thaiConsonants > 4)
                    bad += 0.5;
            }
            if (cjkScript)
                lastCjkEnd = i;
            if (script != Script::Hangul)
                hangulRun = 0;
            continue;
        }

        hangulRun = 0;
        if (ascii) {
            // Apostrophes keep a word together; anything else ends it.
            if (c == '\'' && word.letters > 0)
                continue;
            endWord();
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' && c != 0x1B && c != 0x1A
                && c != 0x08)
                bad += 1;
            continue;
        }

        // A non-ASCII character that is no letter of a known script.
        if (c <= 0x9F || c == QChar::ReplacementCharacter || (flags & BadSymbol)) {
            endWord();
            bad += 1;
            continue;
        }
        if (script == Script::Other && (flags & IsLetter)) {
            endWord();
            bad += 1;
            continue;
        }
        if (joinsWords(c) && word.letters > 0)
            continue;
        if (flags & IsSpace) {
            endWord();
            continue;
        }
        // Prose puts its symbols between words, not inside one ("m№ssen");
        // CJK punctuation and dashes may touch letters on both sides.
        if (isCommonSymbol(c) && (c >= 0x3000 || c == 0x2013 || c == 0x2014 || word.letters == 0)) {
            endWord();
            continue;
        }
        if (isCommonSymbol(c)) {
            if (word.letters > 0)
                pendingInside += 1;
            continue;
        }
        // Box drawing, mathematical and other odd symbols: suspicious on
        // their own, more so stuck to a word, damning between two letters.
        bad += 0.3;
        if (word.letters > 0) {
            bad += 0.5;
            pendingInside += 0.5;
        }
    }
    endWord();
    bad += 0.5 * cjkGapRuns * (family == CjkFamily::Korean ? 0 : 1);
    // Greek marks the stress of every word of more than one syllable; other
    // letters read as small Greek ones have no accents to show.
    if (greekLetters >= 3 && greekCapitals == 0 && !greekStressed)
        bad += 0.5 * greekLetters;

    // Per script, the letters that the best single language leaves unexplained.
    const LanguageTable &table = languageTable();
    for (Script script : {Script::Latin, Script::Cyrillic, Script::Greek}) {
        int total = 0;
        for (auto it = letterCounts.cbegin(); it != letterCounts.cend(); ++it) {
            if (scriptOf(it.key()) == script)
                total += it.value();
        }
        if (total == 0)
            continue;
        int best = 0;
        for (const auto &[languageScript, set] : table.sets) {
            if (languageScript != script)
                continue;
            int covered = 0;
            for (auto it = letterCounts.cbegin(); it != letterCounts.cend(); ++it) {
                if (set[it.key()])
                    covered += it.value();
            }
            best = std::max(best, covered);
        }
        bad += total - best;

        // Cyrillic and Greek letters are all non-ASCII: what they are made of
        // tells real words from random letters.
        if (script == Script::Cyrillic || script == Script::Greek) {
            const LetterWeights &weights = script == Script::Cyrillic ? cyrillicWeights() : greekWeights();
            double sum = 0;
            for (auto it = letterCounts.cbegin(); it != letterCounts.cend(); ++it) {
                if (scriptOf(it.key()) == script)
                    sum += weights.weight(it.key()) * it.value();
            }
            // Short real words average about zero at worst; random letters
            // well below.
            const double average = sum / total;
            if (average < -0.6)
                bad += total * std::min(1.0, -0.6 - average);
        }
    }

    TextVerdict verdict;
    verdict.evidence = nonAscii;
    verdict.score = nonAscii > 0 ? std::max(0.0, 1.0 - bad / nonAscii) : (bad > 0 ? 0.0 : 1.0);
    return verdict;
}

bool isCjkEncoding(const Encoding &encoding)
{
    return familyOf(encoding) != CjkFamily::None;
}

bool decodeStrictly(const Encoding &encoding, const QByteArray &bytes, bool complete, QString &text)
{
    // Most samples are characters of one or two bytes, which the table reads
    // as the codec does, only faster.
    if (const CharacterTable *table = tableFor(encoding)) {
        if (table->toUnicode(bytes.constData(), bytes.size(), text))
            return true;
    }
    QTextDecoder decoder(encoding.codec());
    text = decoder.toUnicode(bytes);
    if (decoder.hasFailure())
        return false;
    // Codecs that count no failures put U+FFFD where they could not decode.
    if (text.contains(QChar(QChar::ReplacementCharacter)))
        return false;
    if (complete) {
        if (decoder.needsMoreData())
            return false;
        if (encoding.unitSize() == 1 && decoder.toUnicode("\n", 1) != QLatin1String("\n"))
            return false;
    }
    return true;
}

const QVector<Encoding> &candidateEncodings()
{
    static const QVector<Encoding> encodings = [] {
        QVector<Encoding> list;
        for (const char *name : {"windows-1252", "windows-1250", "windows-1251", "windows-1253", "windows-1254",
                 "windows-1255", "windows-1256", "windows-1257", "windows-1258", "ISO-8859-1", "ISO-8859-2",
                 "ISO-8859-3", "ISO-8859-4", "ISO-8859-5", "ISO-8859-6", "ISO-8859-7", "ISO-8859-8", "ISO-8859-9",
                 "ISO-8859-10", "ISO-8859-13", "ISO-8859-15", "ISO-8859-16", "KOI8-R", "KOI8-U", "IBM866",
                 "MAC-CYRILLIC", "macintosh", "IBM850", "IBM852", "TIS-620", "GB18030", "Big5", "Shift_JIS", "EUC-JP",
                 "EUC-KR", "windows-949", "ISO-2022-JP"}) {
            const Encoding encoding = Encoding::named(QLatin1String(name));
            if (encoding.isValid())
                list.append(encoding);
        }
        return list;
    }();
    return encodings;
}

} // namespace Karvo
