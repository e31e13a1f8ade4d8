// The shell's Applications folder, read as the Start menu's "All apps" lists it.
#pragma once

#include "scanning/packaged_apps.h"

class ShellAppsFolder : public AppsFolder {
public:
    // Nothing is asked of the shell where the system keeps no packages; any failed call ends
    // the listing with what was read before it, and no message.
    std::vector<AppsFolderItem> items() override;
};
