// What every long task of Karvo's has in common: a pool of worker threads,
// a list of items worked through in order, progress several times a
// second, cancelling between items, and one finished() at the end. Run and
// Undo are jobs; the worker loop knows nothing of what they do.
//
// Threads: prepare, the items and conclude run on the pool; the signals
// and itemsFinished() arrive on the thread the job lives on.
#ifndef KARVO_JOB_H
#define KARVO_JOB_H

#include <QAtomicInt>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QVector>

#include <functional>

namespace Karvo {

class Job : public QObject
{
    Q_OBJECT

public:
    ~Job() override; // cancels, and waits for the items begun

    // Stops between items: an item begun is finished, the rest are not
    // begun.
    void cancel() { cancelled.storeRelaxed(1); }
    bool isCancelled() const { return cancelled.loadRelaxed() != 0; }
    int total() const { return itemCount; }

signals:
    void progress(int done, int total, const QString &current);
    void finished();

protected:
    explicit Job(int threads, QObject *parent);

    struct Steps
    {
        std::function<int()> prepare; // how many items there are; on the pool
        std::function<void(int)> item; // one item; on up to `workers` threads at once
        std::function<QString(int)> name; // the item, for progress
        std::function<void()> conclude; // after the last item, or the cancel; on the pool
        int workers = 1;
    };
    void start(Steps steps);

    // The items done since the last call, in the order they were done.
    virtual void itemsFinished(const QVector<int> &items);

    // Runs `work` on the pool, then `then` on the job's thread.
    void inBackground(std::function<void()> work, std::function<void()> then);

    QThreadPool pool;

private:
    void report();
    void workerDone();

    Steps steps;
    QTimer reportTimer;
    QAtomicInt cancelled;
    QAtomicInt next;
    int itemCount = 0;
    int workers = 0;
    int reported = 0;
    mutable QMutex mutex; // guards what follows, shared with the workers
    QVector<int> doneOrder; // done since the last report
    QString current;
};

} // namespace Karvo

#endif
