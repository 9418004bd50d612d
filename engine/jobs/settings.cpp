#include "settings.h"

#include "qtcompat.h"

namespace Karvo {

namespace {

const QString targetKey = QStringLiteral("target");
const QString saveFolderKey = QStringLiteral("saveFolder");
const QString subfoldersKey = QStringLiteral("subfolders");
const QString undoMaxBytesKey = QStringLiteral("undo/maxBytes");

} // namespace

Settings::Settings()
{
    // The Qt 5 and the Qt 6 build share one settings file.
    useUtf8(settings);
}

Encoding Settings::target() const
{
    const Encoding stored = Encoding::named(settings.value(targetKey).toString());
    return stored.isValid() ? stored : Encoding::utf8();
}

void Settings::setTarget(const Encoding &target)
{
    settings.setValue(targetKey, target.name());
}

QString Settings::saveFolder() const
{
    return settings.value(saveFolderKey).toString();
}

void Settings::setSaveFolder(const QString &folder)
{
    if (folder.isEmpty())
        settings.remove(saveFolderKey);
    else
        settings.setValue(saveFolderKey, folder);
}

bool Settings::subfolders() const
{
    return settings.value(subfoldersKey, false).toBool();
}

void Settings::setSubfolders(bool on)
{
    settings.setValue(subfoldersKey, on);
}

qint64 Settings::undoMaxBytes(qint64 fallback) const
{
    bool ok = false;
    const qint64 bytes = settings.value(undoMaxBytesKey).toLongLong(&ok);
    return ok && bytes >= 0 ? bytes : fallback;
}

} // namespace Karvo
