#include "filter.h"

#include "commandline.h"
#include "conversion.h"
#include "detection.h"
#include "report.h"
#include "terminal.h"
#include "transcoder.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

class Filter
{
    Q_DECLARE_TR_FUNCTIONS(Karvo::Filter)
};

// How much of a stream is read before its encoding is decided.
constexpr qint64 streamHead = 1 << 20;

bool fail(const QString &name, const QString &message)
{
    const QByteArray bytes = QStringLiteral("karvo: %1: %2\n").arg(terminalSafe(name), message).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return false;
}

// Text that did not reach its reader (a full disk) is lost as a report is.
int outputLost(int error)
{
    fail(Filter::tr("standard output"), systemReason(error));
    return ExitReportLost;
}

// Reads up to `size` bytes, as many as come before the end.
qint64 readFully(int fd, char *data, qint64 size)
{
    qint64 filled = 0;
    while (filled < size) {
        const ssize_t read = ::read(fd, data + filled, size_t(size - filled));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return -1;
        if (read == 0)
            break;
        filled += read;
    }
    return filled;
}

// The encoding to read `fd` in. A regular file is detected whole from where
// it stands, exactly as a run would detect it; a stream from its first MiB,
// kept in `head` to be converted first. False, after saying why, when the
// input is no text to convert as it is.
bool decide(int fd, const QString &name, const Encoding &forced, QByteArray &head, Encoding &encoding, bool &empty)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return fail(name, systemReason(errno));
    if (S_ISDIR(info.st_mode))
        return fail(name, systemReason(EISDIR));

    DetectResult result;
    const off_t start = S_ISREG(info.st_mode) ? ::lseek(fd, 0, SEEK_CUR) : off_t(-1);
    if (start >= 0) {
        QFile file;
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return fail(name, file.errorString());
        result = detectFile(file);
        file.close();
        if (::lseek(fd, start, SEEK_SET) != start)
            return fail(name, systemReason(errno));
        // Not by its size: /proc and /sys say 0 and hold text.
        empty = result.kind == DetectResult::Kind::Empty;
    } else {
        // With the encoding given, there is nothing to wait for: a slow
        // writer's lines go through as they come.
        if (forced.isValid()) {
            encoding = forced;
            return true;
        }
        head.resize(int(streamHead));
        const qint64 read = readFully(fd, head.data(), head.size());
        if (read < 0)
            return fail(name, systemReason(errno));
        head.truncate(int(read));
        empty = head.isEmpty();
        Detector detector;
        detector.feed(head.constData(), head.size());
        result = detector.finish(read < streamHead);
    }
    if (empty)
        return true;
    if (result.kind == DetectResult::Kind::Binary)
        return fail(name, Filter::tr("not a text file; nothing was written"));
    if (forced.isValid()) {
        encoding = forced;
        return true;
    }
    if (!result.encoding.isValid())
        return fail(name, Filter::tr("the encoding is unknown; name it with --force-encoding"));
    if (result.doubtful) {
        QStringList candidates;
        for (const DetectResult::Candidate &candidate : qAsConst(result.candidates))
            candidates.append(candidate.encoding.name());
        //: %1 lists the encodings the text may be in
        return fail(name,
            Filter::tr("the encoding is uncertain (perhaps %1); name it with --force-encoding")
                .arg(candidates.join(QStringLiteral(", "))));
    }
    encoding = result.encoding;
    return true;
}

// Returns the exit code: the text could not be converted to the end, or
// standard output could not take it.
int convert(int fd, const QString &name, const Encoding &target, const Encoding &forced, QFile &out)
{
    QByteArray head;
    Encoding encoding;
    bool empty = false;
    if (!decide(fd, name, forced, head, encoding, empty))
        return ExitSomeFailed;
    if (empty)
        return ExitDone;
    // UTF-8 read and written again would lose its byte-order mark; a file
    // already in the target comes out as it went in.
    if (encoding.isUtf8() && target.isUtf8()) {
        // A stream whose encoding was named has not been read ahead.
        if (head.isEmpty() && ::lseek(fd, 0, SEEK_CUR) < 0) {
            head.resize(3);
            const qint64 read = readFully(fd, head.data(), head.size());
            if (read < 0) {
                fail(name, systemReason(errno));
                return ExitSomeFailed;
            }
            head.truncate(int(read));
        }
        char mark[3];
        const bool stream = !head.isEmpty();
        const qint64 read = stream ? qMin(3, head.size()) : ::pread(fd, mark, 3, ::lseek(fd, 0, SEEK_CUR));
        const QByteArray start = stream ? head.left(3) : QByteArray(mark, int(qMax<qint64>(0, read)));
        if (start == "\xEF\xBB\xBF" && out.write(start) != 3)
            return outputLost(errno);
    }
    // The old encoding's name in the text (a coding cookie, <meta charset>)
    // would have its readers read the new bytes wrong, as in a converted
    // file. A stream whose encoding was named goes through as it comes, a
    // line at a time, and is not held back for it.
    const bool heldBack = !forced.isValid() || ::lseek(fd, 0, SEEK_CUR) >= 0;
    DeclarationSink declared(out, target);
    // What the first MiB of a stream was judged on may not be all there is.
    const Outcome outcome = transcodeStream(
        fd, head, encoding, target, heldBack ? static_cast<QIODevice &>(declared) : out, head.size() == streamHead);
    // The text before a failure is written as well.
    if (heldBack && !declared.finish() && outcome.ok())
        return outputLost(errno);
    if (outcome.ok())
        return ExitDone;
    if (outcome.failure == Failure::CannotWrite || outcome.failure == Failure::NoSpace
        || outcome.failure == Failure::PermissionDenied)
        return outputLost(outcome.error);
    if (outcome.failure == Failure::CannotRead)
        fail(name, systemReason(outcome.error));
    else
        //: after the reason a conversion stopped; standard output holds the text before it
        fail(name, describe(outcome) + QLatin1Char(' ') + Filter::tr("The output stops before that point."));
    return ExitSomeFailed;
}

} // namespace

int runFilter(const QStringList &paths, const Encoding &target, const Encoding &source)
{
    QFile out;
    // Unbuffered: every byte handed over is written before the next read,
    // so a failure leaves exactly what came before it.
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        fail(Filter::tr("standard output"), out.errorString());
        return ExitSomeFailed;
    }
    const QList<QByteArray> native = nativeArguments(paths);
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        int code = ExitDone;
        if (path == QLatin1String("-")) {
            // Fewer, larger reads from a pipe, and a writer that waits less.
            ::fcntl(STDIN_FILENO, F_SETPIPE_SZ, 1 << 20);
            code = convert(STDIN_FILENO, Filter::tr("standard input"), target, source, out);
        } else {
            const int fd = ::open(native.at(i).constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                fail(path, systemReason(errno));
                return ExitSomeFailed;
            }
            code = convert(fd, path, target, source, out);
            ::close(fd);
        }
        if (code != ExitDone)
            return code;
    }
    return ExitDone;
}

} // namespace Karvo
