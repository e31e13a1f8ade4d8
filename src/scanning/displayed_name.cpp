#include "scanning/displayed_name.h"

std::string displayedName(const std::string& fileName, bool showExtension)
{
    if (showExtension)
        return fileName;
    // Index 0 is never examined: a leading dot ('.profile') is part of the name.
    for (std::size_t i = fileName.size(); i-- > 1;) {
        const char c = fileName[i];
        if (c == ':' || c == '\\')
            break;
        if (c == '.')
            return fileName.substr(0, i);
    }
    return fileName;
}
