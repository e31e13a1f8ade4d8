#include "launcher/row_text.h"

const char* directoryNameOf(const CatalogueEntry& entry, const std::vector<ScanDirectory>& directories)
{
    if (entry.directoryIndex < 0 || static_cast<std::size_t>(entry.directoryIndex) >= directories.size())
        return nullptr;
    return directories[static_cast<std::size_t>(entry.directoryIndex)].name.c_str();
}

std::string menuTextOfPath(const std::string& path)
{
    std::string text;
    text.reserve(path.size());
    for (char c : path) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}
