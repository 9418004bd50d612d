#include "textjudge.h"

#include "charactertable.h"
#include "detection.h"

#include <QHash>
#include <QTextCodec>
#include <QTextDecoder>

#include <algorithm>
#include <cmath>
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
};

constexpr const char *western = "en fr de es pt it nl da sv nb fi is ca";

const Profile profiles[] = {
    {"windows-1252", 0, true, "en fr de es pt it nl da sv nb fi is ca et"},
    {"ISO-8859-1", 0.5, true, nullptr},
    {"ISO-8859-15", 1.5, true, "en fr de es pt it nl da sv nb fi is ca et"},
    {"macintosh", 5, true, nullptr},
    {"IBM850", 5, true, nullptr},
    {"ISO-8859-10", 6, true, "da sv nb fi is"},
    {"windows-1250", 0, true, "pl cs sk hu sl hr ro"},
    {"ISO-8859-2", 0.5, true, "pl cs sk hu sl hr ro"},
    {"IBM852", 5, true, "pl cs sk hu sl hr ro"},
    {"ISO-8859-16", 3, true, "ro pl hu hr sl"},
    {"windows-1257", 0.5, true, "lt lv et"},
    {"ISO-8859-13", 1, true, "lt lv et"},
    {"ISO-8859-4", 3, true, "lt lv et"},
    {"IBM775", 6, true, "lt lv et"},
    {"ISO-8859-3", 6, true, "tr"},
    {"windows-1251", 0, true, "ru uk be bg sr mk"},
    {"KOI8-R", 1, true, "ru bg"},
    {"KOI8-U", 1.5, true, "uk ru"},
    {"ISO-8859-5", 3, true, "ru uk be bg sr mk"},
    {"IBM866", 3, true, "ru uk be bg"},
    {"MAC-CYRILLIC", 5, true, "ru uk be bg sr mk"},
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
    {"Shift_JIS", 0, false, "ja"},
    {"EUC-JP", 0.5, false, "ja"},
    {"EUC-KR", 0, false, "ko"},
    {"windows-949", 0.5, false, "ko"},
};

struct Weighed
{
    Encoding encoding;
    double rarity = 0;
    bool singleByte = false;
    QVector<const LanguageModel *> languages;
    QString characters; // a single-byte encoding's 256 characters, U+FFFD where none
    std::vector<ByteSymbols> symbols; // by language
};

QVector<const LanguageModel *> modelsFor(const char *codes)
{
    QVector<const LanguageModel *> models;
    for (const QByteArray &code : QByteArray(codes).split(' ')) {
        if (const LanguageModel *model = LanguageModel::named(code.constData()))
            models.append(model);
    }
    return models;
}

