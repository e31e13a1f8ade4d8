// The configuration sheet: its opening and closing.
#pragma once

// Opens the sheet, or brings an open one forward; does nothing while a scan runs. Applying the
// sheet changes the catalogue: the caller makes sure that no launcher window still shows it.
void openConfiguration();
bool configurationSheetOpen();
