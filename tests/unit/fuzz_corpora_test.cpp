// Every saved input of every fuzz target runs again: the seeds, and the inputs that once
// found a fault (fuzz/regressions), so that no fault comes back unseen.
#include "fuzz_target.h"

#include "base/system_files.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> files;
    if (DIR* directory = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(directory)) {
            if (entry->d_name[0] != '.')
                files.push_back(folder + "/" + entry->d_name);
        }
        closedir(directory);
    }
    return files;
}

void replay(const char* corpus, bool required)
{
    ASSERT_FALSE(fuzzTargets().empty());
    for (const FuzzTarget& target : fuzzTargets()) {
        const std::vector<std::string> files = filesIn(std::string(TANDOR_FUZZ_DIR) + "/" + corpus + "/" + target.name);
        if (required) {
            EXPECT_FALSE(files.empty()) << target.name;
        }
        for (const std::string& file : files) {
            std::string bytes;
            ASSERT_TRUE(readWholeFile(file, bytes)) << file;
            SCOPED_TRACE(file);
            target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        }
    }
}

TEST(FuzzCorpora, SeedsRunCleanly)
{
    replay("corpus", true);
}

TEST(FuzzCorpora, InputsThatFoundFaultsRunCleanly)
{
    replay("regressions", false);
}

} // namespace
