// The worker pool on Win32 threads and events (MinGW's standard library has no std::thread here).
#include "catalogue/worker_pool.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "base/lock.h"
#include "base/win/owners.h"

namespace {

constexpr std::size_t MostWorkerThreads = 63;

// Never destroyed: its threads wait for work until the process ends.
class Win32WorkerPool : public WorkerPool {
public:
    explicit Win32WorkerPool(std::size_t workers)
    {
        finished_ = OwnedHandle(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        if (!finished_.valid())
            return;
        workers_.reserve(workers); // the threads hold pointers into it
        for (std::size_t i = 0; i < workers; ++i) {
            OwnedHandle wake(CreateEventA(nullptr, FALSE, FALSE, nullptr));
            if (!wake.valid())
                break;
            workers_.push_back(Worker{this, std::move(wake)});
            const OwnedHandle thread(CreateThread(nullptr, 0, serve, &workers_.back(), 0, nullptr));
            if (!thread.valid()) {
                workers_.pop_back();
                break; // fewer workers: the caller takes what they would have
            }
        }
    }

    std::size_t threadCount() const override { return workers_.size() + 1; }

    void runParts(std::size_t parts, PartFunction function, void* context) override
    {
        if (workers_.empty() || parts < 2) {
            InlineWorkerPool().runParts(parts, function, context);
            return;
        }
        PartsJob job;
        {
            HeldLock held(lock_);
            job = claims_.start(parts, function, context);
            job_ = job;
        }
        for (const Worker& worker : workers_)
            SetEvent(worker.wake.get());
        claims_.work(job);
        // A signal left over from an earlier job only costs one more look.
        while (!claims_.allDone(job))
            WaitForSingleObject(finished_.get(), INFINITE);
        claims_.rethrowFailure();
    }

private:
    struct Worker {
        Win32WorkerPool* pool;
        OwnedHandle wake;
    };

    static DWORD WINAPI serve(LPVOID argument)
    {
        const Worker& worker = *static_cast<const Worker*>(argument);
        Win32WorkerPool& pool = *worker.pool;
        for (;;) {
            WaitForSingleObject(worker.wake.get(), INFINITE);
            PartsJob job;
            {
                HeldLock held(pool.lock_);
                job = pool.job_;
            }
            if (pool.claims_.work(job))
                SetEvent(pool.finished_.get());
        }
    }

    OwnedCriticalSection lock_; // guards only the current job's description
    OwnedHandle finished_;
    std::vector<Worker> workers_;
    PartsJob job_;
    PartClaims claims_;
};

} // namespace

WorkerPool& machineWorkerPool()
{
    static Win32WorkerPool* const pool = []() {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        const std::size_t cores = std::max<std::size_t>(1, system.dwNumberOfProcessors);
        return new Win32WorkerPool(std::min(cores - 1, MostWorkerThreads));
    }();
    return *pool;
}
