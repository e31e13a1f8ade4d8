// The worker pool on Win32 threads and events (MinGW's standard library has no std::thread here).
#include "catalogue/worker_pool.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t MostWorkerThreads = 63;

// The pool's lock guards only the current job's description.
class HeldSection {
public:
    explicit HeldSection(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~HeldSection() { LeaveCriticalSection(&section_); }
    HeldSection(const HeldSection&) = delete;
    HeldSection& operator=(const HeldSection&) = delete;

private:
    CRITICAL_SECTION& section_;
};

// Never destroyed: its threads wait for work until the process ends.
class Win32WorkerPool : public WorkerPool {
public:
    explicit Win32WorkerPool(std::size_t workers)
    {
        InitializeCriticalSection(&lock_);
        finished_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (finished_ == nullptr)
            return;
        workers_.reserve(workers); // the threads hold pointers into it
        for (std::size_t i = 0; i < workers; ++i) {
            HANDLE wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
            if (wake == nullptr)
                break;
            workers_.push_back(Worker{this, wake});
            HANDLE thread = CreateThread(nullptr, 0, serve, &workers_.back(), 0, nullptr);
            if (thread == nullptr) {
                workers_.pop_back();
                CloseHandle(wake);
                break; // fewer workers: the caller takes what they would have
            }
            CloseHandle(thread);
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
            HeldSection held(lock_);
            job = claims_.start(parts, function, context);
            job_ = job;
        }
        for (const Worker& worker : workers_)
            SetEvent(worker.wake);
        claims_.work(job);
        // A signal left over from an earlier job only costs one more look.
        while (!claims_.allDone(job))
            WaitForSingleObject(finished_, INFINITE);
        claims_.rethrowFailure();
    }

private:
    struct Worker {
        Win32WorkerPool* pool;
        HANDLE wake;
    };

    static DWORD WINAPI serve(LPVOID argument)
    {
        const Worker& worker = *static_cast<const Worker*>(argument);
        Win32WorkerPool& pool = *worker.pool;
        for (;;) {
            WaitForSingleObject(worker.wake, INFINITE);
            PartsJob job;
            {
                HeldSection held(pool.lock_);
                job = pool.job_;
            }
            if (pool.claims_.work(job))
                SetEvent(pool.finished_);
        }
    }

    CRITICAL_SECTION lock_;
    HANDLE finished_ = nullptr;
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
