#pragma once

#include "analysis/DeltaSweep.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Worker threads below the window thread's priority, for Qt Concurrent. They
// are started once, up front, and kept: Qt's pool loses the work it hands to
// a thread that the system refuses to start, so a refusal is found here, and
// the pool runs with the threads that did start.
class WorkerPool {
public:
    explicit WorkerPool(int wanted);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Nothing when no thread could be started.
    QThreadPool* Pool() const { return started > 0 ? pool.get() : nullptr; }
    int Threads() const { return started; }

private:
    std::unique_ptr<QThreadPool> pool;
    int started = 0;
    bool lostAThread = false;
};

// The Delta comparison in the background: the rows of one request computed
// with Qt Concurrent on the worker pool, and shown as they arrive (once the
// handler that runs has ended). A new request cancels the one under way, and
// replaces its watcher, so that none of its rows is ever shown.
class DeltaComparison {
public:
    using Rows = std::vector<std::optional<ErrorNumbers>>;
    using RowFunction = std::function<ErrorNumbers(const DeltaSweepInput& input, int position)>;

    // `show` is called when rows have arrived; `row` computes one (tests give
    // their own).
    explicit DeltaComparison(std::function<void()> show, RowFunction row = DeltaSweepRow,
                             int threads = DefaultThreads());
    ~DeltaComparison();

    // Starts the comparison of `input`, unless it is the one under way or done.
    void Request(DeltaSweepInput input);
    // No comparison: the one under way is cancelled, and no rows are shown.
    void Stop();
    // The whole comparison of `input` before returning.
    void ComputeNow(DeltaSweepInput input);

    const DeltaSweepInput& Input() const { return input; }
    const Rows& CurrentRows() const { return rows; }
    bool Complete() const;
    // The worker threads that started (none before the first request).
    int Threads() const { return workers ? workers->Threads() : 0; }

    // One worker a core.
    static int DefaultThreads();

private:
    void Cancel();
    void Take(const QFutureWatcher<ErrorNumbers>& from, int begin, int end);
    void ShowWhenHandlersEnd();
    void ComputeNextOnThisThread();

    // What the comparison's connections and deferred calls are tied to: they
    // end with it.
    QObject context;
    std::function<void()> show;
    RowFunction row;
    // Made at the first request, after the windows have first been drawn:
    // where the system allows few threads, Qt's own painting has taken the
    // ones it needs by then.
    std::unique_ptr<WorkerPool> workers;
    int threads;
    QThreadPool* Pool();
    const std::vector<int> order = DeltaSweepOrder();
    DeltaSweepInput input;
    bool requested = false;
    Rows rows = Rows(DeltaSweepPoints);
    // The request under way; its rows arrive through it and no other.
    std::unique_ptr<QFutureWatcher<ErrorNumbers>> watcher;
    bool showPending = false;
    // Without a worker thread the rows are computed here, one an event-loop turn.
    QTimer onThisThread;
    std::size_t nextOnThisThread = 0;
};
