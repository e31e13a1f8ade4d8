#include "names_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool readWhole(const std::string& path, std::unique_ptr<char[]>& owned, std::size_t& size)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    // One read into a buffer of the file's size. Whatever the size did not tell (a pipe, a
    // growing file) follows.
    std::size_t capacity = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long length = std::ftell(file);
        capacity = length > 0 ? static_cast<std::size_t>(length) : 0;
        std::rewind(file);
    }
    capacity = std::max<std::size_t>(capacity + 1, 1 << 16);
    std::unique_ptr<char[]> bytes(new char[capacity + MatchIndexPadding]);
    size = 0;
    for (;;) {
        size += std::fread(bytes.get() + size, 1, capacity - size, file);
        if (size < capacity)
            break;
        capacity *= 2;
        std::unique_ptr<char[]> larger(new char[capacity + MatchIndexPadding]);
        std::memcpy(larger.get(), bytes.get(), size);
        bytes = std::move(larger);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    std::memset(bytes.get() + size, 0, MatchIndexPadding);
    owned = std::move(bytes);
    return !failed;
}


} // namespace

const char NamesText::NoNames[MatchIndexPadding] = {};

NamesText::~NamesText()
{
    unmapNamesFile(mapping_);
}

bool readNamesFile(const std::string& path, NamesText& text)
{
    if (mapNamesFile(path, text.mapping_)) {
        text.bytes_ = static_cast<const char*>(text.mapping_.area);
        text.size_ = text.mapping_.size;
        return true;
    }
    // Not a plain file (a pipe), an empty one, or no mapping here.
    if (!readWhole(path, text.owned_, text.size_))
        return false;
    text.bytes_ = text.owned_.get();
    return true;
}

void copyNamesText(const std::string& bytes, NamesText& text)
{
    text.owned_.reset(new char[bytes.size() + MatchIndexPadding]());
    std::memcpy(text.owned_.get(), bytes.data(), bytes.size());
    text.bytes_ = text.owned_.get();
    text.size_ = bytes.size();
}
