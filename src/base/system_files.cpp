#include "base/system_files.h"

#include <cstdio>

bool fileExists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

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

namespace {

std::string unfinishedSavePath(const std::string& path)
{
    return path + UnfinishedSaveSuffix;
}

} // namespace

bool replaceFileAtomically(const std::string& path, const std::string& contents, std::string* failure)
{
    const std::string temporary = unfinishedSavePath(path);
    if (!writeFileDurably(temporary, contents.data(), contents.size(), failure) ||
        !moveFileReplacing(temporary, path, failure)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void discardUnfinishedSave(const std::string& path)
{
    std::remove(unfinishedSavePath(path).c_str());
}
