#include "conversion.h"

#include "regularfile.h"
#include "streaming.h"
#include "transcoder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextCodec>

#include <algorithm>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

// Gives the file being written the owner of the file it replaces; as anyone
// but root this changes nothing or fails, and either is fine.
void keepOwner(QFileDevice &written, const QString &replaced)
{
    struct stat info;
    if (::stat(QFile::encodeName(replaced).constData(), &info) != 0)
        return;
    if (::fchown(written.handle(), info.st_uid, info.st_gid) != 0) {
        // Not ours to give away; the file stays ours.
    }
}

bool copyStream(QIODevice &from, QIODevice &to)
{
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = from.read(buffer.data(), buffer.size())) > 0) {
        if (to.write(buffer.constData(), read) != read)
            return false;
    }
    return read == 0;
}

bool sameBytes(QFile &a, QFile &b)
{
    if (a.size() != b.size())
        return false;
    QByteArray mine(chunkSize, Qt::Uninitialized);
    QByteArray theirs(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = a.read(mine.data(), mine.size())) > 0) {
        if (b.read(theirs.data(), read) != read
            || !std::equal(mine.constData(), mine.constData() + read, theirs.constData()))
            return false;
    }
    return read == 0;
}

// When the destination's folder does not let us create a file beside it but
// the destination itself is writable, the text is converted into a temporary
// file elsewhere first and then written over the destination. That last
// write cannot be atomic; if it fails after a conversion in place, the
// converted text is kept in the temporary file and the message says where.
Outcome convertThroughTemporaryFile(
    QFile &source, const QString &sourcePath, QTextCodec *from, QTextCodec *to, const QString &targetPath)
{
    QTemporaryFile temporary(QDir::tempPath() + QLatin1String("/karvo-XXXXXX"));
    if (!temporary.open())
        return Outcome::failure(
            QStringLiteral("Could not open target file."), withReason(targetPath, temporary.errorString()));
    const Outcome converted = transcode(source, sourcePath, from, to, temporary, temporary.fileName());
    if (!converted.ok)
        return converted;
    const bool inPlace = resolvedPath(sourcePath) == resolvedPath(targetPath);
    source.close();

    QSaveFile target(targetPath);
    target.setDirectWriteFallback(true);
    if (!target.open(QIODevice::WriteOnly))
        return Outcome::failure(
            QStringLiteral("Could not open target file."), withReason(targetPath, target.errorString()));
    if (temporary.seek(0) && copyStream(temporary, target) && target.commit())
        return Outcome::success();

    QString detail = withReason(targetPath, target.errorString());
    if (inPlace) {
        temporary.setAutoRemove(false);
        detail += QLatin1Char('\n')
            + QStringLiteral("The converted text is kept in %1.").arg(nativePath(temporary.fileName()));
    }
    return Outcome::failure(QStringLiteral("Could not write target file."), detail);
}

} // namespace

Outcome convertFile(
    const QString &sourcePath, const QString &targetPath, const DetectResult &detection, const CodecDescriptor &target)
{
    QTextCodec *from = codecForDetection(detection);
    if (!from)
        return Outcome::failure(QStringLiteral("Could not find codec for file."), nativePath(sourcePath));

    QFile source;
    QString reason;
    if (!openRegularFile(source, sourcePath, &reason))
        return Outcome::failure(QStringLiteral("Could not open source file."), withReason(sourcePath, reason));

    // As with detection, the name decides where several codecs share the
    // MIB; catalogue entries always agree with their MIB.
    QTextCodec *to = target.name.isEmpty() ? nullptr : QTextCodec::codecForName(target.name.toLatin1());
    if (!to)
        to = QTextCodec::codecForMib(target.mib);
    if (!to)
        return Outcome::failure(
            QStringLiteral("Could not find codec for the target encoding."), nativePath(sourcePath));

    const QFileInfo existing(targetPath);
    QSaveFile output(targetPath);
    output.setDirectWriteFallback(false);
    if (!output.open(QIODevice::WriteOnly)) {
        if (existing.isFile() && existing.isWritable())
            return convertThroughTemporaryFile(source, sourcePath, from, to, targetPath);
        return Outcome::failure(
            QStringLiteral("Could not open target file."), withReason(targetPath, output.errorString()));
    }

    const Outcome converted = transcode(source, sourcePath, from, to, output, targetPath);
    if (!converted.ok) {
        output.cancelWriting();
        return converted;
    }
    if (existing.exists())
        keepOwner(output, targetPath);
    else
        output.setPermissions(QFileInfo(sourcePath).permissions());
    if (!output.commit())
        return Outcome::failure(
            QStringLiteral("Could not write target file."), withReason(targetPath, output.errorString()));
    return Outcome::success();
}

bool convertFileCoding(const QString &sourcePath, const QString &targetPath, const DetectResult &detection,
    const CodecDescriptor &target, bool showWarnings)
{
    const Outcome outcome = convertFile(sourcePath, targetPath, detection, target);
    if (!outcome.ok && showWarnings)
        showWarning(outcome);
    return outcome.ok;
}

Outcome copyFile(const QString &sourcePath, const QString &targetPath)
{
    // A save folder that is the file's own folder: the file is already there.
    if (resolvedPath(sourcePath) == resolvedPath(targetPath))
        return Outcome::success();

    QFile source;
    QString reason;
    if (!openRegularFile(source, sourcePath, &reason))
        return Outcome::failure(QStringLiteral("Could not open source file."), withReason(sourcePath, reason));

    const QFileInfo existing(targetPath);
    if (existing.exists() || existing.isSymLink()) {
        QFile other;
        if (openRegularFile(other, targetPath) && sameBytes(source, other))
            return Outcome::success();
        return Outcome::failure(QStringLiteral("Could not copy file: a different file of that name is already in "
                                               "the save folder."),
            nativePath(targetPath));
    }

    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly))
        return Outcome::failure(
            QStringLiteral("Could not open target file."), withReason(targetPath, target.errorString()));
    target.setPermissions(QFileInfo(sourcePath).permissions());
    if (!copyStream(source, target) || !target.commit()) {
        target.cancelWriting();
        return Outcome::failure(
            QStringLiteral("Could not write target file."), withReason(targetPath, target.errorString()));
    }
    return Outcome::success();
}

} // namespace Karvo
