// Writing a file's new bytes safely: into a temporary file made beside the
// destination, renamed over it only once everything is written and synced,
// so that the destination is either untouched or complete. Nothing that is
// not a regular file at a destination other than the source (a symbolic
// link above all) is ever written through or replaced.
#ifndef KARVO_DESTINATION_H
#define KARVO_DESTINATION_H

#include "outcome.h"

#include <QFile>
#include <QString>
#include <QTemporaryFile>

#include <functional>
#include <memory>

#include <sys/stat.h>

namespace Karvo {

// Called with the path of an existing file just before it is replaced;
// returning false abandons the write and leaves everything as it was.
using BeforeReplace = std::function<bool(const QString &existingPath)>;

// True when the two paths name the same entry of the same folder (the
// folders may be reached through symbolic links; the names are not followed).
bool sameEntry(const QString &a, const QString &b);

class Destination
{
public:
    enum class Existing {
        Replace, // a conversion: an existing regular file is replaced
        Keep, // a copy: an existing file is never replaced
    };

    // Writing the text of `sourcePath` to `targetPath`. In place (the same
    // entry) a symbolic link is followed on purpose: a dropped link converts
    // the file it points to.
    Destination(const QString &sourcePath, const QString &targetPath, Existing existing);
    ~Destination();
    Destination(const Destination &) = delete;
    Destination &operator=(const Destination &) = delete;

    // Looks at what is at the destination now; fails for a symbolic link or
    // anything else but a regular file, and for a read-only file to replace.
    Outcome check();
    bool exists() const { return existing; }

    // Creates the temporary file to write into. Where the folder allows no
    // new file but the existing destination is writable, the temporary file
    // is made elsewhere and commit() writes over the destination instead:
    // not atomic, but the only way left.
    Outcome open();
    QFile &file();

    // Syncs the text, gives it the owner and mode bits it should have and
    // puts it in place; the outcome says whether an existing file gave way.
    Outcome commit(const BeforeReplace &beforeReplace);

private:
    Outcome writeOver(const BeforeReplace &beforeReplace);
    void keepOwnerAndMode(int fd) const;

    const QString sourcePath;
    const QString targetPath; // as the caller named it, for messages
    QString path; // what is written: in place, after symbolic links
    const Existing mode;
    bool existing = false;
    struct stat old = {}; // the file being replaced
    mode_t sourceMode = 0;
    int existingFd = -1; // the destination opened for writing, when it exists
    QByteArray temporaryName;
    QFile temporary;
    std::unique_ptr<QTemporaryFile> elsewhere; // when the folder allows no new file
};

} // namespace Karvo

#endif
