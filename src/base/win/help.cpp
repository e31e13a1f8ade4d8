#include "base/win/help.h"

#include <windows.h>
#include <shellapi.h>
#include <urlmon.h>

#include <string>

#include "base/system_files.h"
#include "base/win/message_boxes.h"
#include "base/win/texts.h"
#include "resources/resource.h"

const char* const OnlineDocsBase = "http://www.tandor-launcher.net/docs/";
const char* const SupportMailAddress = "mailto:support@tandor-launcher.net?Subject=Question about Tandor";

namespace {

constexpr int MaxNavigationUnits = 256;
const char* const LocalHelpFolder = "html\\";

bool localDocs = true;

bool userAcceptsOnlineDocs()
{
    return askYesOrNo(nullptr, loadText(IDS_HELP_MISSING));
}

} // namespace

void openHelp(const char* pageName)
{
    if (localDocs) {
        const std::string localPath = std::string(LocalHelpFolder) + pageName;
        if (fileExists(localPath)) {
            ShellExecuteA(nullptr, nullptr, localPath.c_str(), nullptr, nullptr, SW_RESTORE);
            return;
        }
        if (!userAcceptsOnlineDocs())
            return;
        localDocs = false;
    }
    navigateTo((std::string(OnlineDocsBase) + pageName).c_str());
}

void navigateTo(const char* address)
{
    WCHAR wideAddress[MaxNavigationUnits];
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, address, -1, wideAddress, MaxNavigationUnits) == 0)
        return;
    HlinkNavigateString(nullptr, wideAddress);
}
