#include "installhelpers/data_folder_path.h"

#include "settings/data_files.h"
#include "base/ascii.h"

#include <algorithm>
#include <cstring>

namespace {

// Characters that no file or folder name can hold; ':' is allowed only after the drive letter.
constexpr char ForbiddenInPath[] = "\"*/:<>?|";
constexpr char FirstPrintable = ' ';
constexpr char Separator = '\\';
constexpr std::size_t DriveRootLength = 3; // "C:\"

bool isPlainName(const std::string& part)
{
    return !part.empty() && part != "." && part != ".." && part.back() != '.' && part.back() != ' ';
}

} // namespace

bool isLocalAbsolutePath(const std::string& line)
{
    if (line.size() < DriveRootLength || !isAsciiLetter(line[0]) || line[1] != ':' || line[2] != Separator)
        return false;
    for (std::size_t i = 2; i < line.size(); ++i) {
        const char c = line[i];
        if (static_cast<unsigned char>(c) < FirstPrintable || std::strchr(ForbiddenInPath, c) != nullptr)
            return false;
    }
    return true;
}

std::string dataFolderForLine(const std::string& line)
{
    std::string folder = line;
    if (folder.empty() || folder.back() != Separator)
        folder += Separator;
    return folder + DataFolderName;
}

std::vector<std::string> pathPartsOf(const std::string& folder)
{
    if (!isLocalAbsolutePath(folder))
        return {};
    std::vector<std::string> paths{folder.substr(0, DriveRootLength)};
    if (folder.size() == DriveRootLength)
        return paths;
    for (std::size_t partStart = DriveRootLength;;) {
        const std::size_t partEnd = std::min(folder.find(Separator, partStart), folder.size());
        if (!isPlainName(folder.substr(partStart, partEnd - partStart)))
            return {};
        paths.push_back(folder.substr(0, partEnd));
        if (partEnd == folder.size())
            return paths;
        partStart = partEnd + 1;
    }
}
