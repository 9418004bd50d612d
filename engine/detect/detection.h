// Finding out which encoding a file is written in, and how sure that is.
#ifndef KARVO_DETECTION_H
#define KARVO_DETECTION_H

#include "encoding.h"

#include <QList>
#include <QString>

#include <memory>

class QFile;

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
        double score = 0; // 0..1, higher reads more like real text
    };

    Karvo::Encoding encoding; // what the file reads as; none when no codec was found
    QString detectorName; // the charset as the charset detector spelled it; may be empty
    Kind kind = Kind::Text;
    double confidence = 0; // 0..1: how sure detection is of `name`
    bool doubtful = false; // too weak a guess to write without asking the user
    QList<Candidate> candidates; // best first; when doubtful, what the user picks from

    // The encoding as listed: the catalogue's name, or the detector's where
    // Qt has no codec for it.
    QString name() const { return encoding.isValid() ? encoding.name() : detectorName; }
};

namespace Karvo {

// How much of a file the charset detector is fed. It never settles on
// single-byte text, so past a few MiB of telling bytes it learns nothing.
struct DetectionLimits
{
    qint64 detectorBytes = 4 << 20; // at least this much; -1: feed it the whole file
    qint64 detectorNonAscii = 16 * 1024; // ... and at least this many non-ASCII bytes
    qint64 detectorMostBytes = 64 << 20; // but never more than this
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

// Reads an open file from where it stands to its end (or until the answer
// is settled) and detects it.
DetectResult detectFile(QFile &file, const DetectionLimits &limits = DetectionLimits());

// The same for a path. Anything that is not a regular file or cannot be
// read gives the default result.
DetectResult detectFileCoding(const QString &path);
DetectResult detectFileCoding(const QString &path, const DetectionLimits &limits);

} // namespace Karvo

#endif
