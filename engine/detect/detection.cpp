#include "detection.h"

#include "regularfile.h"
#include "streaming.h"
#include "textjudge.h"
#include "utf8validator.h"
#include "widevalidator.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QTextCodec>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Karvo {

namespace {

struct DetectorDeleter
{
    void operator()(uchardet_t detector) const { uchardet_delete(detector); }
};

// C0 controls that no text uses: all but NUL (counted apart), BS, TAB, LF,
// VT, FF, CR, SUB and ESC.
constexpr bool isStrayControl(uchar b)
{
    return (b >= 0x01 && b <= 0x07) || (b >= 0x0E && b <= 0x19) || (b >= 0x1C && b <= 0x1F);
}

// Counts, in the one pass detection makes anyway, the bytes that tell text
// from binary and the places of zero bytes, which tell UTF-16 and UTF-32.
class ByteCensus
{
public:
    void feed(const char *data, qint64 size)
    {
        // Each byte adds its kind to one of three counters packed in a word,
        // 21 bits each; four words side by side keep the adds independent.
        constexpr int field = 21;
        constexpr qint64 block = (qint64(1) << field) - 1;
        static const std::array<quint64, 256> kinds = [] {
            std::array<quint64, 256> k {};
            for (int b = 0; b < 256; ++b)
                k[b] = (b >= 0x80 ? 1 : 0) | quint64(isStrayControl(uchar(b)) ? 1 : 0) << field
                    | quint64(b == 0 ? 1 : 0) << (2 * field);
            return k;
        }();
        const auto *p = reinterpret_cast<const uchar *>(data);
        const qint64 zerosBefore = nul;
        for (qint64 start = 0; start < size; start += block) {
            const qint64 end = std::min(size, start + block);
            quint64 sums[4] = {};
            qint64 i = start;
            for (; i + 4 <= end; i += 4) {
                sums[0] += kinds[p[i]];
                sums[1] += kinds[p[i + 1]];
                sums[2] += kinds[p[i + 2]];
                sums[3] += kinds[p[i + 3]];
            }
            for (; i < end; ++i)
                sums[0] += kinds[p[i]];
            for (const quint64 sum : sums) {
                nonAscii += qint64(sum & block);
                controls += qint64(sum >> field & block);
                nul += qint64(sum >> (2 * field) & block);
            }
        }
        if (nul > zerosBefore) {
            for (const uchar *z = p; (z = static_cast<const uchar *>(std::memchr(z, 0, size_t(p + size - z)))); ++z)
                ++zeros[(total + (z - p)) & 3];
        }
        total += size;
    }

    qint64 total = 0;
    qint64 nul = 0;
    qint64 controls = 0;
    qint64 nonAscii = 0;
    std::array<qint64, 4> zeros {}; // by offset modulo 4
};

// Keeps a bounded sample for the judge: the start of the file, and when that
// holds little to judge by, whole lines with non-ASCII bytes from further on.
class Sampler
{
public:
    static constexpr int headSize = 64 * 1024;
    static constexpr int maxSize = 256 * 1024;
    static constexpr int enough = 512; // non-ASCII bytes that make a fair sample
    static constexpr int longestLine = 4096;

    void feed(const char *data, qint64 size)
    {
        qint64 from = 0;
        if (head.size() < headSize) {
            from = std::min<qint64>(size, headSize - head.size());
            head.append(data, int(from));
            telling += countHigh(data, from);
        }
        seen += size;
        if (from < size && telling < enough && head.size() + lines.size() < maxSize)
            takeLines(data, from, size);
        lastByte = size > 0 ? data[size - 1] : lastByte;
    }

    bool complete() const { return seen <= head.size(); }

    // The sample as ASCII-compatible text: whole lines only, unless the file
    // is all there.
    QByteArray text() const
    {
        if (complete())
            return head;
        // Without a line end to cut at, the head may end inside a character
        // that no later line could continue.
        const int end = head.lastIndexOf('\n');
        return end > 0 ? head.left(end + 1) + lines : head;
    }

