#include "textjudge.h"

#include "charactertable.h"
#include "detection.h"
#include "transcoder.h"

#include <QHash>
#include <QSet>
#include <QTextCodec>
#include <QTextDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace Karvo {

namespace {

// The legacy encodings Karvo weighs, the languages written in each, and
// what reading a file in it costs before its text is looked at: how much
// rarer it is than the commonest encoding of its languages, in bits. A
// reading must fit that much better to beat a commoner one that reads as
// well. (The detector's own answer pays nothing; see weighReadings.)
struct Profile
{
    const char *name;
    double rarity; // bits
    bool singleByte;
    const char *languages;
    // The encoding this one extends, where it is weighed only as a reading
    // of what that one reads as private characters.
    const char *extends = nullptr;
    // Languages it can write but that no system wrote in it, each read at
    // sideRarity bits more.
    const char *side = nullptr;
};

// Baltic text in the Nordic ISO-8859-10: its letters are there, but no
// locale ever wrote Latvian, Lithuanian or Estonian in it (glibc's took
// ISO-8859-13 and -15). At the encoding's rarity alone, "100 km²" in
// windows-1252 was converted as Latvian "100 kmē" at 0.94; the detector
// names ISO-8859-10 there too, and so pays no rarity, but still this. Set
// as the rarest encoding's rarity, where the dev draws stop moving: at 0
// bits 145 of their files asked, at 3 bits 144, at 6 to 24 bits 142, 26
// wrong throughout. The price: of 900 Baltic lines of the dev text written
// in ISO-8859-10, 25 are read wrong instead of 16 (43 at 12 bits).
constexpr double sideRarity = 6;

constexpr const char *western = "en fr de es pt it nl da sv nb fi is ca";

const Profile profiles[] = {
    {"windows-1252", 0, true, "en fr de es pt it nl da sv nb fi is ca et"},
    {"ISO-8859-1", 0.5, true, nullptr},
    {"ISO-8859-15", 1.5, true, "en fr de es pt it nl da sv nb fi is ca et"},
    {"macintosh", 5, true, nullptr},
    {"IBM850", 5, true, nullptr},
    {"ISO-8859-10", 6, true, "da sv nb fi is", nullptr, "lt lv et"},
    {"windows-1250", 0, true, "pl cs sk hu sl hr ro"},
    {"ISO-8859-2", 0.5, true, "pl cs sk hu sl hr ro"},
    {"IBM852", 5, true, "pl cs sk hu sl hr ro"},
    {"ISO-8859-16", 6, true, "ro pl hu hr sl"},
    {"windows-1257", 0.5, true, "lt lv et"},
    {"ISO-8859-13", 1, true, "lt lv et pl hr sl"},
    {"ISO-8859-4", 3, true, "lt lv et"},
    {"IBM775", 6, true, "lt lv et"},
    {"ISO-8859-3", 5, true, "eo mt tr"},
    {"windows-1251", 0, true, "ru uk be bg sr mk"},
    {"KOI8-R", 1, true, "ru bg"},
    {"KOI8-U", 1.5, true, "uk ru"},
    {"ISO-8859-5", 3, true, "ru uk be bg sr mk"},
    {"IBM866", 3, true, "ru uk be bg"},
    {"MAC-CYRILLIC", 5, true, "ru uk be bg sr mk"},
    {"IBM855", 6, true, "ru uk be bg sr mk"},
    {"windows-1253", 0, true, "el"},
    {"ISO-8859-7", 0.5, true, "el"},
    {"windows-1254", 0, true, "tr"},
    {"ISO-8859-9", 0.5, true, "tr"},
    {"windows-1255", 0, true, "he"},
    {"ISO-8859-8", 1, true, "he"},
    {"windows-1256", 0, true, "ar fa"},
    {"ISO-8859-6", 2, true, "ar"},
    {"TIS-620", 0, true, "th"},
    {"windows-1258", 0, true, "vi"},
    {"GB18030", 0, false, "zh-hans"},
    {"Big5", 0, false, "zh-hant"},
    // Hong Kong's Big5, whose own characters (Cantonese "哋", "嘅"; "敍")
    // Qt's Big5 reads into the private use area.
    {"Big5-HKSCS", 6, false, "zh-hant", "Big5"},
    {"Shift_JIS", 0, false, "ja"},
    {"EUC-JP", 0.5, false, "ja"},
    {"EUC-KR", 0, false, "ko"},
    {"windows-949", 0.5, false, "ko"},
    // Weighed only where mayBeBareUtf16 says so; a file with neither a
    // byte-order mark nor a line break is a rare one.
    {"UTF-16LE", 6, false, "zh-hans zh-hant ja ko"},
    {"UTF-16BE", 6, false, "zh-hans zh-hant ja ko"},
};

// Whether two letters are one letter as its language writes it: the same,
// or the same base letter under a cedilla in one and a comma below in the
// other (Romanian ş and ș, ţ and ț: the code pages of the 1990s had only
// the cedilla, so Romanian text in them wrote that instead).
bool sameLetter(QChar a, QChar b)
{
    if (a == b)
        return true;
    const QString x = QString(a).normalized(QString::NormalizationForm_D);
    const QString y = QString(b).normalized(QString::NormalizationForm_D);
    const auto marks = [](QChar m, QChar n) {
        return (m.unicode() == 0x327 && n.unicode() == 0x326) || (m.unicode() == 0x326 && n.unicode() == 0x327);
    };
    return x.size() == 2 && y.size() == 2 && x.at(0) == y.at(0) && marks(x.at(1), y.at(1));
}

struct Weighed
{
    Encoding encoding;
    double rarity = 0;
    bool singleByte = false;
    QVector<const LanguageModel *> languages;
    int sideFrom = 0; // languages from here on cost sideRarity more
    QString characters; // a single-byte encoding's 256 characters, U+FFFD where none
    std::vector<ByteSymbols> symbols; // by language
    int extends = -1; // in the list, the encoding this one extends
};

// Where a codec puts what it has no character for but will not refuse.
bool readsPrivately(const QString &text)
{
    return std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF; });
}

