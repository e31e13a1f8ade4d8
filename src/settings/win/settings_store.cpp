#include "settings/win/settings_store.h"

#include <windows.h>
#include <shlobj.h>

#include "base/system_files.h"
#include "base/win/message_boxes.h"
#include "base/win/narrow_text.h"
#include "base/win/packages_folder.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "resources/resource.h"
#include "settings/apps_source.h"
#include "settings/first_run.h"
#include "settings/settings_file.h"
#include "settings/uninstall_list.h"

#include <cstdio>
#include <vector>

Settings settings;

namespace {

// A shell folder's path, or empty when the shell cannot name it. Nothing is created.
std::string shellFolderPath(HWND owner, int csidl)
{
    // Asked in UTF-16: the narrow call's buffer holds MAX_PATH bytes, not characters.
    WCHAR path[MAX_PATH] = L"";
    if (!SHGetSpecialFolderPathW(owner, path, csidl, FALSE))
        return std::string();
    return narrowFromWide(path);
}

class ShellSpecialFolders : public SpecialFolders {
public:
    std::string pathOf(SpecialFolder folder) const override
    {
        return shellFolderPath(app.mainWindow, static_cast<int>(folder));
    }
};

FirstRunNames loadFirstRunNames()
{
    FirstRunNames names;
    names.filesAndFolders = loadText(IDS_DEF_FILES_AND_FOLDERS);
    names.filesOnly = loadText(IDS_DEF_FILES_ONLY);
    names.applicationsOnly = loadText(IDS_DEF_APPLICATIONS);
    names.documents = loadText(IDS_DIR_DOCUMENTS);
    names.startMenu = loadText(IDS_DIR_START_MENU);
    names.commonStartMenu = loadText(IDS_DIR_COMMON_START_MENU);
    names.favorites = loadText(IDS_DIR_FAVORITES);
    names.desktop = loadText(IDS_DIR_DESKTOP);
    names.commonDesktop = loadText(IDS_DIR_COMMON_DESKTOP);
    return names;
}

// A save cut short by a killed process leaves its temporary file beside the real one.
void discardUnfinishedSaves()
{
    for (const char* name : {SettingsFileName, CatalogueFileName, ScoresFileName})
        discardUnfinishedSave(dataFolderPath(name));
}

} // namespace

std::string dataFolderPath(const char* fileName)
{
    std::string folder = shellFolderPath(nullptr, CSIDL_APPDATA) + '\\' + DataFolderName;
    CreateDirectoryA(folder.c_str(), nullptr); // usually there already; a real failure shows on use
    return folder + '\\' + fileName;
}

void initialiseSettings(bool tourRequested)
{
    // The first thing that touches the data files in this run, after the single-instance test.
    discardUnfinishedSaves();
    if (!loadSettings())
        addFirstRunDefaults(settings, ShellSpecialFolders(), loadFirstRunNames());
    offerAppsSource(settings, !packagesFolderPath().empty(), loadText(IDS_APPS_SOURCE_NAME));
    if (tourRequested)
        settings.global.FirstTimer = 1;
}

bool loadSettings()
{
    std::string text;
    if (!readWholeFile(dataFolderPath(SettingsFileName), text))
        return false;
    const std::string driveFormat = loadText(IDS_DRIVE_NAME);
    parseSettingsText(text, settings, driveFormat);
    return true;
}

bool saveSettings(std::string* failure)
{
    // The settings first: the list is shared with every other user, who may have made it
    // unreadable or huge.
    const bool saved = replaceFileAtomically(dataFolderPath(SettingsFileName), formatSettingsText(settings), failure);
    recordUserDataFolder();
    return saved;
}

bool saveSettingsOrTell(HWND owner)
{
    std::string reason;
    if (saveSettings(&reason))
        return true;
    const std::string path = dataFolderPath(SettingsFileName);
    const std::string format = loadText(IDS_SETTINGS_NOT_SAVED);
    std::vector<char> text(format.size() + path.size() + reason.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), path.c_str(), reason.c_str());
    reportError(owner, text.data());
    return false;
}

void recordUserDataFolder()
{
    UninstallListSearch search(shellFolderPath(nullptr, CSIDL_APPDATA));
    search.readFile(UninstallListName);
    const std::string addition = search.addition();
    if (!addition.empty())
        appendToFile(UninstallListName, addition);
}
