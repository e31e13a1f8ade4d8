// The modal "Directory to scan" editor for one element of the Directories page's working copy.
#pragma once

#include <windows.h>

#include "settings/settings_model.h"

// Runs the editor over the page; the directory changes only when the result is IDOK.
INT_PTR editDirectory(HWND page, ScanDirectory& directory);