QVector<const LanguageModel *> modelsFor(const char *codes)
{
    QVector<const LanguageModel *> models;
    for (const QByteArray &code : QByteArray(codes).split(' ')) {
        if (const LanguageModel *model = LanguageModel::named(code.constData()))
            models.append(model);
    }
    return models;
}

// The 256 characters of a single-byte encoding, each byte read alone: read
// in one go, since a codec made ready for each byte would cost more than
// all the rest.
QString byteCharacters(const Encoding &encoding)
{
    QByteArray bytes(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        bytes[b] = char(b);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = encoding.codec()->toUnicode(bytes.constData(), bytes.size(), &state);
    if (text.size() == 256)
        return text;
    // Some byte starts a longer sequence after all: one by one, then.
    QString characters;
    for (int b = 0; b < 256; ++b) {
        QString one;
        const char byte = char(b);
        characters += decodeStrictly(encoding, QByteArray(&byte, 1), true, one) && one.size() == 1
            ? one.at(0)
            : QChar(QChar::ReplacementCharacter);
    }
    return characters;
}

// Made once per run: each encoding looked up, its bytes read once.
const std::vector<Weighed> &weighed()
{
    static const std::vector<Weighed> list = [] {
        std::vector<Weighed> out;
        for (const Profile &profile : profiles) {
            Weighed w;
            w.encoding = Encoding::named(QLatin1String(profile.name));
            if (!w.encoding.isValid())
                continue;
            w.rarity = profile.rarity;
            w.singleByte = profile.singleByte;
            if (profile.extends) {
                const auto base = std::find_if(out.cbegin(), out.cend(),
                    [&](const Weighed &o) { return o.encoding.name() == QLatin1String(profile.extends); });
                if (base == out.cend())
                    continue;
                w.extends = int(base - out.cbegin());
            }
            w.languages = modelsFor(profile.languages ? profile.languages : western);
            w.sideFrom = w.languages.size();
            if (profile.side)
                w.languages += modelsFor(profile.side);
            if (w.singleByte) {
                w.characters = byteCharacters(w.encoding);
                for (const LanguageModel *model : qAsConst(w.languages))
                    w.symbols.push_back(model->byteSymbols(w.characters));
            }
            out.push_back(std::move(w));
        }
        return out;
    }();
    return list;
}

// Whether an encoding Karvo weighs extends `encoding`.
bool isExtended(const Encoding &encoding)
{
    const std::vector<Weighed> &all = weighed();
    return std::any_of(all.cbegin(), all.cend(),
        [&](const Weighed &w) { return w.extends >= 0 && all[size_t(w.extends)].encoding == encoding; });
}

const Weighed *profileOf(const Encoding &encoding)
{
    for (const Weighed &w : weighed()) {
        if (w.encoding == encoding)
            return &w;
    }
    return nullptr;
}

// The 256 characters of a single-byte encoding; empty for any other.
QString charactersOf(const Encoding &encoding)
{
    if (const Weighed *w = profileOf(encoding))
        return w->singleByte ? w->characters : QString();
    return encoding.isAsciiCompatible() && encoding.isStateless() && encoding.unitSize() == 1 ? byteCharacters(encoding)
                                                                                              : QString();
}

LanguageFit cheapest(const QVector<const LanguageModel *> &models, const QString &text)
{
    LanguageFit best;
    for (const LanguageModel *model : models) {
        const LanguageFit fit = model->fit(text);
        if (!best.language || fit.bits < best.bits)
            best = fit;
    }
    return best;
}

// The models worth trying on a text of any script: those of the scripts its
// first telling characters are in.
QVector<const LanguageModel *> modelsForScriptOf(const QString &text)
{
    bool latin = false, cyrillic = false, greek = false, hebrew = false, arabic = false, thai = false, cjk = false;
    int seen = 0;
    for (int i = 0; i < text.size() && seen < 256; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < 0x80)
            continue;
        ++seen;
        latin |= c < 0x370 || (c >= 0x1E00 && c < 0x1F00);
        greek |= (c >= 0x370 && c < 0x400) || (c >= 0x1F00 && c < 0x2000);
        cyrillic |= c >= 0x400 && c < 0x530;
        hebrew |= c >= 0x590 && c < 0x600;
        arabic |= (c >= 0x600 && c < 0x700) || c >= 0xFB50;
        thai |= c >= 0xE00 && c < 0xE80;
        cjk |= c >= 0x3000 && c < 0xFB00;
    }
    // ASCII alone, or with nothing beyond it but punctuation and symbols of
    // every script ("–", "…", "€"): English, or a language that did without
    // its accents.
    latin |= !(cyrillic || greek || hebrew || arabic || thai || cjk);
    QVector<const LanguageModel *> models;
    for (const LanguageModel *model : LanguageModel::all()) {
        const QByteArray code(model->code());
        const bool wanted = model->isCjk()                                                                 ? cjk
            : code == "el"                                                                                 ? greek
            : code == "he"                                                                                 ? hebrew
            : code == "ar" || code == "fa"                                                                 ? arabic
            : code == "th"                                                                                 ? thai
            : code == "ru" || code == "uk" || code == "be" || code == "bg" || code == "sr" || code == "mk" ? cyrillic
                                                                                                           : latin;
        if (wanted)
            models.append(model);
    }
    return models;
}

} // namespace

