#include "settings/uninstall_list.h"

#include "base/ascii.h"
#include "base/legacy_text.h"

namespace {

const char* const LineEnd = "\r\n";

bool listsFolder(const std::string& listContents, const std::string& upperCasedPath)
{
    std::size_t start = 0;
    while (start < listContents.size()) {
        std::size_t end = listContents.find('\n', start);
        if (end == std::string::npos)
            end = listContents.size();
        std::size_t lineEnd = end;
        if (lineEnd > start && listContents[lineEnd - 1] == '\r')
            --lineEnd;
        if (upperCasedAscii(textFromDataFile(listContents.substr(start, lineEnd - start))) == upperCasedPath)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

std::string uninstallListAddition(const std::string& appDataPath, const std::string& listContents)
{
    if (appDataPath.empty())
        return std::string();
    const std::string line = upperCasedAscii(appDataPath);
    if (listsFolder(listContents, line))
        return std::string();
    std::string addition;
    if (!listContents.empty() && listContents.back() != '\n')
        addition = LineEnd;
    return addition + line + LineEnd;
}
