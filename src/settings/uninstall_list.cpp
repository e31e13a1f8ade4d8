#include "settings/uninstall_list.h"

#include "base/ascii.h"
#include "base/legacy_text.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const char* const LineEnd = "\r\n";
constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';

} // namespace

UninstallListSearch::UninstallListSearch(const std::string& appDataPath) : wanted_(upperCasedAscii(appDataPath)) {}

void UninstallListSearch::read(const char* bytes, std::size_t size)
{
    if (size == 0)
        return;
    const char* const end = bytes + size;
    while (bytes < end) {
        const void* feed = std::memchr(bytes, LineFeed, static_cast<std::size_t>(end - bytes));
        const char* lineEnd = feed != nullptr ? static_cast<const char*>(feed) : end;
        readLinePart(bytes, static_cast<std::size_t>(lineEnd - bytes));
        if (feed == nullptr)
            break;
        endLine();
        bytes = lineEnd + 1;
    }
    endsWithLineFeed_ = end[-1] == LineFeed;
}

void UninstallListSearch::readFile(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> list(std::fopen(path.c_str(), "rb"), std::fclose);
    if (list == nullptr)
        return;
    std::vector<char> chunk(UninstallListChunkSize);
    std::size_t got;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), list.get())) > 0)
        read(chunk.data(), got);
}

std::string UninstallListSearch::addition() const
{
    // The last line may be the one without its line end. A path with a line end in it could
    // never be found again, and would add a line at every save.
    if (wanted_.empty() || wanted_.find_first_of(LineEnd) != std::string::npos || found_ || currentLineIsWanted())
        return std::string();
    std::string addition;
    if (!endsWithLineFeed_)
        addition = LineEnd;
    return addition + wanted_ + LineEnd;
}

void UninstallListSearch::readLinePart(const char* bytes, std::size_t size)
{
    // Room for the wanted line and a carriage return before its line feed.
    const std::size_t room = wanted_.size() + 1;
    if (lineTooLong_ || line_.size() + size > room) {
        lineTooLong_ = true;
        return;
    }
    line_.append(bytes, size);
}

bool UninstallListSearch::currentLineIsWanted() const
{
    if (lineTooLong_)
        return false;
    std::size_t length = line_.size();
    if (length > 0 && line_[length - 1] == CarriageReturn)
        --length;
    // Kept as read and upper-cased only once decoded: a line of an older version may be in the
    // legacy code page, where a double-byte character's second byte can be a small letter.
    return upperCasedAscii(textFromDataFile(std::string_view(line_).substr(0, length))) == wanted_;
}

void UninstallListSearch::endLine()
{
    if (currentLineIsWanted())
        found_ = true;
    line_.clear();
    lineTooLong_ = false;
}

std::string uninstallListAddition(const std::string& appDataPath, const std::string& listContents)
{
    UninstallListSearch search(appDataPath);
    search.read(listContents.data(), listContents.size());
    return search.addition();
}
