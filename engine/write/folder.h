// Folders held open as descriptors. A name is looked up relative to the
// folder that holds it, so a link swapped in somewhere along a path cannot
// send a write elsewhere: below a save folder, every folder is opened
// without following links.
#ifndef KARVO_FOLDER_H
#define KARVO_FOLDER_H

#include "outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace Karvo {

class Folder
{
public:
    Folder() = default;
    ~Folder();
    Folder(Folder &&other) noexcept;
    Folder &operator=(Folder &&other) noexcept;
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    // Opens the folder a person named, following the links in its path.
    static Outcome open(const QString &path, Folder &folder);

    // Opens the folder `relative` below this one, one name at a time and
    // never through a link; with `create`, makes the names that are missing
    // (listed in `created`). A link anywhere on the way is refused, not
    // followed.
    Outcome openBelow(const QString &relative, bool create, Folder &below, QStringList *created = nullptr) const;

    bool isOpen() const { return descriptor >= 0; }
    int fd() const { return descriptor; }
    const QString &path() const { return where; } // for people and records
    dev_t device() const { return dev; }
    ino_t inode() const { return ino; }

    // The path of `name` in this folder, for people and records.
    QString pathOf(const QByteArray &name) const;

    // Removes what a Karvo process that is no longer running left in this
    // folder (temporary files of a write it never finished), once per
    // folder and process, a folder made where one was swept being another;
    // other processes' files, and anything else, stay.
    void removeLeftovers() const;

private:
    Folder(int fd, const QString &path);

    int descriptor = -1;
    QString where;
    dev_t dev = 0;
    ino_t ino = 0;
};

// A name for a temporary file of this process: it says which process made
// it, so that another run can tell a leftover from a write still going.
QByteArray temporaryName();

// Whether two paths name one entry: the same name in the same folder, however
// the folder is reached (through links, or mounted twice). Two hard links
// are two entries: replacing the file under one leaves the other as it was.
bool sameEntry(const QString &a, const QString &b);

} // namespace Karvo

#endif
