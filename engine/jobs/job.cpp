#include "job.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QRunnable>

namespace Karvo {

Job::Job(int threads, QObject *parent)
    : QObject(parent)
{
    pool.setMaxThreadCount(threads);
    // Workers post nothing per item: a timer here reports what they did, so
    // that thousands of small files cannot flood this thread's event queue
    // and freeze a window.
    reportTimer.setInterval(50);
    connect(&reportTimer, &QTimer::timeout, this, &Job::report);
}

Job::~Job()
{
    cancel();
    pool.waitForDone();
}

void Job::itemsFinished(const QVector<int> &) { }

void Job::inBackground(std::function<void()> work, std::function<void()> then)
{
    pool.start(QRunnable::create([this, work, then] {
        work();
        QMetaObject::invokeMethod(this, then, Qt::QueuedConnection);
    }));
}

void Job::start(Steps jobSteps)
{
    steps = std::move(jobSteps);
    reported = 0;
    next.storeRelaxed(0);
    inBackground([this] { itemCount = steps.prepare ? steps.prepare() : 0; },
        [this] {
            emit progress(0, itemCount, QString());
            workers = qMax(1, qMin(steps.workers, itemCount));
            reportTimer.start();
            for (int w = 0; w < workers; ++w) {
                pool.start(QRunnable::create([this] {
                    while (!isCancelled()) {
                        const int index = next.fetchAndAddRelaxed(1);
                        if (index >= itemCount)
                            break;
                        if (steps.name) {
                            const QString name = steps.name(index);
                            QMutexLocker lock(&mutex);
                            current = name;
                        }
                        steps.item(index);
                        QMutexLocker lock(&mutex);
                        doneOrder.append(index);
                    }
                    QMetaObject::invokeMethod(this, &Job::workerDone, Qt::QueuedConnection);
                }));
            }
        });
}

void Job::report()
{
    QVector<int> done;
    QString name;
    {
        QMutexLocker lock(&mutex);
        done.swap(doneOrder);
        name = current;
    }
    reported += done.size();
    if (!done.isEmpty())
        itemsFinished(done);
    emit progress(reported, itemCount, name);
}

void Job::workerDone()
{
    // Every worker files its item before it says it is done, so once the
    // last one has, the report is complete.
    if (--workers > 0)
        return;
    reportTimer.stop();
    report();
    inBackground(
        [this] {
            if (steps.conclude)
                steps.conclude();
        },
        [this] {
            emit finished();
        });
}

} // namespace Karvo
