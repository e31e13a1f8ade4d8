#include "catalogue/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

namespace {

// Every seventh part throws, so that workers throw as well as the calling thread. The
// exception must come out of runParts on the calling thread, after every part has ended, and
// leave the pool fit for the next job.
TEST(WorkerPool, APartsExceptionReachesTheCallerOnceEveryPartHasEnded)
{
    WorkerPool& pool = machineWorkerPool();
    constexpr std::size_t Parts = 1000;
    for (int round = 0; round < 20; ++round) {
        std::atomic<std::size_t> ended{0};
        auto work = [&](std::size_t part) {
            ++ended;
            if (part % 7 == 3)
                throw std::runtime_error("part " + std::to_string(part));
        };
        try {
            runEachPart(pool, Parts, work);
            ADD_FAILURE() << "no exception reached the caller";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("part ", 0), 0u);
        }
        if (pool.threadCount() > 1) {
            EXPECT_EQ(ended.load(), Parts);
        }

        std::atomic<std::size_t> calm{0};
        auto count = [&](std::size_t) { ++calm; };
        EXPECT_NO_THROW(runEachPart(pool, Parts, count));
        EXPECT_EQ(calm.load(), Parts);
    }
}

} // namespace
