// Work split into parts that run at once on every core. The threads are started once and reused
// by every call, so a keystroke pays for waking them, not for starting them.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <utility>

using PartFunction = void (*)(void* context, std::size_t part);

class WorkerPool {
public:
    virtual ~WorkerPool() = default;
    // The threads that take parts, the calling one included.
    virtual std::size_t threadCount() const = 0;
    // Calls function(context, part) once for every part below `parts`, on the calling thread and
    // the workers, and returns when every part is done. Parts are taken in order by whichever
    // thread is free, so a worker that a busy machine leaves waiting delays nothing it has not taken.
    // An exception leaving a part is caught on its thread, and the first one is thrown again on
    // the calling thread once no part runs any more: the work's context outlives every part.
    virtual void runParts(std::size_t parts, PartFunction function, void* context) = 0;
};

template <typename Work>
void runEachPart(WorkerPool& pool, std::size_t parts, Work& work)
{
    pool.runParts(parts, [](void* context, std::size_t part) { (*static_cast<Work*>(context))(part); }, &work);
}

// The process's pool, started at first use: one worker per further core. With one core, or when
// no thread can be started, the calling thread does every part itself.
WorkerPool& machineWorkerPool();

// Runs every part on the calling thread, in order: for one core, and for tests. A part's
// exception goes straight to the caller, and the parts after it are not run.
class InlineWorkerPool : public WorkerPool {
public:
    std::size_t threadCount() const override { return 1; }
    void runParts(std::size_t parts, PartFunction function, void* context) override
    {
        for (std::size_t part = 0; part < parts; ++part)
            function(context, part);
    }
};

// What the pool implementations share: which parts of the current job are taken and how many
// are done. Every job has a number, and a claim names it, so a worker that wakes late for a
// finished job takes nothing of the next one.
struct PartsJob {
    std::uint32_t number = 0;
    std::uint32_t parts = 0;
    PartFunction function = nullptr;
    void* context = nullptr;
};

class PartClaims {
public:
    // Starts the next job. Called only while no part of the previous one is unfinished.
    PartsJob start(std::size_t parts, PartFunction function, void* context)
    {
        PartsJob job;
        job.number = ++number_;
        job.parts = static_cast<std::uint32_t>(parts);
        job.function = function;
        job.context = context;
        done_.store(0, std::memory_order_relaxed);
        failed_.store(false, std::memory_order_relaxed);
        failure_ = nullptr;
        next_.store(static_cast<std::uint64_t>(job.number) << 32, std::memory_order_release);
        return job;
    }

    // Runs parts of `job` until none is left to take; true when this call finished its last part.
    bool work(const PartsJob& job)
    {
        const std::uint64_t ours = static_cast<std::uint64_t>(job.number) << 32;
        std::uint64_t claim = next_.load(std::memory_order_acquire);
        bool finishedLast = false;
        for (;;) {
            if ((claim & ~PartMask) != ours || (claim & PartMask) >= job.parts)
                return finishedLast;
            if (!next_.compare_exchange_weak(claim, claim + 1, std::memory_order_acq_rel))
                continue;
            runPart(job, static_cast<std::size_t>(claim & PartMask));
            finishedLast = done_.fetch_add(1, std::memory_order_acq_rel) + 1 == job.parts;
            claim = next_.load(std::memory_order_acquire);
        }
    }

    bool allDone(const PartsJob& job) const { return done_.load(std::memory_order_acquire) == job.parts; }

    // Once every part is done: throws the first exception a part let out, on the calling thread.
    void rethrowFailure()
    {
        if (failure_ != nullptr)
            std::rethrow_exception(std::exchange(failure_, nullptr));
    }

private:
    // An exception must not leave a worker's thread, which would end the program; the part
    // still counts as done, so the caller's wait ends.
    void runPart(const PartsJob& job, std::size_t part)
    {
        try {
            job.function(job.context, part);
        } catch (...) {
            // Written before this part is counted done, read after the caller saw every part done.
            if (!failed_.exchange(true, std::memory_order_relaxed))
                failure_ = std::current_exception();
        }
    }

    static constexpr std::uint64_t PartMask = 0xFFFFFFFFull;
    // Job number in the high half, next part in the low half.
    std::atomic<std::uint64_t> next_{0};
    std::atomic<std::uint32_t> done_{0};
    std::atomic<bool> failed_{false};
    std::exception_ptr failure_;
    std::uint32_t number_ = 0;
};
