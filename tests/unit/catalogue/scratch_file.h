// A file name of its own under the test temporary folder, removed when the test ends.
#pragma once

#include "base/system_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

class ScratchFile {
public:
    explicit ScratchFile(const std::string& stem)
        : path_(testing::TempDir() + "tandor-" + stem + "-" + std::to_string(getpid()) + "-" +
                std::to_string(counter()++))
    {
        std::remove(path_.c_str());
    }
    ~ScratchFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

    void write(const std::string& bytes) const
    {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::string read() const
    {
        std::string bytes;
        readWholeFile(path_, bytes);
        return bytes;
    }

private:
    static int& counter()
    {
        static int value = 0;
        return value;
    }
    std::string path_;
};