QVector<const LanguageModel *> languagesOf(const Encoding &encoding)
{
    const Weighed *w = profileOf(encoding);
    return w ? w->languages : QVector<const LanguageModel *>();
}

LanguageFit bestFit(const QString &text)
{
    return cheapest(modelsForScriptOf(text), text);
}

namespace {

// UTF-16 writes a zero byte for every ASCII character, even a line feed:
// only a short text of CJK characters alone ("中文测试", with no line break)
// shows none, and only such a text reaches weighing, which comes after files
// with zero bytes are told apart. A whole sample that small, of the
// characters CJK text is made of, is weighed as UTF-16 too. Past 4 KiB,
// about 1 text in 3,000 still shows no zero byte (one character in 256 has
// it in its low byte), and weighing more would slow every file that size.
constexpr int mostBareUtf16Bytes = 4096;

// The layouts of UTF-16 such a sample may be in.
struct BareUtf16
{
    bool little = false;
    bool big = false;
};

// Whether `size` bytes read as UTF-16 hold only characters CJK text is made
// of.
bool readsAsCjkUtf16(const char *data, qint64 size, bool bigEndian)
{
    // The blocks CJK text draws on: punctuation, symbols and arrows, the
    // CJK and kana blocks, hangul, the halves of a surrogate pair (Extension
    // B and on), compatibility ideographs and forms, full-width forms.
    const auto inCjkText = [](uint u) {
        return (u >= 0x2000 && u < 0x2800) || (u >= 0x2E80 && u < 0xA000) || (u >= 0xAC00 && u < 0xE000)
            || (u >= 0xF900 && u < 0xFB00) || (u >= 0xFE30 && u < 0xFE70) || (u >= 0xFF00 && u < 0xFFF0);
    };
    const auto *p = reinterpret_cast<const uchar *>(data);
    for (qint64 i = 0; i + 1 < size; i += 2) {
        if (!inCjkText(bigEndian ? uint(p[i]) << 8 | p[i + 1] : uint(p[i + 1]) << 8 | p[i]))
            return false;
    }
    return true;
}

bool mayBeBareUtf16(const QByteArray &sample, bool bigEndian)
{
    return sample.size() <= mostBareUtf16Bytes && readsAsCjkUtf16(sample.constData(), sample.size(), bigEndian);
}

// Weighs the readings of `sample`; where `only` is given, of those
// encodings alone. A reading that costs `outBeyond` bits more than the
// cheapest is not weighed to the end: it is out of the running, and its
// cost says only that.
QVector<Reading> weigh(const QByteArray &sample, bool complete, const Encoding &guess, Witness witness, bool utf8,
    const DetectionThresholds &thresholds, const BareUtf16 &bare, const QSet<Encoding> *only,
    double outBeyond = std::numeric_limits<double>::infinity())
{
    const auto wanted = [only](const Encoding &encoding) { return !only || only->contains(encoding); };
    QVector<Reading> readings;
    // Encodings that read the sample alike are one reading: for single-byte
    // ones, those that give the same characters for the bytes it holds; for
    // the others, the same text.
    QHash<QString, int> same;
    const auto add = [&](const Encoding &encoding, double rarity, const QString &key, const auto &fitter) {
        const bool isGuess = encoding == guess;
        const LanguageFit fit = fitter();
        if (!fit.language)
            return;
        const auto known = same.constFind(key);
        if (known == same.constEnd()) {
            same.insert(key, readings.size());
            readings.append({encoding, fit, fit.bits + rarity, 0, isGuess, rarity, {}});
            return;
        }
        // The same text either way: it goes by the encoding in which it
        // costs least, its language's and its rarity counted: Finnish with
        // a euro sign is ISO-8859-15, though Greek would be commoner in
        // ISO-8859-7, which gives the same text.
        Reading &reading = readings[*known];
        reading.isGuess |= isGuess;
        if (fit.bits + rarity < reading.cost) {
            reading.cost = fit.bits + rarity;
            reading.fit.language = fit.language;
            reading.fit.bits = fit.bits;
            reading.fit.tellingBits = fit.tellingBits;
            reading.alike.append(reading.encoding);
            reading.encoding = encoding;
            reading.rarity = rarity;
        } else {
            reading.alike.append(encoding);
        }
    };

    const BytePairs pairs(sample);
    // The bytes above ASCII that the sample holds, which tell single-byte
    // readings apart.
    QVarLengthArray<int, 128> high;
    for (int b = 0x80; b < 256; ++b) {
        if (pairs.contains(b))
            high.append(b);
    }
    QHash<const LanguageModel *, double> asciiBits;
    const auto asciiOf = [&](const LanguageModel *model) {
        auto at = asciiBits.find(model);
        if (at == asciiBits.end())
            at = asciiBits.insert(model, model->asciiBits(pairs));
        return *at;
    };
    // The readings of more than a byte at a time are weighed first: the
    // cheapest of them is a bound on the cheapest of all, past which a
    // single-byte reading is out (most of those of CJK text within a few
    // dozen of their pairs).
    const std::vector<Weighed> &all = weighed();
    std::vector<QString> texts(all.size());
    std::vector<LanguageFit> fits(all.size());
    double cheapestWide = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < all.size(); ++i) {
        const Weighed &w = all[i];
        // An extension is a reading of its own where the encoding it extends
        // (earlier in the list) reads private characters, or where it is
        // still in the running.
        const auto weighedHere = [&] {
            if (w.encoding.unitSize() == 2) {
                const bool big = w.encoding.name().endsWith(QLatin1String("BE"));
                return (w.encoding == guess || (big ? bare.big : bare.little)) && wanted(w.encoding);
            }
            if (w.extends < 0)
                return wanted(w.encoding);
            const size_t base = size_t(w.extends);
            return (only && only->contains(w.encoding)) || w.encoding == guess
                || (fits[base].language && readsPrivately(texts[base]));
        };
        if (w.singleByte || !weighedHere() || !decodeStrictly(w.encoding, sample, complete, texts[i]))
            continue;
        fits[i] = cheapest(all[i].languages, texts[i]);
        if (fits[i].language)
            cheapestWide = std::min(cheapestWide, fits[i].bits + all[i].rarity);
    }

