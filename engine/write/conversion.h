// Rewriting a file in the target encoding, and copying a file that is
// already in it, through the one writer. Whoever keeps originals (the undo
// store, a backup folder) is asked before anything gives way.
#ifndef KARVO_CONVERSION_H
#define KARVO_CONVERSION_H

#include "detection.h"
#include "encoding.h"
#include "folder.h"
#include "outcome.h"
#include "source.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <sys/stat.h>

namespace Karvo {

// What a write is about to do, for whoever keeps originals.
struct Replacement
{
    QString path; // the destination
    QString name; // the file as the run lists it
    const Folder *folder = nullptr; // holding it, under `entry`
    QByteArray entry;
    bool existing = false; // a file gives way: `existingFd`, read-only (or O_PATH)
    int existingFd = -1;
    struct stat original = {};
    bool inPlace = false; // the file that gives way is the source itself
    bool overwrite = false; // written over, not renamed over: only a copy keeps it
    qint64 newSize = 0;
    qint64 newMtime = 0; // 0 where it is known only after the write
    QByteArray newDigest;
    int ticket = -1; // the keeper's, between keep() and done()
    QString kept; // where keep() put its copy of the original, if it made one
    bool cutShort = false; // the write broke off, and the original could not be put back
};

class Keeper
{
public:
    virtual ~Keeper();
    // Durably notes what is about to happen and keeps what gives way; a
    // failure stops the write before anything changed.
    virtual Outcome keep(Replacement &replacement) = 0;
    // After the write, once keep() agreed: whether the destination changed.
    virtual void done(const Replacement &replacement, bool changed) = 0;
    // Whether keep() makes a copy that survives the original being written
    // over, where its folder takes no new file.
    virtual bool keepsCopies() const = 0;
};

// Holds back the start of the new text to put the target's name where it
// declares an encoding (<meta charset>, encoding="...", a coding cookie):
// left as it was, the declaration would tell every browser, parser and
// editor to read the new bytes in the old encoding, or in whatever it named
// wrongly before. Written in the case it was (an editor may know "utf-8"
// and not "UTF-8"). Only an ASCII-compatible target spells it in bytes
// that can be found so; in UTF-16, say, it stays as it was.
class DeclarationSink : public QIODevice
{
public:
    DeclarationSink(QIODevice &sink, const Encoding &to);

    // Passes on what is held; false where the sink would not take it.
    bool finish();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    // Where detection looks, a KiB of the old text, and what that can grow
    // to in the new.
    static constexpr int heldBytes = 4096;

    bool release();

    QIODevice &sink;
    const Encoding to;
    QByteArray held;
    bool passing = false;
};

// Whether two open files hold the same bytes.
bool sameBytes(int a, int b);

struct WriteOptions
{
    QString name; // the file as the run lists it
    bool inPlace = false; // the destination is the source itself
    bool replaceExisting = false; // a different file at the destination may give way
    bool dryRun = false; // check everything, write nothing
    bool copiesKept = false; // in a dry run, which keeps nothing: whether the real run would keep copies
};

// Converts the open `source`, read from its start, from `from` to `to`,
// into `entry` in `folder`. Nothing is written unless every character
// survives both ways; the destination is replaced atomically and keeps the
// owner, mode bits and extended attributes of the file it replaces; a new
// file takes the source's permission bits and attributes. A symbolic link
// or anything else but a regular file at the destination is refused.
Outcome convert(SourceFile &source, const Encoding &from, const Encoding &to, const Folder &folder,
    const QByteArray &entry, const WriteOptions &options, Keeper *keeper = nullptr);

// Checks a whole conversion in memory and writes nothing.
Outcome check(SourceFile &source, const Encoding &from, const Encoding &to);

// Copies a file that needs no conversion. An existing destination with the
// same bytes counts as done; one with other bytes gives way only with
// `replaceExisting`.
Outcome copy(SourceFile &source, const Folder &folder, const QByteArray &entry, const WriteOptions &options,
    Keeper *keeper = nullptr);

// The same by path, for tools and tests: the destination's folder is the
// one its path names; in place (the same entry) a symbolic link is followed
// on purpose, as a dropped link converts the file it points to.
Outcome convertFile(const QString &sourcePath, const QString &targetPath, const DetectResult &detection,
    const Encoding &target, Keeper *keeper = nullptr);

} // namespace Karvo

#endif