    // The sample for UTF-16 and UTF-32: the raw start of the file.
    QByteArray start() const { return head; }

private:
    static qint64 countHigh(const char *data, qint64 size)
    {
        qint64 n = 0;
        for (qint64 i = 0; i < size; ++i)
            n += uchar(data[i]) >> 7;
        return n;
    }

    void takeLines(const char *data, qint64 from, qint64 size)
    {
        qint64 lineStart = from;
        // A line that began in an earlier chunk is not whole here.
        bool whole = from > 0 ? data[from - 1] == '\n' : lastByte == '\n';
        for (qint64 i = from; i < size; ++i) {
            if (data[i] != '\n')
                continue;
            const qint64 length = i + 1 - lineStart;
            if (whole && length <= longestLine) {
                const qint64 high = countHigh(data + lineStart, length);
                if (high > 0) {
                    lines.append(data + lineStart, int(length));
                    telling += high;
                    if (telling >= enough || head.size() + lines.size() >= maxSize)
                        return;
                }
            }
            lineStart = i + 1;
            whole = true;
        }
    }

    QByteArray head;
    QByteArray lines;
    qint64 telling = 0;
    qint64 seen = 0;
    char lastByte = '\n';
};

enum class Bom { None, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

Bom bomOf(const QByteArray &start)
{
    if (start.startsWith("\xef\xbb\xbf"))
        return Bom::Utf8;
    if (start.startsWith(QByteArray("\xff\xfe\0\0", 4)))
        return Bom::Utf32LE;
    if (start.startsWith(QByteArray("\0\0\xfe\xff", 4)))
        return Bom::Utf32BE;
    if (start.startsWith("\xff\xfe"))
        return Bom::Utf16LE;
    if (start.startsWith("\xfe\xff"))
        return Bom::Utf16BE;
    return Bom::None;
}

// The four layouts of UTF-16 and UTF-32, each checked over the whole file
// once the start of the file shows zero bytes.
struct WideLayout
{
    const char *name;
    int unit;
    bool big;
};

constexpr WideLayout wideLayouts[] = {
    {"UTF-32LE", 4, false},
    {"UTF-32BE", 4, true},
    {"UTF-16LE", 2, false},
    {"UTF-16BE", 2, true},
};

// Whether the zero bytes sit where text in a layout puts them: in the high
// byte of each unit, and rarely in the low one.
bool zerosFit(const WideLayout &layout, const std::array<qint64, 4> &zeros)
{
    if (layout.unit == 4)
        return true; // the strict check alone is telling enough
    const qint64 even = zeros[0] + zeros[2];
    const qint64 odd = zeros[1] + zeros[3];
    const qint64 high = layout.big ? even : odd;
    const qint64 low = layout.big ? odd : even;
    return high > 0 && high >= 3 * low;
}

constexpr double readableScore = 0.75;

// How common an encoding is for text files: a rare one that merely reads as
// well as a common one on a few characters is no answer to trust.
int commonness(const Encoding &encoding)
{
    const QString name = encoding.name();
    static const QStringList common = {"UTF-8", "WINDOWS-1252", "WINDOWS-1251", "WINDOWS-1250", "GB18030", "GBK",
        "SHIFT_JIS", "BIG5", "EUC-KR", "UHC", "WINDOWS-949", "ISO-8859-1"};
    static const QStringList usual = {"WINDOWS-1253", "WINDOWS-1254", "WINDOWS-1255", "WINDOWS-1256", "WINDOWS-1257",
        "WINDOWS-1258", "EUC-JP", "KOI8-R", "ISO-8859-2", "ISO-8859-15", "ISO-8859-9", "TIS-620", "ISO-8859-11",
        "ISO-8859-7", "ISO-8859-8", "ISO-2022-JP", "ISO-8859-13", "KOI8-U", "IBM866"};
    const QString upper = name.toUpper();
    if (common.contains(upper))
        return 2;
    return usual.contains(upper) ? 1 : 0;
}

struct Reading
{
    DetectResult::Candidate candidate;
    double evidence = 0;
    bool isGuess = false;
};

// How many telling characters of a reading look wrong.
double badness(const Reading &reading)
{
    return (1 - reading.candidate.score) * reading.evidence;
}

// How many more wrong-looking characters a reading must have than the best
// one for the best to stand against it: against a more common encoding, and
// against one as common.
constexpr double clearLead = 0.3;
constexpr double sameRankLead = 0;
constexpr double fewCharacters = 6;
// How many fewer wrong-looking characters another reading needs to take the
// place of the detector's guess without asking.
constexpr double switchLead = 3;
// A reading with at least this many telling characters, this few of them
// wrong, stands without being weighed against the others.
constexpr double plentyOfEvidence = 64;
constexpr double cleanReading = 0.99;
constexpr int cjkEvidence = 256;

// Judges the detector's guess (null when it found none) against the other
// encodings that can decode the sample, and fills in confidence, doubt and
// the ranked candidates.
void weigh(DetectResult &result, const Encoding &guess, const QByteArray &sample, bool complete)
{
    QList<Reading> readings;
    QHash<QString, int> byText;
    const auto add = [&](const Encoding &encoding, bool isGuess, const QString &text) {
        const auto known = byText.constFind(text);
        if (known != byText.constEnd()) {
            // The same text either way: the guess is as right as the more
            // common encoding, which is the one to show, unless the sample
            // is only part of the file and the two may part later.
            Reading &same = readings[*known];
            same.isGuess |= isGuess;
            if (complete && commonness(encoding) > commonness(same.candidate.encoding))
                same.candidate.encoding = encoding;
            return;
        }
        const TextVerdict verdict = judgeText(text, encoding);
        byText.insert(text, readings.size());
        readings.append({{encoding, verdict.score}, verdict.evidence, isGuess});
    };
    QString guessText;
    if (guess.isValid() && decodeStrictly(guess, sample, complete, guessText)) {
        // In a CJK encoding a few hundred characters that all read cleanly
        // are as telling as the whole sample: a wrong decode turns up rare
        // characters within a few dozen. In a single-byte code page the
        // letters that tell it from its neighbours may come late, so those
        // are read whole.
        if (isCjkEncoding(guess)) {
            int end = 0;
            for (int nonAscii = 0; end < guessText.size() && nonAscii < cjkEvidence; ++end)
                nonAscii += guessText.at(end).unicode() >= 0x80 ? 1 : 0;
            const TextVerdict verdict = end < guessText.size() ? judgeText(guessText.left(end), guess) : TextVerdict();
            if (verdict.evidence >= cjkEvidence && verdict.score >= cleanReading) {
                result.candidates.append({guess, verdict.score});
                result.confidence = verdict.score;
                return;
            }
        }
        add(guess, true, guessText);
    }
    // Plenty of text that reads cleanly in the detector's guess leaves no
    // room for another reading to win or tie; judging every other one would
    // cost more than the rest of the file's conversion.
    if (!readings.isEmpty() && readings.first().evidence >= plentyOfEvidence
        && readings.first().candidate.score >= cleanReading) {
        result.candidates.append(readings.first().candidate);
        result.confidence = readings.first().candidate.score;
        return;
    }
    for (const Encoding &encoding : candidateEncodings()) {
        QString text;
        if (encoding != guess && decodeStrictly(encoding, sample, complete, text))
            add(encoding, false, text);
    }
    // Best first; among equals the detector's guess, then the more common.
    std::stable_sort(readings.begin(), readings.end(), [](const Reading &a, const Reading &b) {
        if (a.candidate.score != b.candidate.score)
            return a.candidate.score > b.candidate.score;
        if (a.isGuess != b.isGuess)
            return a.isGuess;
        return commonness(a.candidate.encoding) > commonness(b.candidate.encoding);
    });
    const auto guessAt = std::find_if(readings.begin(), readings.end(), [](const Reading &r) { return r.isGuess; });
    // The guess stays first unless another reads clearly better.
    if (guessAt != readings.end() && guessAt != readings.begin()
        && badness(*guessAt) - badness(readings.first()) < clearLead)
        std::rotate(readings.begin(), guessAt, guessAt + 1);
    for (const Reading &reading : qAsConst(readings))
        result.candidates.append(reading.candidate);
    if (readings.isEmpty())
        return;

    const Reading &best = readings.first();
    if (!guess.isValid() && !result.detectorName.isEmpty()) {
        // A charset Qt has no codec for: the user may know better, or not.
        result.doubtful = true;
        return;
    }
    if (!best.isGuess || complete)
        result.encoding = best.candidate.encoding;
    // Doubt where the text does not read as text, where the guess is beaten
    // but not clearly, where on a few characters a more common encoding reads
    // nearly as well, and where another reads better.
    const double score = best.candidate.score;
    const int rank = commonness(best.candidate.encoding);
    // The readings within a clear lead of the best, and of those the ones
    // in a more common encoding.
    int rivals = 0;
    int commonerRivals = 0;
    int rarerRivals = 0;
    for (const Reading &other : qAsConst(readings)) {
        if (&other != &best && badness(other) - badness(best) < clearLead) {
            ++rivals;
            commonerRivals += commonness(other.candidate.encoding) > rank ? 1 : 0;
            rarerRivals += commonness(other.candidate.encoding) < rank ? 1 : 0;
        }
    }
    // Another reading may unseat the detector's guess when it reads clearly
    // better: the detector confuses neighbours such as KOI8-R and KOI8-U.
    // Where the guess does not even read as text, one that no other
    // reading comes near needs no question either.
    const bool guessFails = guessAt == readings.end() || guessAt->candidate.score < readableScore;
    const bool unseated = !best.isGuess && (rivals > 0 || !guessFails)
        && (guessAt == readings.end() || badness(*guessAt) - badness(best) < switchLead);
    result.doubtful = score < readableScore || unseated;
    // Where the detector's guess, in a usual encoding, reads best and a
    // single more common encoding (and none as common) reads as well, the
    // detector has weighed just those two on the bytes' statistics; more
    // rivals mean a guess.
    const bool detectorChose = best.isGuess && rank >= 1 && commonerRivals == 1 && rivals - rarerRivals == 1;
    double closest = 1;
    for (const Reading &other : qAsConst(readings)) {
        if (&other == &best)
            continue;
        const double deficit = badness(other) - badness(best);
        const int otherRank = commonness(other.candidate.encoding);
        // A rare encoding needs a clear lead over a common one only on a few
        // characters; on more the detector's own statistics stand.
        const double needed = otherRank > rank && best.evidence < fewCharacters && !detectorChose ? clearLead
            : otherRank == rank                                                                   ? sameRankLead
                                                                                                  : 0;
        if (deficit < needed)
            result.doubtful = true;
        closest = std::min(closest, std::max(0.0, deficit) / (clearLead + 1));
    }
    result.confidence = std::clamp(score * best.evidence / (best.evidence + 2.0) * (0.5 + 0.5 * closest), 0.0, 1.0);
    if (result.doubtful)
        result.confidence = std::min(result.confidence, 0.5);
}

// The wide layouts a file's start allows, set on its first bytes: the one
// its byte-order mark names, or all four when it shows zero bytes.
void startLayouts(Bom bom, bool zeros, std::vector<std::pair<WideLayout, WideValidator>> &wide)
{
    for (const WideLayout &layout : wideLayouts) {
        const bool byBom = (bom == Bom::Utf16LE && layout.unit == 2 && !layout.big)
            || (bom == Bom::Utf16BE && layout.unit == 2 && layout.big)
            || (bom == Bom::Utf32LE && layout.unit == 4 && !layout.big)
            || (bom == Bom::Utf32BE && layout.unit == 4 && layout.big);
        if (byBom || (bom == Bom::None && zeros))
            wide.emplace_back(layout, WideValidator(layout.unit, layout.big, !byBom));
    }
}

} // namespace

struct Detector::State
{
    DetectionLimits limits;
    qint64 size = -1;
    std::unique_ptr<uchardet, DetectorDeleter> detector {uchardet_new()};
    Utf8Validator utf8;
    ByteCensus census;
    Sampler sampler;
    std::vector<std::pair<WideLayout, WideValidator>> wide;
    Bom bom = Bom::None;
    bool feeding = true;
    bool failed = false; // the charset detector gave up
    bool binary = false; // settled before the end
    // The detector's answer is not needed for a file that is UTF-8, and
    // most files that read as UTF-8 at first are: what it is to be fed waits
    // here, a chunk at most, until the file stops reading as UTF-8.
    QByteArray held;

