// The shortcut in the Startup folder that starts the launcher with Windows: every user's, or the
// user's own when the program runs from an install just for that user.
#pragma once

bool startupShortcutExists();
// Silent on failure: without rights to the folder the check box simply shows the truth next time.
void createStartupShortcut();
void deleteStartupShortcut();