    bool guessWeighed = false;
    for (size_t i = 0; i < all.size(); ++i) {
        const Weighed &w = all[i];
        guessWeighed |= w.encoding == guess;
        if (!wanted(w.encoding) && !fits[i].language)
            continue;
        if (w.singleByte) {
            QString key(high.size() + 1, QChar(0xFFFF)); // no decoded text starts so
            QChar *const characters = key.data() + 1;
            bool readable = true;
            for (int j = 0; j < high.size() && readable; ++j) {
                characters[j] = w.characters.at(high[j]);
                readable = characters[j] != QChar::ReplacementCharacter;
            }
            if (!readable)
                continue;
            add(w.encoding, w.rarity, key, [&] {
                LanguageFit best;
                const double limit = cheapestWide + outBeyond - w.rarity;
                for (size_t m = 0; m < w.symbols.size(); ++m) {
                    const LanguageModel *model = w.languages.at(int(m));
                    const double side = int(m) < w.sideFrom ? 0 : sideRarity;
                    LanguageFit fit = model->fit(pairs, w.symbols[m], asciiOf(model), limit);
                    fit.bits += side;
                    if (!best.language || fit.bits < best.bits)
                        best = fit;
                }
                return best;
            });
            continue;
        }
        if (fits[i].language)
            add(w.encoding, w.rarity, texts[i], [&] { return fits[i]; });
    }
    if (utf8 && wanted(Encoding::utf8())) {
        const QString text = QString::fromUtf8(sample);
        add(Encoding::utf8(), 0, text, [&] { return bestFit(text); });
    }
    if (guess.isValid() && !guessWeighed && !guess.isUtf8() && wanted(guess)) {
        // An encoding the detector names that Karvo does not weigh on its
        // own, such as HZ: its text, in whatever language it fits.
        // One that reads its bytes one by one, as Mac Central European does,
        // is the same reading as any that gives the same characters.
        QString text;
        if (decodeStrictly(guess, sample, complete, text)) {
            QString key = text;
            if (guess.isAsciiCompatible() && guess.isStateless()) {
                const QString characters = byteCharacters(guess);
                QString single(QChar(0xFFFF));
                for (int b = 0x80; b < 256 && !single.isEmpty(); ++b) {
                    if (pairs.contains(b))
                        single
                            = characters.at(b) == QChar::ReplacementCharacter ? QString() : single + characters.at(b);
                }
                if (!single.isEmpty())
                    key = single;
            }
            add(guess, 0, key, [&] { return bestFit(text); });
        }
    }

