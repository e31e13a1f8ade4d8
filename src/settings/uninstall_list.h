// uninst.dir: the application-data folders of every user who saved settings, one a line,
// for the user-data remover.
#pragma once

#include <string>

// The bytes to append so that the list names `appDataPath` (upper-cased, CR LF), or empty when
// a line names it already or the path is empty. Every line is searched, case-insensitively:
// a repeated line would stop the remover before the lines behind it. A last line without its
// line end is finished first, so the new line never joins it.
std::string uninstallListAddition(const std::string& appDataPath, const std::string& listContents);
