#include "conversion.h"

#include "destination.h"
#include "regularfile.h"
#include "streaming.h"
#include "transcoder.h"

#include <algorithm>

namespace Karvo {

namespace {

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

} // namespace

Outcome convertFile(const QString &sourcePath, const QString &targetPath, const DetectResult &detection,
    const Encoding &target, const BeforeReplace &beforeReplace)
{
    if (!detection.encoding.isValid()) {
        Outcome unknown = Outcome::failed(Failure::UnknownEncoding);
        unknown.encoding = detection.detectorName;
        return unknown;
    }

    QFile source;
    Outcome opened = openRegularFile(source, sourcePath);
    if (!opened.ok())
        return opened;

    if (!target.isValid())
        return Outcome::failed(Failure::UnknownEncoding);

    Destination destination(sourcePath, targetPath, Destination::Existing::Replace);
    Outcome outcome = destination.check();
    if (outcome.ok())
        outcome = destination.open();
    if (outcome.ok())
        outcome = transcode(source, detection.encoding, target, destination.file());
    if (outcome.ok())
        outcome = destination.commit(beforeReplace);
    return outcome;
}

Outcome copyFile(const QString &sourcePath, const QString &targetPath, const BeforeReplace &beforeReplace)
{
    // A save folder that is the file's own folder: the file is already there.
    if (sameEntry(sourcePath, targetPath))
        return Outcome::success();

    QFile source;
    Outcome outcome = openRegularFile(source, sourcePath);
    if (!outcome.ok())
        return outcome;

    Destination destination(sourcePath, targetPath, Destination::Existing::Keep);
    outcome = destination.check();
    if (!outcome.ok())
        return outcome;
    if (destination.exists()) {
        QFile other;
        if (openRegularFile(other, targetPath).ok() && sameBytes(source, other))
            return Outcome::success();
        return Outcome::failed(Failure::DestinationExists, 0, targetPath);
    }
    outcome = destination.open();
    if (!outcome.ok())
        return outcome;
    if (!copyStream(source, destination.file()))
        return Outcome::writeError(errno, targetPath);
    return destination.commit(beforeReplace);
}

} // namespace Karvo
