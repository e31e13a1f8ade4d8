#include "shell/system_files.h"

#include <cstdio>

bool readWholeFile(const std::string& path, std::string& contents)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    contents.clear();
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        contents.append(chunk, got);
    std::fclose(file);
    return true;
}

bool appendToFile(const std::string& path, const std::string& contents)
{
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    return std::fclose(file) == 0 && ok;
}

// Implemented per platform: moving a finished file over another one.
bool moveFileReplacing(const std::string& from, const std::string& to);

bool replaceFileAtomically(const std::string& path, const std::string& contents)
{
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok || !moveFileReplacing(temporary, path)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
