#include "settings/apps_source.h"

#include <algorithm>

#include "base/ascii.h"

const char* const AppsSourcePath = "shell:AppsFolder\\";

bool isAppsSource(const ScanDirectory& directory)
{
    return upperCasedAscii(directory.path) == upperCasedAscii(AppsSourcePath);
}

ScanDirectory appsSourceDirectory(const std::string& name)
{
    ScanDirectory directory;
    directory.path = AppsSourcePath;
    directory.name = name;
    directory.flags = 0;
    directory.priority = 0;
    directory.definitionId = AppsSourceDefinitionId;
    return directory;
}

std::string appsFolderEntryPath(const std::string& appUserModelId)
{
    return AppsSourcePath + appUserModelId;
}

bool isAppsFolderEntryPath(const std::string& path)
{
    const std::size_t prefix = std::string(AppsSourcePath).size();
    return path.size() > prefix && upperCasedAscii(path.substr(0, prefix)) == upperCasedAscii(AppsSourcePath);
}

void offerAppsSource(Settings& settings, bool systemHasPackagedApps, const std::string& name)
{
    std::int32_t& flags = settings.global.GlobalScanFlags;
    if (!systemHasPackagedApps || (flags & AppsSourceOffered) != 0)
        return;
    flags |= AppsSourceOffered;
    const auto& list = settings.directories;
    if (std::none_of(list.begin(), list.end(), isAppsSource))
        settings.directories.push_back(appsSourceDirectory(name));
}
