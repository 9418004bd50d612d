// Finding out which encoding a file is written in, and how sure that is.
#ifndef KARVO_DETECTION_H
#define KARVO_DETECTION_H

#include "encoding.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QIODevice;

namespace Karvo {

// Why a detection is too uncertain to act on without asking, with the facts
// a person needs to see why. engine/jobs/report.cpp puts them into words.
struct Doubt
{
    enum class Kind {
        CloseReadings, // `encodings` read nearly as well as each other, in `languages`
        FewCharacters, // as CloseReadings, on only `characters` telling characters
        NoLanguage, // no reading reads as any language Karvo knows; `encodings` came closest
        NoCodec, // the charset detector named `detectorName`, which Qt cannot read
        MixedEncodings, // part of the file is UTF-8 and part is not
    };
    Kind kind = Kind::CloseReadings;
    QVector<Encoding> encodings; // the readings in question, the likeliest first
    QStringList languages; // the language each reads as, by code ("ro", "zh-hant")
    int characters = 0; // telling (non-ASCII) characters in the sample
    QString detectorName;
};

} // namespace Karvo

struct DetectResult
{
    // What the bytes are, before any question of charset.
    enum class Kind {
        Text, // decodable text; `encoding` says in what (none: no codec found)
        Empty, // a regular file with no bytes: valid in every encoding
        Binary, // not text in any encoding: never to be rewritten
    };

    // One encoding the bytes could be in, with how well they read in it.
    struct Candidate
    {
        Karvo::Encoding encoding;
        // 0..1: how likely this reading is the file's; the candidates' scores
        // add up to at most 1, so no two can both round to 100 %.
        double score = 0;
    };

    Karvo::Encoding encoding; // what the file reads as; none when no codec was found
    QString detectorName; // the charset as the charset detector spelled it; may be empty
    Kind kind = Kind::Text;
    double confidence = 0; // 0..1: how sure detection is of `name`
    bool doubtful = false; // too weak a guess to write without asking the user: see `doubts`
    QVector<Karvo::Doubt> doubts; // why it is doubtful; empty when it is not
    QList<Candidate> candidates; // best first, the first being Karvo's pick; when doubtful, what the user picks from
    QString language; // the language the text reads as, by code ("lv"); empty where none was weighed
    bool asciiOnly = false; // text of ASCII bytes alone, the same in every ASCII-compatible encoding

    // The encoding as listed: "ASCII" for ASCII alone, else the catalogue's
    // name, or the detector's where Qt has no codec for it.
    QString name() const
    {
        if (asciiOnly)
            return QStringLiteral("ASCII");
        return encoding.isValid() ? encoding.name() : detectorName;
    }
};

