// TandorClean: run by the uninstaller with the argument 42 in the folder that holds
// uninst.dir; deletes the data folders of the users listed there.
#include "base/legacy_text.h"
#include "installhelpers/byte_source.h"
#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/line_piece_reader.h"
#include "installhelpers/user_data_remover.h"
#include "resources/resource.h"
#include "settings/data_files.h"
#include "windows_user_data_folders.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr int MessageTextLength = 512;

void showNotForHandsMessage(HINSTANCE instance)
{
    char text[MessageTextLength] = "";
    char caption[MessageTextLength] = "";
    LoadStringA(instance, IDS_CLEAN_NOT_FOR_HANDS, text, MessageTextLength);
    LoadStringA(instance, IDS_CLEAN_CAPTION, caption, MessageTextLength);
    MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONERROR);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (!isUninstallerArgument(commandLine)) {
        showNotForHandsMessage(instance);
        return HelperFailed;
    }
    useLegacyCodePage(systemLegacyCodePage());
    std::FILE* list = std::fopen(UninstallListName, "rb");
    if (list == nullptr)
        return HelperSucceeded;
    FileByteSource bytes(list);
    LinePieceReader lines(bytes);
    WindowsUserDataFolders folders;
    const int exitCode = removeListedDataFolders(lines, folders);
    std::fclose(list);
    return exitCode;
}