    // The witness's answer, where it reads as its language, pays no rarity
    // and is spared some bits: the detector's fewer on a few telling
    // characters, on which its statistics say little, the file's own
    // declaration as many on any: a reading that fits no better never
    // overrules it. Where it reads as no language well, it is one reading
    // among the others, at its encoding's rarity. Where it gives the same
    // text as a commoner encoding, its name stands if its language is the
    // one the text reads as (Greek in ISO-8859-7), not otherwise (German in
    // ISO-8859-3).
    for (Reading &reading : readings) {
        if (!reading.isGuess)
            continue;
        if (reading.encoding != guess && languagesOf(guess).contains(reading.fit.language))
            reading.encoding = guess;
        if (reading.fit.excess() <= thresholds.detectorFit) {
            const double word = witness == Witness::Declaration
                ? thresholds.declaredWord
                : thresholds.detectorWord * std::min(1.0, double(reading.fit.telling) / thresholds.fewCharacters);
            reading.cost = reading.fit.bits - word;
        }
    }
    // Readings that differ only where the language itself has two spellings
    // (Romanian ş and ș: windows-1250 has one, ISO-8859-16 the other) fit it
    // alike, and the bytes cannot tell them apart: there the detector, where
    // it names one of them, has the last word, even on a text that reads as
    // its language none too well (a list of names), since the other fits it
    // no better. Where it names neither, the one with the comma below
    // stands for them all: that is the letter Romanian writes (22,567 of
    // the 22,641 in the models' training text), the cedilla only the
    // stand-in of code pages that had no other; the detector itself names
    // ISO-8859-16 for such text, and never windows-1250 (162 and 0 of the
    // 194 Romanian files of the dev draws with one); and a question whose
    // two answers look the same on screen is no question to put to anyone.
    // Single-byte readings alone can differ in a letter and nothing else;
    // they do where every byte of the sample reads as the same letter in
    // both.
    const auto spelledAlike = [&](const QString &x, const QString &y) {
        if (x.isEmpty() || y.isEmpty())
            return false;
        for (int c = 0x80; c < 256; ++c) {
            if (pairs.contains(c)
                && (x.at(c) == QChar::ReplacementCharacter || y.at(c) == QChar::ReplacementCharacter
                    || !sameLetter(x.at(c), y.at(c))))
                return false;
        }
        return true;
    };
    // Takes the readings marked in `apart` into the one at `into`, as more
    // encodings that read the sample its way.
    const auto fold = [&readings](int into, const QVector<bool> &apart) {
        for (int i = 0; i < readings.size(); ++i) {
            if (apart.at(i))
                readings[into].alike << readings.at(i).encoding << readings.at(i).alike;
        }
        QVector<Reading> kept;
        for (int i = 0; i < readings.size(); ++i) {
            if (!apart.at(i))
                kept.append(readings.at(i));
        }
        readings = kept;
    };
    const int guessAt = int(std::find_if(readings.cbegin(), readings.cend(), [](const Reading &r) { return r.isGuess; })
        - readings.cbegin());
    if (guessAt < readings.size()) {
        const QString guessCharacters = charactersOf(readings.at(guessAt).encoding);
        QVector<bool> apart(readings.size());
        for (int i = 0; i < readings.size(); ++i)
            apart[i] = i != guessAt && spelledAlike(charactersOf(readings.at(i).encoding), guessCharacters);
        fold(guessAt, apart);
    }
    if (!readings.isEmpty()) {
        const int best
            = int(std::min_element(readings.cbegin(), readings.cend(), [](const Reading &a, const Reading &b) {
                  return a.cost < b.cost;
              }) - readings.cbegin());
        const QString bestCharacters = charactersOf(readings.at(best).encoding);
        const auto commaBelow = [&](const QString &characters) {
            for (int c = 0x80; c < 256; ++c) {
                if (pairs.contains(c) && characters.at(c).unicode() >= 0x218 && characters.at(c).unicode() <= 0x21B)
                    return true;
            }
            return false;
        };
        // The cheapest reads alike with itself, so it too goes into the
        // keeper where that is another.
        QVector<bool> apart(readings.size());
        int keeper = best;
        for (int i = 0; i < readings.size(); ++i) {
            const QString characters = charactersOf(readings.at(i).encoding);
            apart[i] = spelledAlike(characters, bestCharacters);
            if (apart.at(i) && commaBelow(characters))
                keeper = i;
        }
        apart[keeper] = false;
        readings[keeper].cost = readings.at(best).cost;
        fold(keeper, apart);
    }
    std::stable_sort(readings.begin(), readings.end(), [](const Reading &a, const Reading &b) {
        if (a.cost != b.cost)
            return a.cost < b.cost;
        return a.isGuess && !b.isGuess;
    });
    if (readings.isEmpty())
        return readings;
    double total = 0;
    const double least = readings.first().cost;
    for (Reading &reading : readings) {
        reading.probability = std::exp2(-(reading.cost - least) / thresholds.temperature);
        total += reading.probability;
    }
    for (Reading &reading : readings)
        reading.probability /= total;
    return readings;
}

} // namespace