namespace Karvo {

// Every number detection decides by, in one place. Each was set on the dev
// part of the real-text corpus (bench/corpus/real.py --part dev, 2,017
// lines, paragraphs and subtitle files; the test part is only reported on)
// from the figures `karvo-detect-accuracy --sweep` prints there, quoted
// below as right / asked / wrong, and where it matters, of the 1,678 words
// and lines, how many right and how many wrong. As set: 98.4 % / 1.2 % /
// 0.35 %; 1,600 and 8. Since the models know words of ASCII letters, as set
// 98.7 / 1.1 / 0.25 %, 1,606 and 8, and on the rebuilt dev part 98.2 / 1.5
// / 0.28 %; swept again there, each threshold makes the same trade as
// below (sure 0.8: 1.3 % asked, 0.33 % wrong; temperature 1.25: 1.2 %,
// 0.38 %; sure 0.9: 2.0 %, 0.24 %).
struct DetectionThresholds
{
    // A reading costs the bits its text takes in its language (see
    // languagemodel.h), plus its encoding's rarity. Costs become
    // probabilities as 2^(-cost / temperature): the models count every
    // letter as if it told something new, which it does not quite.
    // 1: 98.5 / 1.1 / 0.40; 1.25: 98.5 / 1.2 / 0.35, but 11 words and lines
    // wrong; 1.5: as set; 2: 97.6 / 2.1 / 0.35.
    double temperature = 1.5;
    // Bits the charset detector's own answer is spared where it reads as its
    // language (see fewCharacters), that is, costs at most `detectorFit` bits
    // per telling character more than the language's own text: a reading
    // that fits no better never overrules it. It counted for more while the
    // models let a Latin word run on into Cyrillic or Chinese ("sizesЕ"),
    // which the detector ruled out for them; now detectorWord 0: 98.3 / 1.4
    // / 0.35; 2: as set; 4: 98.4 / 1.2 / 0.40, 13 words and lines wrong;
    // 8: 98.4 / 1.1 / 0.50. detectorFit 1: as set, 1,597 words and lines
    // right; 3: as set; 5 and 8: 98.5 / 1.1 / 0.40.
    double detectorWord = 2;
    double detectorFit = 3;
    // What a file's own word for its encoding (an XML or HTML charset, a
    // coding cookie) counts for where it reads as its language, on any
    // number of telling characters: a page that says it is windows-1255
    // and reads as Hebrew in it is, as a browser would show it. The corpus
    // holds no declarations; 12 bits make a reading that fits sure against
    // a rival that fits about as well, even on a word or two (4 Hebrew
    // letters against Korean in windows-949), and leave a declaration left
    // over from before a conversion, which reads as no language, out.
    double declaredWord = 12;
    // A pick less probable than this is asked about.
    // 0.8: 98.5 / 1.2 / 0.35, 11 words and lines wrong; 0.85: as set;
    // 0.9: 97.8 / 1.8 / 0.35, 6 wrong; 0.95: 97.2 / 2.5 / 0.35. With
    // nothing asked (--calibrate, both dev parts, 4,603 files), picks at
    // 0.85 to 0.95 are 53 right to 3 wrong, at 0.7 to 0.85 23 to 5.
    double sure = 0.85;
    // Doubt on fewer telling characters than this is put down to there
    // being too few of them; on fewer, the detector's word counts for
    // proportionally less. 2: 98.3 / 1.4 / 0.35, 9 words and lines wrong,
    // and an Italian line in IBM850 with two telling characters goes to the
    // detector's windows-1252; 4: 1,601 right, 8 wrong; 6: as set; 10: 98.4
    // / 1.3 / 0.35.
    int fewCharacters = 6;
    // Bits per telling character beyond what the language's own text costs,
    // past which the best reading reads as no language at all.
    // 3: 97.7 / 1.9 / 0.35; 6: 98.3 / 1.3 / 0.35; 8 and more: as set.
    double noLanguage = 10;
    // Valid UTF-8 with at least this many telling characters is UTF-8
    // without weighing anything else: no legacy text reads as UTF-8 that long.
    int plentyOfUtf8 = 64;
    // Text that is not UTF-8, yet holds at least this many valid UTF-8
    // sequences of two bytes or more, and this many times as many as bytes
    // that start none, is UTF-8 with something else pasted in: asked about.
    // In no legacy text of the nine draws and the GB18030 chunks (25,799
    // files) does the ratio pass 1.4 with four sequences or more.
    int mostlyUtf8 = 4;
};

// How much of a file the charset detector is fed. It never settles on
// single-byte text, so past a few MiB of telling bytes it learns nothing.
struct DetectionLimits
{
    qint64 detectorBytes = 4 << 20; // at least this much; -1: feed it the whole file
    qint64 detectorNonAscii = 16 * 1024; // ... and at least this many non-ASCII bytes
    qint64 detectorMostBytes = 64 << 20; // but never more than this
    DetectionThresholds thresholds;
};

// Detection over bytes fed in order, a chunk at a time: the UTF-8 and binary
// checks see every byte, the charset detector the start (see
// DetectionLimits), and the judge of the result a bounded sample.
class Detector
{
public:
    // `size`: how many bytes will be fed in all, where that is known; it
    // lets a file be called binary as soon as that is certain.
    explicit Detector(const DetectionLimits &limits = DetectionLimits(), qint64 size = -1);
    ~Detector();
    Detector(const Detector &) = delete;
    Detector &operator=(const Detector &) = delete;

    // False once the answer is settled (binary beyond doubt) or the charset
    // detector gave up: more bytes would change nothing.
    bool feed(const char *data, qint64 size);

    // The answer. `complete`: every byte was fed; otherwise they were the
    // start of a longer stream, and a character cut at the end is no fault.
    DetectResult finish(bool complete = true);

private:
    struct State;
    std::unique_ptr<State> d;
};

// Where the start of a file says which encoding it is in, as browsers, XML
// parsers and editors read it: an XML declaration, a CSS @charset, an HTML
// <meta> charset, or a coding cookie in one of the first two lines (in a
// "#" comment, between Emacs's "-*-" or after Vim's "vim:"). Detection
// looks in the first KiB.
struct Declaration
{
    int at = -1; // where the encoding's name starts in `start`; -1: none declared
    int length = 0;
    Encoding encoding; // none where Qt has no codec by that name
};
Declaration findDeclaration(const QByteArray &start);

// Reads an open file from where it stands to its end (or until the answer
// is settled) and detects it.
DetectResult detectFile(QIODevice &file, const DetectionLimits &limits = DetectionLimits());

// Whether an open file reads whole as text in `encoding` (read from its
// start, and left there): every byte
// decodes, into no controls but those text uses. Bytes that detection takes
// for binary may be text all the same in an encoding the user names: the
// shifts and tags of SCSU, BOCU-1 or ISO-2022-KR are controls to anything
// else.
bool readsAsText(QIODevice &file, const Karvo::Encoding &encoding);
bool readsAsText(const QString &path, const Karvo::Encoding &encoding);

// The same for a path. Anything that is not a regular file or cannot be
// read gives the default result.
DetectResult detectFileCoding(const QString &path);
DetectResult detectFileCoding(const QString &path, const DetectionLimits &limits);

} // namespace Karvo

#endif
