// What Karvo remembers between starts, typed: the target, the save folder,
// the subfolder toggle and the undo store's limit. The keys live here and
// nowhere else, so the window and the engine cannot drift apart on them.
#ifndef KARVO_SETTINGS_H
#define KARVO_SETTINGS_H

#include "encoding.h"

#include <QSettings>
#include <QString>

namespace Karvo {

class Settings
{
public:
    // The application's own settings (organisation and application name).
    Settings();

    // UTF-8 when nothing is stored or the stored name no longer names a codec.
    Encoding target() const;
    void setTarget(const Encoding &target);

    // Empty: files are replaced in place. The folder may be gone by now.
    QString saveFolder() const;
    void setSaveFolder(const QString &folder);

    bool subfolders() const;
    void setSubfolders(bool on);

    // How much the undo store may keep; `fallback` when unset or not a size.
    qint64 undoMaxBytes(qint64 fallback) const;

private:
    mutable QSettings settings;
};

} // namespace Karvo

#endif
