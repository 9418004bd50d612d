#include "detection.h"

#include "log.h"
#include "source.h"
#include "streaming.h"
#include "textjudge.h"
#include "utf8validator.h"
#include "widevalidator.h"

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDecoder>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Karvo {

namespace {

// uchardet_new() sets up every prober the library has, which costs more
// than detecting a small file; a run detects thousands, so each thread
// keeps the detectors it made and resets them for the next file.
class DetectorPool
{
public:
    ~DetectorPool()
    {
        for (uchardet_t detector : idle)
            uchardet_delete(detector);
    }

    static uchardet_t take()
    {
        std::vector<uchardet_t> &idle = pool().idle;
        if (idle.empty())
            return uchardet_new();
        uchardet_t detector = idle.back();
        idle.pop_back();
        return detector;
    }

    static void giveBack(uchardet_t detector)
    {
        uchardet_reset(detector);
        pool().idle.push_back(detector);
    }

private:
    static DetectorPool &pool()
    {
        thread_local DetectorPool threadPool;
        return threadPool;
    }

    std::vector<uchardet_t> idle;
};

struct DetectorDeleter
{
    void operator()(uchardet_t detector) const { DetectorPool::giveBack(detector); }
};

// C0 controls that no text uses: all but NUL (counted apart), BS, TAB, LF,
// VT, FF, CR, SUB and ESC.
constexpr bool isStrayControl(uchar b)
{
    return (b >= 0x01 && b <= 0x07) || (b >= 0x0E && b <= 0x19) || (b >= 0x1C && b <= 0x1F);
}

// The answer, judged on a sample, turned out to be in its wider encoding:
// the sample's reading in that one, where it was weighed too, is now the
// same answer, so its score adds to the answer's, and a doubt between the
// two is none.
void widen(DetectResult &result, const Encoding &wider)
{
    const Encoding narrow = result.encoding;
    QList<DetectResult::Candidate> candidates;
    for (DetectResult::Candidate candidate : qAsConst(result.candidates)) {
        if (candidate.encoding == narrow)
            candidate.encoding = wider;
        const auto same = std::find_if(candidates.begin(), candidates.end(),
            [&](const DetectResult::Candidate &c) { return c.encoding == candidate.encoding; });
        if (same == candidates.end())
            candidates.append(candidate);
        else
            same->score += candidate.score;
    }
    result.candidates = candidates;
    result.encoding = wider;
    result.confidence = candidates.first().score; // the answer's, as it was
    const auto between = [&](const Doubt &doubt) {
        return std::all_of(doubt.encodings.cbegin(), doubt.encodings.cend(),
            [&](const Encoding &e) { return e == narrow || e == wider; });
    };
    result.doubts.erase(std::remove_if(result.doubts.begin(), result.doubts.end(), between), result.doubts.end());
    result.doubtful = !result.doubts.isEmpty();
}

// Counts, in the one pass detection makes anyway, the bytes that tell text
// from binary and the places of zero bytes, which tell UTF-16 and UTF-32.
class ByteCensus
{
public:
    void feed(const char *data, qint64 size)
    {
        // Each byte adds its kind to counters packed in a word, 12 bits
        // each; four words side by side keep the adds independent.
        constexpr int field = 12;
        constexpr qint64 block = (qint64(1) << field) - 1;
        static const std::array<quint64, 256> kinds = [] {
            constexpr auto hongKong = Widening::rangeOf(Widening::Bytes::HongKongLeads);
            constexpr auto c1 = Widening::rangeOf(Widening::Bytes::Controls);
            std::array<quint64, 256> k {};
            for (int b = 0; b < 256; ++b)
                k[b] = (b >= 0x80 ? 1 : 0) | quint64(isStrayControl(uchar(b)) ? 1 : 0) << field
                    | quint64(b == 0 ? 1 : 0) << (2 * field)
                    | quint64(hongKong.contains(uchar(b)) ? 1 : 0) << (3 * field)
                    | quint64(c1.contains(uchar(b)) ? 1 : 0) << (4 * field);
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
                hongKongLeads += qint64(sum >> (3 * field) & block);
                c1Controls += qint64(sum >> (4 * field) & block);
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
    qint64 hongKongLeads = 0;
    qint64 c1Controls = 0;
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

    // The sample as ASCII-compatible text, cut only after a byte that ends a
    // character in any such encoding, unless the file is all there.
    QByteArray text() const
    {
        if (complete())
            return head;
        const int end = lastBoundary(head.constData(), head.size());
        return end > 0 ? head.left(end) + lines : lines.isEmpty() ? head : lines;
    }

    // The sample for UTF-16 and UTF-32: the raw start of the file.
    QByteArray start() const { return head; }

private:
    // Controls, space, digits aside, and the punctuation below them are a
    // character of their own in every encoding the judge weighs, never the
    // second byte of one (Shift_JIS, Big5 and GBK take anything from 0x40
    // on, GB18030's four-byte characters digits): a sample may be cut
    // after one.
    static bool isBoundary(char c) { return uchar(c) < 0x30; }

    // Where the bytes up to `size` may be cut, at the latest: just after a
    // boundary (0: nowhere).
    static qint64 lastBoundary(const char *data, qint64 size)
    {
        while (size > 0 && !isBoundary(data[size - 1]))
            --size;
        return size;
    }

    static qint64 countHigh(const char *data, qint64 size)
    {
        qint64 n = 0;
        for (qint64 i = 0; i < size; ++i)
            n += uchar(data[i]) >> 7;
        return n;
    }

    // Lines with bytes beyond ASCII, ended by LF or CR; of a line too long,
    // or cut by the chunk's edges, its part from boundary to boundary.
    void takeLines(const char *data, qint64 from, qint64 size)
    {
        const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
        bool atStart = isLineEnd(from > 0 ? data[from - 1] : lastByte);
        for (qint64 lineStart = from; lineStart < size;) {
            qint64 lineEnd = lineStart;
            while (lineEnd < size && !isLineEnd(data[lineEnd]))
                ++lineEnd;
            lineEnd = std::min(lineEnd + 1, size);
            qint64 start = lineStart;
            if (!atStart) {
                while (start < lineEnd && !isBoundary(data[start]))
                    ++start;
                start = std::min(start + 1, lineEnd);
            }
            qint64 end = std::min(lineEnd, start + longestLine);
            if (end < lineEnd || !isLineEnd(data[end - 1]))
                end = start + lastBoundary(data + start, end - start);
            const qint64 high = countHigh(data + start, end - start);
            if (high > 0) {
                lines.append(data + start, int(end - start));
                telling += high;
                if (telling >= enough || head.size() + lines.size() >= maxSize)
                    return;
            }
            atStart = isLineEnd(data[lineEnd - 1]);
            lineStart = lineEnd;
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

// How many readings a doubtful file offers at most, and how probable one
// must be to be offered at all; the first is always offered.
constexpr int mostCandidates = 8;
constexpr double leastCandidate = 0.001;
// How probable a reading must be to count as a rival in a doubt.
constexpr double rivalShare = 0.01;

// Whether Karvo's pick among `readings` (the first) is too uncertain to
// write without asking, and why. The one place that decides it: every
// reason is a Doubt, and a detection is doubtful when it has any.
QVector<Doubt> doubtsAbout(const QVector<Reading> &readings, const Encoding &guess, const QString &detectorName,
    bool partlyUtf8, const DetectionThresholds &thresholds)
{
    QVector<Doubt> doubts;
    if (partlyUtf8) {
        // Whichever reading is taken, one of the parts comes out garbled.
        Doubt doubt;
        doubt.kind = Doubt::Kind::MixedEncodings;
        doubt.encodings.append(Encoding::utf8());
        if (!readings.isEmpty())
            doubt.encodings.append(readings.first().encoding);
        doubts.append(doubt);
    }
    const Reading *best = readings.isEmpty() ? nullptr : &readings.first();
    const auto about = [&](Doubt::Kind kind, double least) {
        Doubt doubt;
        doubt.kind = kind;
        doubt.characters = best ? best->fit.telling : 0;
        for (const Reading &reading : readings) {
            if (doubt.encodings.size() == 4 || (&reading != best && reading.probability < least))
                break;
            doubt.encodings.append(reading.encoding);
            doubt.languages.append(QString::fromLatin1(reading.fit.language->code()));
        }
        return doubt;
    };
    // A charset Qt cannot read: unless one of Karvo's own readings is sure
    // and fits its language, the detector may well be right, and only the
    // user can say. On a few telling characters the fit says little either
    // way ("bentô" in Portuguese costs 8 bits more than its usual letter),
    // and neither does the detector: there only a reading of no language
    // at all is left to the user.
    const double poorFit
        = best && best->fit.telling < thresholds.fewCharacters ? thresholds.noLanguage : thresholds.noLanguage / 2;
    if (!guess.isValid() && !detectorName.isEmpty()
        && (!best || best->probability < thresholds.sure || best->fit.excess() > poorFit)) {
        Doubt doubt = about(Doubt::Kind::NoCodec, rivalShare);
        doubt.detectorName = detectorName;
        doubts.append(doubt);
    }
    if (!best)
        return doubts;
    if (best->probability < thresholds.sure) {
        const bool few = best->fit.telling < thresholds.fewCharacters;
        doubts.append(about(few ? Doubt::Kind::FewCharacters : Doubt::Kind::CloseReadings, rivalShare));
    }
    if (best->fit.telling >= thresholds.fewCharacters && best->fit.excess() > thresholds.noLanguage)
        doubts.append(about(Doubt::Kind::NoLanguage, 1));
    return doubts;
}

// Whether the first of `readings`, weighed without the charset detector,
// stands whatever the detector would say: it fits its language, on enough
// telling characters, and leads the next by more than the detector's word
// and the rarest encoding's rarity, with room to spare.
bool isBeyondDoubt(const QVector<Reading> &readings, const DetectionThresholds &thresholds)
{
    if (readings.isEmpty())
        return false;
    const Reading &best = readings.first();
    if (best.fit.telling < thresholds.fewCharacters || best.fit.excess() > thresholds.detectorFit)
        return false;
    const double reach = thresholds.detectorWord + mostRarity()
        + thresholds.temperature * std::log2(thresholds.sure / (1 - thresholds.sure));
    return readings.size() == 1 || readings.at(1).cost - best.cost > reach;
}

// Whether bytes that are not UTF-8 are UTF-8 for the most part: a UTF-8
// file with a word or a line from a code page pasted in.
bool isMostlyUtf8(const QByteArray &bytes, const DetectionThresholds &thresholds)
{
    qint64 sequences = 0;
    qint64 strays = 0;
    for (qint64 at = 0; at < bytes.size();) {
        if (uchar(bytes.at(int(at))) < 0x80) {
            ++at;
            continue;
        }
        const int length = utf8SequenceLength(bytes.constData() + at, bytes.size() - at);
        sequences += length > 1 ? 1 : 0;
        strays += length > 1 ? 0 : 1;
        at += std::max(1, length);
    }
    return sequences >= thresholds.mostlyUtf8 * std::max<qint64>(strays, 1);
}

// Encodings of seven bits that escape sequences or "~{" switch.
bool isEscapeBased(const Encoding &encoding)
{
    const QString name = encoding.name();
    return name.startsWith(QLatin1String("ISO-2022-")) || name == QLatin1String("HZ-GB-2312");
}

// The encodings whose escape sequences announce them at the start of a
// file: their shift bytes (SO, SI) are text, not the controls of a binary.
const char *escapeEncodingOf(const QByteArray &start)
{
    // Most files hold no escape at all: memchr says so fastest.
    if (!std::memchr(start.constData(), '\x1b', size_t(start.size())))
        return nullptr;
    if (start.contains("\x1b$)C"))
        return "ISO-2022-KR";
    for (const char *designation : {"\x1b$)A", "\x1b$)G", "\x1b$*H", "\x1b$+I"}) {
        if (start.contains(designation))
            return "ISO-2022-CN";
    }
    for (const char *designation : {"\x1b$B", "\x1b$@", "\x1b$(D", "\x1b$(Q"}) {
        if (start.contains(designation))
            return "ISO-2022-JP";
    }
    return nullptr;
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
    std::unique_ptr<uchardet, DetectorDeleter> detector {DetectorPool::take()};
    Utf8Validator utf8;
    ByteCensus census;
    Sampler sampler;
    std::vector<std::pair<WideLayout, WideValidator>> wide;
    Bom bom = Bom::None;
    bool feeding = true;
    bool failed = false; // the charset detector gave up
    bool binary = false; // settled before the end
    const char *escapes = nullptr; // the escape-based encoding the start announces
    Encoding declared; // the encoding the start says the file is in
    qint64 shifts = 0; // its SO and SI bytes, which the census counts as controls
    // A PDF may hold nothing but bytes that read as text, yet its objects
    // are found by byte offsets that rewriting would shift: it is binary
    // whatever its bytes look like.
    bool pdf = false;
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
        if (pdf)
            return true;
        if (bom != Bom::None && bom != Bom::Utf8)
            return false;
        // A file small enough to be read whole as UTF-16 at the end may owe
        // its controls to that (see finish()).
        const bool controls = census.nul > 0 || (size > Sampler::headSize && (census.controls - shifts) * 100 > size);
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
        // A file that the judge's sample holds whole waits too: Karvo's own
        // reading of it may leave the detector nothing to say.
        const bool small = s.census.total + size <= Sampler::headSize;
        if ((s.utf8.validSoFar() || small) && s.held.size() + size <= chunkSize) {
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
        // Only a file that shows zero bytes from its start is followed as
        // UTF-16 or UTF-32 without a byte-order mark; one that shows none is
        // read from its start at the end, where its controls call for it.
        startLayouts(s.bom, s.census.nul > 0, s.wide);
        s.escapes = escapeEncodingOf(QByteArray::fromRawData(data, int(std::min<qint64>(size, 4096))));
        s.pdf = QByteArray::fromRawData(data, int(std::min<qint64>(size, 5))) == "%PDF-";
        s.declared = findDeclaration(QByteArray::fromRawData(data, int(std::min<qint64>(size, 1024)))).encoding;
    }
    if (s.escapes)
        s.shifts += std::count_if(data, data + size, [](char c) { return c == 0x0E || c == 0x0F; });
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
    const DetectionThresholds &thresholds = s.limits.thresholds;
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

    // First, what the bytes are: UTF-16 or UTF-32 (by byte-order mark or by
    // where their zero bytes sit), text in an escape-based encoding, binary,
    // or text in an ASCII-compatible encoding.
    const Bom bom = s.bom;
    const bool wideBom = bom != Bom::None && bom != Bom::Utf8;
    // The layouts that decode the whole file strictly and hold no stray
    // controls, with how their start reads.
    const qint64 controls = census.controls - s.shifts;
    const QByteArray start = s.sampler.start();
    struct WideReading
    {
        const WideLayout *layout;
        LanguageFit fit;
        bool fits; // its zero bytes sit where its ASCII would put them
    };
    std::vector<WideReading> wide;
    const auto read = [&](const WideLayout &l, const QString &text) {
        wide.push_back({&l, bestFit(text.left(4096)), wideBom || zerosFit(l, census.zeros)});
    };
    for (const auto &[l, v] : s.wide) {
        if ((complete ? v.isValid() : v.validSoFar()) && v.controls() * 100 <= v.characters()) {
            QString text;
            decodeStrictly(
                Encoding::named(QLatin1String(l.name)), start.left(start.size() & ~(l.unit - 1)), false, text);
            read(l, text);
        }
    }
    // UTF-16 shows no zero byte where it holds no ASCII, nor a control
    // character, and its bytes may leave it no legacy reading ("взаимопон"
    // is 04 32 04 30 …, "。" 02 30): then its start is read in both byte
    // orders, and only text that reads as its language is taken. Without
    // such controls, it is weighed with the legacy readings (see
    // weighReadings).
    if (census.nul == 0 && controls * 100 > census.total) {
        for (const WideLayout &l : wideLayouts) {
            QString text;
            if (l.unit == 2
                && decodeStrictly(
                    Encoding::named(QLatin1String(l.name)), start, complete && s.sampler.complete(), text)) {
                read(l, text);
                if (wide.back().fit.excess() > thresholds.detectorFit)
                    wide.pop_back();
            }
        }
    }
    // Zero bytes in a layout's high byte are the mark of the ASCII in its
    // text and tell its byte order; CJK text without ASCII has its few in
    // the low byte (가 is U+AC00, 开 U+5F00), and reads as its language
    // only in the order they do not fit. So the layout whose zeros fit wins,
    // unless another reads as its language; between two alike, the one that
    // reads better. One whose zeros do not fit is taken for its text alone
    // only where that says enough.
    const auto reads = [&](const WideReading &r) { return r.fit.excess() <= thresholds.detectorFit; };
    const auto beats = [&](const WideReading &a, const WideReading &b) {
        if (a.fits == b.fits)
            return a.fit.excess() < b.fit.excess();
        return a.fits != reads(a.fits ? b : a);
    };
    const WideReading *chosen = nullptr;
    for (const WideReading &r : wide) {
        const bool eligible = r.fits || (r.fit.telling >= 4 && r.fit.excess() <= thresholds.noLanguage / 2)
            || std::any_of(wide.cbegin(), wide.cend(), [&](const WideReading &w) { return w.fits && beats(r, w); });
        if (eligible && (!chosen || beats(r, *chosen)))
            chosen = &r;
    }
    const WideLayout *layout = chosen ? chosen->layout : nullptr;
    const double layoutExcess = chosen ? chosen->fit.excess() : 0;
    // A byte-order mark that what follows does not bear out is no reason to
    // take zero bytes and controls for text.
    const bool binary = layout == nullptr
        && ((wideBom && !s.wide.empty() && s.wide.front().second.isValid()) || census.nul > 0
            || controls * 100 > census.total);
    if (binary) {
        result.kind = DetectResult::Kind::Binary;
        result.confidence = 1;
        return result;
    }
    const auto sure = [&result](const Encoding &encoding) {
        result.encoding = encoding;
        result.confidence = encoding.isValid() ? 1 : 0;
        if (encoding.isValid())
            result.candidates.append({encoding, 1});
        return result;
    };
    if (layout && wideBom) {
        // The byte-order mark says it, even with nothing after it.
        return sure(Encoding::named(QLatin1String(layout->unit == 4 ? "UTF-32" : "UTF-16")));
    }
    if (layout) {
        result.encoding = Encoding::named(QLatin1String(layout->name));
        result.candidates.append({result.encoding, 1});
        result.confidence = 1;
        if (layoutExcess > thresholds.noLanguage) {
            Doubt doubt;
            doubt.kind = Doubt::Kind::NoLanguage;
            doubt.encodings.append(result.encoding);
            result.doubts.append(doubt);
            result.doubtful = true;
            result.confidence = 0.5;
            result.candidates.first().score = 0.5;
        }
        return result;
    }
    if (s.escapes && census.nonAscii == 0) {
        // The escape sequences name the encoding; what they switch to
        // decodes, or the file is not in it after all.
        const Encoding escaped = Encoding::named(QLatin1String(s.escapes));
        QString text;
        if (escaped.isValid() && decodeStrictly(escaped, s.sampler.text(), complete && s.sampler.complete(), text)
            && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; })) {
            result.language = QString::fromLatin1(bestFit(text).language->code());
            return sure(escaped);
        }
    }

    const bool utf8 = complete ? s.utf8.isUtf8() : s.utf8.validSoFar() && census.nonAscii > 0;
    // A UTF-8 byte-order mark before text that is not UTF-8 is no part of
    // that text: read in a code page of two-byte characters it would put
    // every pair out of step.
    QByteArray sample = s.sampler.text();
    if (bom == Bom::Utf8 && !utf8 && sample.startsWith("\xEF\xBB\xBF"))
        sample.remove(0, 3);
    const bool mostlyUtf8 = !utf8 && census.nonAscii > 0 && isMostlyUtf8(sample, thresholds);
    const bool partlyUtf8 = mostlyUtf8 || (bom == Bom::Utf8 && !utf8);
    const bool sampleComplete = complete && s.sampler.complete();
    const auto take = [&result](const QVector<Reading> &readings) {
        const Reading &best = readings.first();
        result.encoding = best.encoding;
        result.language = QString::fromLatin1(best.fit.language->code());
        result.confidence = best.probability;
        for (const Reading &reading : readings) {
            if (result.candidates.size() == mostCandidates
                || (!result.candidates.isEmpty() && reading.probability < leastCandidate))
                break;
            result.candidates.append({reading.encoding, reading.probability});
        }
        return result;
    };
    if (!utf8 && census.nonAscii > 0 && s.held.size() == census.total && sampleComplete && !s.declared.isValid()
        && !partlyUtf8) {
        // The detector has not been fed yet. Where Karvo's own best reading
        // fits its language and leads the others by more than the
        // detector's word and any rarity could make up, asking it changes
        // nothing, and it is the slowest part of detection by far. A file
        // that names its own encoding has a weightier witness: it is
        // weighed with it below.
        const QVector<Reading> readings = weighReadings(sample, true, Encoding(), false, thresholds);
        if (isBeyondDoubt(readings, thresholds))
            return take(readings);
    }
    if (!utf8 && !s.held.isEmpty() && !s.feedDetector(s.held.constData(), s.held.size()))
        return {};
    uchardet_data_end(s.detector.get());
    const char *charset = uchardet_get_charset(s.detector.get());
    result.detectorName = QString::fromLatin1(charset ? charset : "");
    const Encoding guess = Encoding::named(result.detectorName);
    if (census.nonAscii == 0) {
        // Seven bits may still be ISO-2022-JP whose escapes come after the
        // start, or HZ: the detector saw them.
        result.asciiOnly = !isEscapeBased(guess);
        return sure(guess); // plain ASCII leaves nothing to weigh
    }
    // The detector takes short UTF-8 texts such as "café" for a legacy code
    // page, and converting those to UTF-8 would encode them twice. Plenty of
    // valid UTF-8 is UTF-8, as is any that says so; a word or two may read
    // better in another encoding (EUC-JP, say), and is weighed with the rest.
    if (utf8 && (census.nonAscii >= 2 * thresholds.plentyOfUtf8 || s.declared.isUtf8()))
        return sure(Encoding::utf8());

    // Then, which encodings read the sample, and how well each reading
    // fits a language written in it.
    QString head;
    if (guess.isUtf8() && !utf8 && !sampleComplete && decodeStrictly(guess, sample, false, head)
        && std::any_of(head.cbegin(), head.cend(), [](QChar c) { return c.unicode() >= 0x80; })) {
        // The detector settled on UTF-8 from the start of a file whose later
        // bytes are not UTF-8; left as it is, the file would pass for UTF-8.
        Doubt doubt;
        doubt.kind = Doubt::Kind::MixedEncodings;
        doubt.encodings.append(guess);
        result.encoding = guess;
        result.doubts.append(doubt);
        result.doubtful = true;
        result.confidence = 0.5;
        result.candidates.append({guess, 0.5});
        return result;
    }
    if (std::none_of(sample.cbegin(), sample.cend(), [](char c) { return uchar(c) >= 0x80; }))
        return sure(guess); // the telling bytes lie beyond the sample: the detector saw them
    // A file that says what it is in, and reads in it, has a witness that
    // knows better than the detector: the one who wrote it. Like the
    // detector's, its word is weighed, not taken: a declaration left over
    // from before the text was converted reads as no language.
    QString declaredText;
    const bool byDeclaration = s.declared.isValid() && decodeStrictly(s.declared, sample, sampleComplete, declaredText);
    const Encoding witness = byDeclaration ? s.declared : guess;
    const QVector<Reading> readings = weighReadings(
        sample, sampleComplete, witness, utf8, thresholds, byDeclaration ? Witness::Declaration : Witness::Detector);
    result.doubts = doubtsAbout(readings, witness, result.detectorName, partlyUtf8, thresholds);
    result.doubtful = !result.doubts.isEmpty();
    // Text that is UTF-8 for the most part reads best, as a person would see
    // it, in UTF-8 with the pasted bytes marked: that comes first, though it
    // converts nothing until the rest is mended, and no reading is likelier
    // than even.
    const auto utf8First = [&result] {
        for (DetectResult::Candidate &candidate : result.candidates)
            candidate.score /= 2;
        result.candidates.prepend({Encoding::utf8(), 0.5});
        result.encoding = Encoding::utf8();
        result.confidence = 0.5;
        result.language.clear();
        return result;
    };
    if (readings.isEmpty()) {
        result.encoding = guess;
        return mostlyUtf8 ? utf8First() : result;
    }
    // Where the detector named an encoding Qt cannot read and Karvo is not
    // sure of its own, the answer stays the detector's, which nothing can
    // convert: the readings are only offered.
    const bool unreadable = std::any_of(result.doubts.cbegin(), result.doubts.cend(),
        [](const Doubt &doubt) { return doubt.kind == Doubt::Kind::NoCodec; });
    take(readings);
    if (mostlyUtf8)
        return utf8First();
    if (unreadable)
        result.encoding = guess;
    // Hong Kong's characters, or quotes and dashes, further on than the
    // sample: it reads alike in the encoding judged and the wider one, the
    // rest of the file only in the wider.
    const Widening widening = wideningOf(result.encoding);
    const qint64 beyond = widening.bytes == Widening::Bytes::HongKongLeads ? census.hongKongLeads
        : widening.bytes == Widening::Bytes::Controls                      ? census.c1Controls
                                                                           : 0;
    if (beyond > 0 && widening.find(sample.cbegin(), sample.cend()) == sample.cend())
        widen(result, widening.encoding);
    return result;
}

Declaration findDeclaration(const QByteArray &start)
{
    static const QRegularExpression declarations(
        QStringLiteral(R"(^\s*(?:<\?xml[^>]*?\bencoding\s*=\s*["']|@charset\s+")([\w.:-]+))"
                       R"(|<meta\b[^>]*?\bcharset\s*=\s*["']?([\w.:-]+))"
                       R"(|\A(?:[^\n]*\n)?(?:[ \t]*#|[^\n]*?-\*-|[^\n]*?\bvim?:)[^\n]*?coding[:=]\s*([\w.-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    // Most files declare nothing, and a look for the words spares them the
    // expression: both start with a c, which memchr finds fast.
    const auto mentions = [&start] {
        const char *const end = start.cend();
        const auto follows = [end](const char *at, const char *rest) {
            for (; *rest; ++at, ++rest) {
                if (at == end || (*at | 0x20) != *rest)
                    return false;
            }
            return true;
        };
        for (const char c : {'c', 'C'}) {
            for (const char *at = start.cbegin();
                 (at = static_cast<const char *>(std::memchr(at, c, size_t(end - at)))); ++at) {
                if (follows(at + 1, "oding") || follows(at + 1, "harset"))
                    return true;
            }
        }
        return false;
    };
    Declaration declaration;
    if (!mentions())
        return declaration;
    const QRegularExpressionMatch match = declarations.match(QString::fromLatin1(start));
    if (match.hasMatch()) {
        const int group = match.lastCapturedIndex();
        declaration.at = match.capturedStart(group);
        declaration.length = match.capturedLength(group);
        declaration.encoding = Encoding::named(match.captured(group));
    }
    return declaration;
}

DetectResult detectFile(QIODevice &file, const DetectionLimits &limits)
{
    // One pass over the file in chunks keeps memory flat whatever its size.
    const qint64 left = file.size() - file.pos();
    Detector detector(limits, left);
    QByteArray buffer(int(bufferFor(left)), Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(buffer.data(), buffer.size())) > 0) {
        if (!detector.feed(buffer.constData(), read))
            break;
    }
    if (read < 0) {
        qCDebug(karvoEngine, "cannot read: %s", qUtf8Printable(file.errorString()));
        return {};
    }
    return detector.finish();
}

bool readsAsText(const QString &path, const Encoding &encoding)
{
    SourceFile source;
    return source.open(path).ok() && readsAsText(source.file(), encoding);
}

bool readsAsText(QIODevice &file, const Encoding &encoding)
{
    if (!encoding.isValid() || !file.seek(0))
        return false;
    QTextDecoder decoder(encoding.codec());
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(buffer.data(), buffer.size())) > 0) {
        const QString text = decoder.toUnicode(buffer.constData(), int(read));
        if (decoder.hasFailure())
            return false;
        for (const QChar c : text) {
            const ushort u = c.unicode();
            const bool control = (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v')
                || (u >= 0x7F && u < 0xA0);
            if (control || u == QChar::ReplacementCharacter)
                return false;
        }
    }
    return read == 0 && !decoder.needsMoreData() && file.seek(0);
}

DetectResult detectFileCoding(const QString &path)
{
    return detectFileCoding(path, DetectionLimits());
}

DetectResult detectFileCoding(const QString &path, const DetectionLimits &limits)
{
    SourceFile source;
    if (!source.open(path).ok())
        return {};
    return detectFile(source.file(), limits);
}

} // namespace Karvo
