// The worker pool on std::thread.
#include "catalogue/worker_pool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t MostWorkerThreads = 63;

class ThreadWorkerPool : public WorkerPool {
public:
    explicit ThreadWorkerPool(std::size_t workers)
    {
        for (std::size_t i = 0; i < workers; ++i) {
            try {
                threads_.emplace_back([this]() { serve(); });
            } catch (const std::system_error&) {
                break; // fewer workers: the caller takes what they would have
            }
        }
    }

    ~ThreadWorkerPool() override
    {
        {
            std::lock_guard<std::mutex> held(lock_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
    }

    std::size_t threadCount() const override { return threads_.size() + 1; }

    void runParts(std::size_t parts, PartFunction function, void* context) override
    {
        if (threads_.empty() || parts < 2) {
            InlineWorkerPool().runParts(parts, function, context);
            return;
        }
        PartsJob job;
        {
            std::lock_guard<std::mutex> held(lock_);
            job = claims_.start(parts, function, context);
            job_ = job;
        }
        wake_.notify_all();
        claims_.work(job);
        {
            std::unique_lock<std::mutex> held(lock_);
            finished_.wait(held, [&]() { return claims_.allDone(job); });
        }
        claims_.rethrowFailure();
    }

private:
    void serve()
    {
        std::uint32_t seen = 0;
        for (;;) {
            PartsJob job;
            {
                std::unique_lock<std::mutex> held(lock_);
                wake_.wait(held, [&]() { return stopping_ || job_.number != seen; });
                if (stopping_)
                    return;
                job = job_;
                seen = job.number;
            }
            if (claims_.work(job)) {
                std::lock_guard<std::mutex> held(lock_); // the caller is waiting or about to check
                finished_.notify_one();
            }
        }
    }

    std::mutex lock_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    PartsJob job_;
    bool stopping_ = false;
    PartClaims claims_;
    std::vector<std::thread> threads_;
};

} // namespace

WorkerPool& machineWorkerPool()
{
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    static ThreadWorkerPool pool(std::min(cores - 1, MostWorkerThreads));
    return pool;
}
