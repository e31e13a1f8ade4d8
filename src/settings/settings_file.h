// Settings.ini: the reader of its tolerant line grammar and the writer of its exact bytes.
#pragma once

#include <string>

#include "settings/settings_model.h"

// Parses the whole file. Definitions and directories are appended to the lists, [Global] keys
// overwrite their fields; lines that fit no rule are skipped. Lines of any length are read whole.
// `driveFormat` names a drive root for a directory line without a name (string 185).
void parseSettingsText(const std::string& text, Settings& settings,
                       const std::string& driveFormat = "Drive %s");

// The complete file, with CR LF line ends.
std::string formatSettingsText(const Settings& settings);

// A string as the writer puts it between quotes. The format has no escape, so a double quote
// would end the value early and lose the line on reading: it becomes a single quote. A line
// end would split the line: CR and LF become blanks. The text ends at a NUL byte, as the reader
// ends a line there.
std::string quotableText(const std::string& text);
