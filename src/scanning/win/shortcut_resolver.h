// Resolution of shell shortcuts (.lnk, .pif) to the path they point at.
#pragma once

#include <string>

// The link's target path; empty when the link cannot be loaded or points at no file-system
// path. COM must be initialised on this thread.
std::string resolveShortcutTarget(const std::string& shortcutPath);
