// Shows a file in the desktop's file manager.
#ifndef KARVO_FILEMANAGER_H
#define KARVO_FILEMANAGER_H

#include <QString>

// Opens the file's folder with the file selected, where the file manager
// offers that over D-Bus (org.freedesktop.FileManager1); otherwise opens the
// folder. A file that is gone still has its folder opened, if that is there.
void showInFileManager(const QString &path);

#endif
