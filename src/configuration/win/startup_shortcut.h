// The shortcut in the all-users Startup folder that starts the launcher with Windows.
#pragma once

bool startupShortcutExists();
// Silent on failure: without rights to the folder the check box simply shows the truth next time.
void createStartupShortcut();
void deleteStartupShortcut();
