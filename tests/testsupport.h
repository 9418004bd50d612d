// Small helpers that several test executables share.
#ifndef KARVO_TESTSUPPORT_H
#define KARVO_TESTSUPPORT_H

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtGlobal>

#include <unistd.h>

inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
}

inline QByteArray gb18030(const QString &text)
{
    return encoded("GB18030", text);
}

// The start of an executable: binary, whatever else it might pass for.
inline QByteArray elfHeader()
{
    return QByteArray::fromHex("7f454c4602010100000000000000000003003e0001000000");
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isDir()       ? QByteArray("<folder>")
        : file.open(QIODevice::ReadOnly) ? file.readAll()
                                         : QByteArray("<missing>");
}

// A temporary folder to make files in; names are below it unless absolute.
struct Scratch
{
    QTemporaryDir dir;
    QString path(const QString &name) const { return name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name); }
    // Makes the folders on the way too.
    QString file(const QString &name, const QByteArray &bytes)
    {
        QDir(dir.path()).mkpath(QFileInfo(path(name)).path());
        return writeFile(path(name), bytes);
    }
    QString folder(const QString &name)
    {
        QDir(dir.path()).mkpath(name);
        return path(name);
    }
    QByteArray bytes(const QString &name) const { return contents(path(name)); }
    QStringList names(const QString &folder = QString()) const
    {
        return QDir(path(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
};

inline bool hardLink(const QString &target, const QString &name)
{
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()) == 0;
}

// Qt's permission flags, four bits for each of owner, user, group and other.
inline QFileDevice::Permissions permissions(int flags)
{
    return QFileDevice::Permissions(flags);
}

#endif
