#include "settings/first_run.h"

namespace {

const char* const EverythingPattern = "*";
const char* const SystemFilesPattern = "*.inf;*.ini;*.db";
const char* const ApplicationPatterns = "*.exe;*.com;*.bat;*.msc;*.ico";
const char* const UninstallerPatterns = "*unins*;*unvise*";

struct DefaultDirectory {
    SpecialFolder folder;
    std::int32_t definitionId;
    const std::string* name;
};

} // namespace

void addFirstRunDefaults(Settings& settings, const SpecialFolders& folders, const FirstRunNames& names)
{
    std::int32_t& nextId = settings.global.NextScanID;
    const std::int32_t filesAndFolders = addScanDefinition(settings.definitions, nextId, names.filesAndFolders,
                                                           EverythingPattern, SystemFilesPattern, AddFolderNames);
    const std::int32_t filesOnly = addScanDefinition(settings.definitions, nextId, names.filesOnly,
                                                     EverythingPattern, SystemFilesPattern, 0);
    const std::int32_t applicationsOnly = addScanDefinition(settings.definitions, nextId, names.applicationsOnly,
                                                            ApplicationPatterns, UninstallerPatterns, 0);

    const DefaultDirectory directories[] = {
        {SpecialFolder::Documents, filesAndFolders, &names.documents},
        {SpecialFolder::StartMenu, applicationsOnly, &names.startMenu},
        {SpecialFolder::CommonStartMenu, applicationsOnly, &names.commonStartMenu},
        {SpecialFolder::Favorites, filesOnly, &names.favorites},
        {SpecialFolder::Desktop, filesAndFolders, &names.desktop},
        {SpecialFolder::CommonDesktop, filesAndFolders, &names.commonDesktop},
    };
    for (const DefaultDirectory& wanted : directories) {
        const std::string path = folders.pathOf(wanted.folder);
        if (path.empty())
            continue;
        addScanDirectory(settings.directories, path, wanted.definitionId).name = *wanted.name;
    }
}
