// Deletes the launcher's per-user data folders listed in `uninst.dir`: in each listed
// application-data folder's `Tandor` sub-folder, the launcher's own files, then that folder.
//
// Every user who runs the launcher can write `uninst.dir`, and the uninstaller usually runs
// the remover with an administrator's rights. So a line is trusted only as far as it can be
// proved harmless: no part of its path may be a link (a junction or symbolic link into
// somebody else's files), and of what lies in the folder only plain files with the launcher's
// own names and no other name elsewhere are deleted. Anything else stays, and so does the
// folder then.
#pragma once

#include "installhelpers/line_piece_reader.h"
#include "installhelpers/user_data_folders.h"

#include <string>

// The uninstaller passes "42"; anything else was started by hand.
bool isUninstallerArgument(const char* commandLine);

// The text of one piece of `uninst.dir`: up to its line feed or its first NUL byte.
std::string lineOfPiece(const std::string& piece);

// The names the launcher gives its files in its data folder, in any letter case: its
// settings, catalogue and scores, and each of them with the suffix of an unfinished save.
bool isOwnDataFileName(const std::string& name);

// Removes the data folder of every listed user, in list order. A line that is not a local
// absolute path, names a folder longer than the system's classic path limit (in UTF-16 units,
// whatever its bytes), or whose folder is missing, lies behind a link, holds anything but the
// launcher's own files or cannot be removed counts as failed, and the lines after it are still
// tried. Returns the exit code: HelperSucceeded only when every listed
// folder went, HelperFailed otherwise.
int removeListedDataFolders(LinePieceReader& list, UserDataFolders& folders);