// The 256 characters of a single-byte encoding, each byte read alone.
QString byteCharacters(const Encoding &encoding)
{
    QString characters;
    for (int b = 0; b < 256; ++b) {
        QString text;
        const char byte = char(b);
        characters += decodeStrictly(encoding, QByteArray(&byte, 1), true, text) && text.size() == 1
            ? text.at(0)
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
            w.languages = modelsFor(profile.languages ? profile.languages : western);
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

const Weighed *profileOf(const Encoding &encoding)
{
    for (const Weighed &w : weighed()) {
        if (w.encoding == encoding)
            return &w;
    }
    return nullptr;
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

QVector<Reading> weighReadings(
    const QByteArray &sample, bool complete, const Encoding &guess, bool utf8, const DetectionThresholds &thresholds)
{
    QVector<Reading> readings;
    // Encodings that read the sample alike are one reading: for single-byte
    // ones, those that give the same characters for the bytes it holds.
    QHash<QString, int> same;
    const auto add = [&](const Encoding &encoding, double rarity, const QString &key, const auto &fitter) {
        const bool isGuess = encoding == guess;
        const LanguageFit fit = fitter();
        if (!fit.language)
            return;
        const auto known = same.constFind(key);
        if (known == same.constEnd()) {
            same.insert(key, readings.size());
            readings.append({encoding, fit, fit.bits + rarity, 0, isGuess, rarity});
            return;
        }
        // The same text either way: it goes by the commoner encoding, and
        // reads as the language that fits it best in either.
        Reading &reading = readings[*known];
        reading.isGuess |= isGuess;
        reading.cost = std::min(reading.cost, fit.bits + rarity);
        if (fit.bits < reading.fit.bits) {
            reading.fit.language = fit.language;
            reading.fit.bits = fit.bits;
        }
        if (rarity < reading.rarity) {
            reading.encoding = encoding;
            reading.rarity = rarity;
        }
    };

    const BytePairs pairs(sample);
    QHash<const LanguageModel *, double> asciiBits;
    const auto asciiOf = [&](const LanguageModel *model) {
        auto at = asciiBits.find(model);
        if (at == asciiBits.end())
            at = asciiBits.insert(model, model->asciiBits(pairs));
        return *at;
    };
    bool guessWeighed = false;
    for (const Weighed &w : weighed()) {
        guessWeighed |= w.encoding == guess;
        if (w.singleByte) {
            QString key(QLatin1Char('s'));
            bool readable = true;
            for (int b = 0x80; b < 256 && readable; ++b) {
                if (!pairs.contains(b))
                    continue;
                const QChar c = w.characters.at(b);
                readable = c != QChar::ReplacementCharacter;
                key += c;
            }
            if (!readable)
                continue;
            add(w.encoding, w.rarity, key, [&] {
                LanguageFit best;
                for (size_t i = 0; i < w.symbols.size(); ++i) {
                    const LanguageModel *model = w.languages.at(int(i));
                    const LanguageFit fit = model->fit(pairs, w.symbols[i], asciiOf(model));
                    if (!best.language || fit.bits < best.bits)
                        best = fit;
                }
                return best;
            });
            continue;
        }
        QString text;
        if (decodeStrictly(w.encoding, sample, complete, text))
            add(w.encoding, w.rarity, QLatin1Char('m') + text, [&] { return cheapest(w.languages, text); });
    }
    if (utf8) {
        const QString text = QString::fromUtf8(sample);
        add(Encoding::utf8(), 0, QLatin1Char('m') + text, [&] { return bestFit(text); });
    }
    if (guess.isValid() && !guessWeighed && !guess.isUtf8()) {
        // An encoding the detector names that Karvo does not weigh on its
        // own, such as IBM855 or HZ: its text, in whatever language it fits.
        // One that reads its bytes one by one, as Mac Central European does,
        // is the same reading as any that gives the same characters.
        QString text;
        if (decodeStrictly(guess, sample, complete, text)) {
            QString key(QLatin1Char('m'));
            if (guess.isAsciiCompatible() && guess.isStateless()) {
                const QString characters = byteCharacters(guess);
                QString single(QLatin1Char('s'));
                for (int b = 0x80; b < 256 && !single.isEmpty(); ++b) {
                    if (pairs.contains(b))
                        single
                            = characters.at(b) == QChar::ReplacementCharacter ? QString() : single + characters.at(b);
                }
                key = single.isEmpty() ? key + text : single;
            } else {
                key += text;
            }
            add(guess, 0, key, [&] { return bestFit(text); });
        }
    }

    // The detector's answer pays no rarity and, where it reads as its
    // language, is spared some bits: a reading that fits no better never
    // overrules it. Where it gives the same text as a commoner encoding, its
    // name stands if its language is the one the text reads as (Greek in
    // ISO-8859-7), not otherwise (German in ISO-8859-3).
    for (Reading &reading : readings) {
        if (reading.isGuess && reading.encoding != guess && languagesOf(guess).contains(reading.fit.language))
            reading.encoding = guess;
        if (reading.isGuess && reading.fit.excess() <= thresholds.detectorFit)
            reading.cost = reading.fit.bits - thresholds.detectorWord;
        else if (reading.isGuess)
            reading.cost = reading.fit.bits;
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
        for (const Weighed &w : weighed())
            list.append(w.encoding);
        return list;
    }();
    return encodings;
}

} // namespace Karvo
