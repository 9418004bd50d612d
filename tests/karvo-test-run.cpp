// A run, or an undo, in a process of its own, for tests that kill it on the
// way: `karvo-test-run STORE [--stop-after CALL:N] PATH...`
// converts the paths to UTF-8 keeping originals in STORE;
// `karvo-test-run STORE --undo ID [--stop-after CALL:N]` undoes run ID.
// --stop-after kills the process (SIGKILL) right after the Nth call of one
// of the writer's system calls, or stops it (SIGSTOP) with --pause-after.
#include "run.h"
#include "systemcalls.h"
#include "undo.h"

#include <QCoreApplication>
#include <QStringList>

#include <atomic>
#include <csignal>
#include <cstdio>

using namespace Karvo;

namespace {

class Stopping : public SystemCalls
{
public:
    Stopping(const QByteArray &call, int nth, int signal)
        : call(call)
        , nth(nth)
        , signal(signal)
    { }

    int fdatasync(int fd) override { return after("fdatasync", SystemCalls::fdatasync(fd)); }
    int fsync(int fd) override { return after("fsync", SystemCalls::fsync(fd)); }
    int renameat2(int a, const char *from, int b, const char *to, unsigned flags) override
    {
        return after("renameat2", SystemCalls::renameat2(a, from, b, to, flags));
    }
    int linkat(int a, const char *from, int b, const char *to, int flags) override
    {
        return after("linkat", SystemCalls::linkat(a, from, b, to, flags));
    }

private:
    int after(const char *name, int result)
    {
        if (call == name && ++seen == nth)
            ::raise(signal);
        return result;
    }

    const QByteArray call;
    const int nth;
    const int signal;
    std::atomic<int> seen {0};
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    RunOptions options;
    options.keepOriginals = true;
    options.overwrite = true;
    options.threads = 4;
    options.undoFolder = args.takeFirst();
    QString undoId;
    std::unique_ptr<Stopping> stopping;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--undo"))
            undoId = value;
        else
            stopping = std::make_unique<Stopping>(value.section(QLatin1Char(':'), 0, 0).toLatin1(),
                value.section(QLatin1Char(':'), 1).toInt(),
                option == QLatin1String("--pause-after") ? SIGSTOP : SIGKILL);
    }
    setSystemCalls(stopping.get());

    if (!undoId.isEmpty()) {
        Undo undo(UndoStore(options.undoFolder), undoId);
        QObject::connect(&undo, &Undo::finished, &app, &QCoreApplication::quit);
        undo.start();
        app.exec();
        return undo.wasBusy() ? 3 : 0;
    }
    Run run(options);
    QObject::connect(&run, &Run::walked, [&] { run.process(run.files()); });
    QObject::connect(&run, &Run::finished, &app, &QCoreApplication::quit);
    run.walk(args);
    app.exec();
    std::printf("%s\n", qPrintable(run.undoRunId()));
    return 0;
}