QVector<Reading> weighReadings(const QByteArray &sample, bool complete, const Encoding &guess, bool utf8,
    const DetectionThresholds &thresholds, Witness witness)
{
    // Most readings of a long sample are out of the running within its
    // first few hundred telling bytes (any single-byte reading of CJK text,
    // say): all are weighed on a start with that many, and only those still
    // in the running on the whole sample.
    constexpr int startTelling = 48;
    constexpr double stillRunning = 1e-9;
    // Whether the whole sample may be UTF-16: its start alone, cut anywhere,
    // cannot say.
    const BareUtf16 bare {mayBeBareUtf16(sample, false), mayBeBareUtf16(sample, true)};
    int telling = 0;
    int end = 0;
    for (; end < sample.size() && telling < startTelling; ++end)
        telling += uchar(sample.at(end)) >> 7;
    end = sample.indexOf('\n', end);
    int rest = 0;
    for (int i = end; i >= 0 && i < sample.size() && rest < startTelling; ++i)
        rest += uchar(sample.at(i)) >> 7;
    if (rest < startTelling)
        return weigh(sample, complete, guess, witness, utf8, thresholds, bare, nullptr);
    QSet<Encoding> running;
    // A reading that costs this much more than the cheapest is out of the
    // running, and even as the witness's, after what the witness is spared,
    // it cannot become the cheapest: weighing it to the end would change
    // nothing. (Plus a bit for rounding.)
    const double out = thresholds.temperature * std::log2(1 / stillRunning)
        + std::max(thresholds.declaredWord, thresholds.detectorWord) + 1;
    QVector<Reading> start = weigh(sample.left(end + 1), false, guess, witness, utf8, thresholds, bare, nullptr, out);
    for (const Reading &reading : qAsConst(start)) {
        if (reading.probability >= stillRunning || reading.isGuess) {
            running.insert(reading.encoding);
            for (const Encoding &encoding : reading.alike)
                running.insert(encoding);
        }
    }
    // A reading left alone in the running is the answer, as long as the rest
    // of the sample reads in its encoding at all.
    if (running.size() == 1 && start.first().alike.isEmpty()) {
        const Reading &only = start.first();
        QString text;
        if (only.encoding.isUtf8()
            || (decodeStrictly(only.encoding, sample, complete, text)
                && !(isExtended(only.encoding) && readsPrivately(text)))) {
            start.resize(1);
            start.first().probability = 1;
            return start;
        }
    }
    return weigh(sample, complete, guess, witness, utf8, thresholds, bare, &running);
}

