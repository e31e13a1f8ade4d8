// The configuration sheet: its opening and closing.
#pragma once

// Opens the sheet, or brings an open one forward; does nothing while a scan runs.
void openConfiguration();
