// What the tests of the writer, runs and undos share: system calls that
// fail on cue, and whole runs and undos waited for.
#ifndef KARVO_JOBSUPPORT_H
#define KARVO_JOBSUPPORT_H

#include "run.h"
#include "systemcalls.h"
#include "undo.h"

#include <QSignalSpy>

#include <atomic>
#include <functional>

#include <fcntl.h>

// Fails, or acts at, the nth call of one system call; every other call is
// the system's own.
class Faults : public Karvo::SystemCalls
{
public:
    Faults(const char *call, int error, int nth = 1, std::function<void()> act = {})
        : call(call)
        , error(error)
        , nth(nth)
        , act(std::move(act))
    {
        Karvo::setSystemCalls(this);
    }
    ~Faults() override { Karvo::setSystemCalls(nullptr); }

    int openat(int folder, const char *name, int flags, mode_t mode) override
    {
        return (flags & O_CREAT) && hit("openat") ? -1 : SystemCalls::openat(folder, name, flags, mode);
    }
    ssize_t write(int fd, const void *data, size_t size) override
    {
        return hit("write") ? -1 : SystemCalls::write(fd, data, size);
    }
    int fdatasync(int fd) override { return hit("fdatasync") ? -1 : SystemCalls::fdatasync(fd); }
    int fsync(int fd) override { return hit("fsync") ? -1 : SystemCalls::fsync(fd); }
    int renameat2(int a, const char *from, int b, const char *to, unsigned flags) override
    {
        return hit("renameat2") ? -1 : SystemCalls::renameat2(a, from, b, to, flags);
    }
    int mkdirat(int folder, const char *name, mode_t mode) override
    {
        return hit("mkdirat") ? -1 : SystemCalls::mkdirat(folder, name, mode);
    }
    int fchmod(int fd, mode_t mode) override { return hit("fchmod") ? -1 : SystemCalls::fchmod(fd, mode); }
    int fchown(int fd, uid_t owner, gid_t group) override
    {
        return hit("fchown") ? -1 : SystemCalls::fchown(fd, owner, group);
    }
    int fsetxattr(int fd, const char *name, const void *value, size_t size, int flags) override
    {
        return hit("fsetxattr") ? -1 : SystemCalls::fsetxattr(fd, name, value, size, flags);
    }
    int fremovexattr(int fd, const char *name) override
    {
        return hit("fremovexattr") ? -1 : SystemCalls::fremovexattr(fd, name);
    }

    std::atomic<int> seen {0};

private:
    // True when this call is to fail; an action runs instead where there is one.
    bool hit(const char *name)
    {
        if (call != name || ++seen != nth)
            return false;
        if (act) {
            act();
            return false;
        }
        errno = error;
        return true;
    }

    const QByteArray call;
    const int error;
    const int nth;
    const std::function<void()> act;
};

// A run into UTF-8 that keeps what it replaces in `store`, for Undo.
inline Karvo::RunOptions keeping(const QString &store, const QString &saveFolder = QString())
{
    Karvo::RunOptions options;
    options.keepOriginals = true;
    options.overwrite = true;
    options.undoFolder = store;
    options.saveFolder = saveFolder;
    return options;
}

// A whole run on the pool, from walk to finish.
inline QList<Karvo::FileResult> runAll(Karvo::Run &run, const QStringList &paths)
{
    QSignalSpy finished(&run, &Karvo::Run::finished);
    QObject::connect(&run, &Karvo::Run::walked, &run, [&run] { run.process(run.files()); });
    run.walk(paths);
    if (!finished.wait(60000))
        qFatal("the run did not finish");
    return run.results();
}

// A whole undo of the run `id` in `store`, cancelled as soon as it starts if
// asked; `busy` tells whether it found the run still going.
inline QList<Karvo::UndoResult> undoAll(
    const QString &store, const QString &id, bool cancel = false, bool *busy = nullptr)
{
    Karvo::Undo undo(Karvo::UndoStore(store), id);
    QSignalSpy finished(&undo, &Karvo::Undo::finished);
    undo.start();
    if (cancel)
        undo.cancel();
    if (!finished.wait(60000))
        qFatal("the undo did not finish");
    if (busy)
        *busy = undo.wasBusy();
    return undo.results();
}

#endif
