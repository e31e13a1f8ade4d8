// Resolution of shell shortcuts (.lnk, .pif) to the path they point at.
#pragma once

#include <windows.h>

// Fills `target` (MAX_PATH characters) with the link's target path, empty when the link
// cannot be loaded or points at no file-system path, and copies it into `matchText`
// (MAX_PATH characters) when loading succeeded. COM must be initialised on this thread.
HRESULT resolveShortcut(const char* shortcutPath, char* target, char* matchText);