    bool feedDetector(const char *data, qint64 size)
    {
        if (uchardet_handle_data(detector.get(), data, size_t(size)) == 0)
            return true;
        failed = true;
        return false;
    }

    // Whether a wide layout can still turn out to be text: valid so far, and,
    // where the size is known, without more stray controls than the rest of
    // the file could make up for.
    bool alive(const WideLayout &layout, const WideValidator &validator) const
    {
        return validator.validSoFar() && (size < 0 || validator.controls() * 100 <= size / layout.unit);
    }

    // Binary beyond doubt: zero bytes or stray controls that no UTF-16 or
    // UTF-32 reading still explains, and that no byte-order mark claims.
    bool certainlyBinary() const
    {
        if (bom != Bom::None && bom != Bom::Utf8)
            return false;
        const bool controls = census.nul > 0 || (size >= 0 && census.controls * 100 > size);
        return controls
            && std::none_of(wide.cbegin(), wide.cend(), [this](const auto &w) { return alive(w.first, w.second); });
    }
};

Detector::Detector(const DetectionLimits &limits, qint64 size)
    : d(std::make_unique<State>())
{
    d->limits = limits;
    d->size = size;
}

Detector::~Detector() = default;

bool Detector::feed(const char *data, qint64 size)
{
    State &s = *d;
    if (s.binary || s.failed || size <= 0)
        return !s.binary && !s.failed;
    const bool first = s.census.total == 0;
    s.utf8.feed(data, size);
    if (s.feeding) {
        if (s.utf8.validSoFar() && s.held.size() + size <= chunkSize) {
            s.held.append(data, int(size));
        } else {
            if ((!s.held.isEmpty() && !s.feedDetector(s.held.constData(), s.held.size()))
                || !s.feedDetector(data, size))
                return false;
            s.held.clear();
        }
    }
    s.census.feed(data, size);
    s.sampler.feed(data, size);
    if (first) {
        s.bom = bomOf(QByteArray::fromRawData(data, int(std::min<qint64>(size, 4))));
        // Only a file that shows zero bytes from its start can be UTF-16 or
        // UTF-32 without a byte-order mark.
        startLayouts(s.bom, s.census.nul > 0, s.wide);
    }
    for (auto &[layout, validator] : s.wide)
        validator.feed(data, size);
    if (s.feeding && s.limits.detectorBytes >= 0
        && ((s.census.total >= s.limits.detectorBytes && s.census.nonAscii >= s.limits.detectorNonAscii)
            || s.census.total >= s.limits.detectorMostBytes))
        s.feeding = false;
    s.binary = s.certainlyBinary();
    return !s.binary;
}

DetectResult Detector::finish(bool complete)
{
    State &s = *d;
    DetectResult result;
    if (s.failed || !s.detector)
        return result;
    if (s.binary) {
        result.kind = DetectResult::Kind::Binary;
        result.confidence = 1;
        return result;
    }
    const ByteCensus &census = s.census;
    if (census.total == 0) {
        result.kind = DetectResult::Kind::Empty;
        result.confidence = 1;
        return result;
    }

    const Bom bom = s.bom;
    const bool wideBom = bom != Bom::None && bom != Bom::Utf8;
    // Of the layouts that decode the whole file strictly and hold no stray
    // controls, the one whose zero bytes fit, or failing that whose start
    // reads best, wins; CJK text in UTF-16 has hardly a zero byte to show.
    const WideLayout *layout = nullptr;
    double layoutScore = 0;
    bool layoutFits = false;
    for (const auto &[l, v] : s.wide) {
        if (!(complete ? v.isValid() : v.validSoFar()) || v.controls() * 100 > v.characters())
            continue;
        QString text;
        const QByteArray start = s.sampler.start();
        decodeStrictly(Encoding::named(QLatin1String(l.name)), start.left(start.size() & ~(l.unit - 1)), false, text);
        const TextVerdict verdict = judgeText(text, Encoding());
        const bool fits = wideBom || zerosFit(l, census.zeros);
        if (!fits && (verdict.score < 0.9 || verdict.evidence < 4))
            continue;
        if (!layout || (fits && !layoutFits) || (fits == layoutFits && verdict.score > layoutScore)) {
            layout = &l;
            layoutScore = verdict.score;
            layoutFits = fits;
        }
    }
    const bool binary = wideBom ? (layout == nullptr && !s.wide.empty() && s.wide.front().second.isValid())
                                : (layout == nullptr && (census.nul > 0 || census.controls * 100 > census.total));
    if (binary) {
        result.kind = DetectResult::Kind::Binary;
        result.confidence = 1;
        return result;
    }

    if (layout && !wideBom) {
        result.encoding = Encoding::named(QLatin1String(layout->name));
        result.confidence = layoutScore;
        result.doubtful = layoutScore < readableScore;
        result.candidates.append({result.encoding, layoutScore});
        return result;
    }

    const bool utf8 = complete ? s.utf8.isUtf8() : s.utf8.validSoFar() && census.nonAscii > 0;
    if (!utf8 && !s.held.isEmpty() && !s.feedDetector(s.held.constData(), s.held.size()))
        return {};
    uchardet_data_end(s.detector.get());
    const char *charset = uchardet_get_charset(s.detector.get());
    result.detectorName = QString::fromLatin1(charset ? charset : "");
    result.encoding = Encoding::named(result.detectorName);

    // The detector takes short UTF-8 texts such as "café" for a legacy code
    // page, and converting those to UTF-8 would encode them twice. Bytes that
    // are valid UTF-8 and not plain ASCII are UTF-8 unless the judge finds
    // another reading clearly better (a word or two of EUC-JP can be valid
    // UTF-8 too).
    if (utf8)
        result.encoding = Encoding::utf8();

    if (wideBom || census.nonAscii == 0) {
        // A byte-order mark or plain ASCII leave nothing to weigh.
        result.confidence = result.encoding.isValid() ? 1 : 0;
        if (result.encoding.isValid())
            result.candidates.append({result.encoding, 1});
        return result;
    }
    weigh(result, result.encoding, s.sampler.text(), complete && s.sampler.complete());
    // The detector may settle on UTF-8 from the start of a file whose later
    // bytes are not UTF-8; left as it is, the file would pass for UTF-8.
    if (result.encoding.isUtf8() && !utf8) {
        result.doubtful = true;
        result.confidence = std::min(result.confidence, 0.5);
    }
    return result;
}

DetectResult detectFile(QFile &file, const DetectionLimits &limits)
{
    // One pass over the file in chunks keeps memory flat whatever its size.
    Detector detector(limits, file.size() - file.pos());
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(buffer.data(), buffer.size())) > 0) {
        if (!detector.feed(buffer.constData(), read))
            break;
    }
    if (read < 0)
        return {};
    return detector.finish();
}

DetectResult detectFileCoding(const QString &path)
{
    return detectFileCoding(path, DetectionLimits());
}

DetectResult detectFileCoding(const QString &path, const DetectionLimits &limits)
{
    QFile file;
    if (!openRegularFile(file, path).ok())
        return {};
    return detectFile(file, limits);
}

} // namespace Karvo
