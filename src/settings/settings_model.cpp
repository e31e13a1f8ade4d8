#include "settings/settings_model.h"

#include "base/ascii.h"
#include "resources/resource.h"

const PriorityLevel PriorityLevels[5] = {
    {-2, -20, IDS_PRIORITY_VERY_UNIMPORTANT},
    {-1, -8, IDS_PRIORITY_SOMEWHAT_UNIMPORTANT},
    {0, 0, IDS_PRIORITY_NORMAL},
    {1, 8, IDS_PRIORITY_PREFERRED},
    {2, 20, IDS_PRIORITY_FIRST_CHOICE},
};

// Shown for a path that has no component at all.
static const char* const NamelessPath = "---";

int priorityWeight(int priority)
{
    if (priority < LowestPriority || priority > HighestPriority)
        return 0;
    return PriorityLevels[priority - LowestPriority].weight;
}

std::int32_t addScanDefinition(std::vector<ScanDefinition>& list, std::int32_t& nextScanId,
                               const std::string& name, const std::string& include,
                               const std::string& exclude, std::int32_t flags)
{
    ScanDefinition definition;
    definition.name = name;
    definition.id = nextScanId++;
    definition.include = include;
    definition.exclude = exclude;
    definition.flags = flags;
    list.push_back(definition);
    return definition.id;
}

ScanDirectory& addScanDirectory(std::vector<ScanDirectory>& list, const std::string& path,
                                std::int32_t definitionId)
{
    ScanDirectory directory;
    directory.path = path;
    if (directory.path.empty() || directory.path.back() != '\\')
        directory.path += '\\';
    directory.definitionId = definitionId;
    list.push_back(directory);
    return list.back();
}

const ScanDefinition* findScanDefinition(const std::vector<ScanDefinition>& list, std::int32_t id)
{
    for (const ScanDefinition& definition : list) {
        if (definition.id == id)
            return &definition;
    }
    return nullptr;
}

bool isDefinitionInUse(const std::vector<ScanDirectory>& directoryList, std::int32_t id)
{
    for (const ScanDirectory& directory : directoryList) {
        if (directory.definitionId == id)
            return true;
    }
    return false;
}

// The format's only placeholder is the first "%s"; the text is never handed to printf,
// so a translated string with other '%' signs cannot read stray arguments.
static std::string driveName(const std::string& driveFormat, char driveLetter)
{
    std::string name = driveFormat;
    std::size_t placeholder = name.find("%s");
    if (placeholder != std::string::npos)
        name.replace(placeholder, 2, 1, driveLetter);
    return name;
}

std::string displayNameFromPath(const std::string& path, const std::string& driveFormat)
{
    if (path.empty() || path == "\\")
        return NamelessPath;

    std::size_t end = path.size();
    if (path[end - 1] == '\\')
        --end;
    std::size_t start = end;
    bool hasLowerCase = false;
    while (start > 0 && path[start - 1] != '\\' && path[start - 1] != ':') {
        --start;
        hasLowerCase = hasLowerCase || isLowerAscii(path[start]);
    }

    if (start == end) {
        if (path.size() >= 2 && path[1] == ':')
            return driveName(driveFormat, path[0]);
        return path;
    }

    std::string name;
    name.reserve(end - start);
    bool startsWord = true;
    for (std::size_t i = start; i < end; ++i) {
        char c = path[i];
        if (startsWord)
            c = toUpperAscii(c);
        else if (!hasLowerCase)
            c = toLowerAscii(c);
        name += c;
        startsWord = (path[i] == ' ');
    }
    return name;
}
