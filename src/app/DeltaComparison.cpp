#include "app/DeltaComparison.h"

#include "toolkit/Application.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Holds every probe on its thread until all have started (so that the pool
// makes a thread for each) or until the time is up.
struct Probes {
    std::mutex mutex;
    std::condition_variable changed;
    int started = 0;
    bool released = false;
};

}  // namespace

WorkerPool::WorkerPool(int wanted) : pool(std::make_unique<QThreadPool>())
{
    pool->setExpiryTimeout(-1);  // kept: no thread is started after this
    pool->setMaxThreadCount(wanted);
    auto probes = std::make_shared<Probes>();
    for (int t = 0; t < wanted; ++t)
        pool->start([probes, wanted] {
            // Below the window thread: with a worker on every core, the window
            // still gets a core the moment it has something to do.
            (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
            std::unique_lock lock(probes->mutex);
            ++probes->started;
            probes->changed.notify_all();
            probes->changed.wait(lock, [&] { return probes->released || probes->started == wanted; });
        });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    {
        std::unique_lock lock(probes->mutex);
        probes->changed.wait_until(lock, deadline, [&] { return probes->started == wanted; });
        started = probes->started;
        probes->released = true;
        probes->changed.notify_all();
    }
    lostAThread = started < wanted;
    // The probes' threads are back in the pool before any work is given to
    // it: Qt Concurrent adds a thread only where one is free at that moment.
    while (pool->activeThreadCount() > wanted - started && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

WorkerPool::~WorkerPool()
{
    // A thread that never started counts as busy for ever: waiting for the
    // pool would never end, so it is left to the end of the process.
    if (lostAThread)
        (void)pool.release();
}

int DeltaComparison::DefaultThreads() { return std::max(1, QThread::idealThreadCount()); }

DeltaComparison::DeltaComparison(std::function<void()> show, RowFunction row, int threads)
    : show(std::move(show)), row(std::move(row)), threads(threads)
{
    onThisThread.setInterval(0);
    QObject::connect(&onThisThread, &QTimer::timeout, &context, [this] { ComputeNextOnThisThread(); });
}

// The pool then waits for the rows in hand, which hold copies of what they need.
DeltaComparison::~DeltaComparison() { Cancel(); }

QThreadPool* DeltaComparison::Pool()
{
    if (!workers)
        workers = std::make_unique<WorkerPool>(threads);
    return workers->Pool();
}

bool DeltaComparison::Complete() const
{
    return requested && std::all_of(rows.begin(), rows.end(), [](const auto& r) { return r.has_value(); });
}

void DeltaComparison::Cancel()
{
    onThisThread.stop();
    if (!watcher)
        return;
    watcher->cancel();  // rows not yet begun are never computed
    watcher.reset();    // and those in hand never reach the window
}

void DeltaComparison::Request(DeltaSweepInput wanted)
{
    if (requested && wanted == input)
        return;  // "Go!" alone moves only the marker: the table stays
    Cancel();
    input = std::move(wanted);
    requested = true;
    rows.assign(DeltaSweepPoints, std::nullopt);
    show();
    QThreadPool* pool = Pool();
    if (!pool) {
        nextOnThisThread = 0;
        onThisThread.start();
        return;
    }
    watcher = std::make_unique<QFutureWatcher<ErrorNumbers>>();
    QObject::connect(watcher.get(), &QFutureWatcherBase::resultsReadyAt, &context,
                     [this, from = watcher.get()](int begin, int end) { Take(*from, begin, end); });
    watcher->setFuture(QtConcurrent::mapped(pool, order, [row = row, request = input](int position) {
        return row(request, position);
    }));
}

void DeltaComparison::Stop()
{
    Cancel();
    requested = false;
    rows.assign(DeltaSweepPoints, std::nullopt);
    show();
}

void DeltaComparison::Take(const QFutureWatcher<ErrorNumbers>& from, int begin, int end)
{
    for (int k = begin; k < end; ++k)
        rows[static_cast<std::size_t>(order[static_cast<std::size_t>(k)])] = from.resultAt(k);
    ShowWhenHandlersEnd();
}

void DeltaComparison::ShowWhenHandlersEnd()
{
    if (showPending)
        return;
    showPending = true;
    WhenHandlersEnd(&context, [this] {
        showPending = false;
        show();
    });
}

void DeltaComparison::ComputeNextOnThisThread()
{
    if (nextOnThisThread >= order.size()) {
        onThisThread.stop();
        return;
    }
    const int position = order[nextOnThisThread++];
    rows[static_cast<std::size_t>(position)] = row(input, position);
    ShowWhenHandlersEnd();
}

void DeltaComparison::ComputeNow(DeltaSweepInput wanted)
{
    Cancel();
    input = std::move(wanted);
    requested = true;
    rows.assign(DeltaSweepPoints, std::nullopt);
    auto compute = [row = row, request = input](int position) { return row(request, position); };
    if (QThreadPool* pool = Pool()) {
        const QList<ErrorNumbers> results = QtConcurrent::blockingMapped<QList<ErrorNumbers>>(pool, order, compute);
        for (std::size_t k = 0; k < order.size(); ++k)
            rows[static_cast<std::size_t>(order[k])] = results[static_cast<qsizetype>(k)];
    } else {
        for (const int position : order)
            rows[static_cast<std::size_t>(position)] = compute(position);
    }
    show();
}
