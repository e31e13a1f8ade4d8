#include "base/win/help.h"

#include <shellapi.h>
#include <urlmon.h>

#include "base/system_files.h"
#include "base/win/program_handles.h"
#include "resources/resource.h"

const char* const OnlineDocsBase = "http://www.tandor-launcher.net/docs/";
const char* const SupportMailAddress = "mailto:support@tandor-launcher.net?Subject=Question about Tandor";

namespace {

constexpr int SharedTextSize = 512;
constexpr int MaxNavigationUnits = 256;
const char* const LocalHelpFolder = "html\\";

char sharedTextBuffer[SharedTextSize];
bool localDocs = true;

bool userAcceptsOnlineDocs()
{
    return MessageBoxA(nullptr, loadText(IDS_HELP_MISSING), "Tandor", MB_YESNO | MB_ICONQUESTION) == IDYES;
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

const char* loadText(UINT stringId)
{
    sharedTextBuffer[0] = '\0';
    LoadStringA(app.appInstance, stringId, sharedTextBuffer, SharedTextSize);
    return sharedTextBuffer;
}

const char* loadTextInto(UINT stringId, std::string& target)
{
    target = loadText(stringId);
    return target.c_str();
}