bool decodeStrictly(const Encoding &encoding, const QByteArray &bytes, bool complete, QString &text)
{
    // Most samples are characters of one or two bytes, which the table reads
    // as the codec does, only faster. Where it meets a sequence it does not
    // hold, the codec reads that line alone: a wrong encoding is refused at
    // its first bad line, not after the codec has read the whole sample.
    if (const CharacterTable *table = tableFor(encoding, bytes.size())) {
        if (table->toUnicode(bytes.constData(), bytes.size(), text))
            return true;
        QString result;
        QString line;
        for (int start = 0; start < bytes.size();) {
            int end = bytes.indexOf('\n', start);
            end = end < 0 ? bytes.size() : end + 1;
            if (table->toUnicode(bytes.constData() + start, end - start, line)) {
                result += line;
            } else {
                QTextDecoder decoder(encoding.codec(), QTextCodec::IgnoreHeader);
                line = decoder.toUnicode(bytes.constData() + start, end - start);
                // A character cut off at the end is no fault of a cut sample;
                // elsewhere, a codec that holds bytes back gives them up, or
                // fails, when a line feed follows.
                const bool last = end == bytes.size() && !complete;
                if (decoder.hasFailure() || line.contains(QChar(QChar::ReplacementCharacter))
                    || (!last
                        && (decoder.needsMoreData()
                            || (bytes.at(end - 1) != '\n' && decoder.toUnicode("\n", 1) != QLatin1String("\n")))))
                    return false;
                result += line;
            }
            start = end;
        }
        text = result;
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
    // Qt's UTF-16 lets a lone surrogate through, which no text can be
    // written with; at the end of a cut sample, half a pair is no fault.
    const int lone = encoding.unitSize() == 2 ? loneSurrogateIn(text) : -1;
    return lone < 0 || (!complete && lone == text.size() - 1);
}

void prepareWeighing()
{
    weighed();
}

double mostRarity()
{
    static const double most = [] {
        double m = 0;
        for (const Profile &profile : profiles)
            m = std::max(m, profile.rarity);
        return m;
    }();
    return most;
}

} // namespace Karvo
