// The name under which a scanned item is listed.
#pragma once

#include <string>

// The item's file name; unless extensions are shown, cut at its last '.' (a dot at the very
// start, or one before a ':' or '\', does not count).
std::string displayedName(const std::string& fileName, bool showExtension);
