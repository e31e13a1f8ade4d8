// Which folder a line of `uninst.dir` names, and the parts of its path that the remover opens
// one by one from the drive down. A line is trusted only as far as it can be proved harmless,
// so every rule here refuses rather than guesses.
#pragma once

#include <string>
#include <vector>

// True for an absolute path on a drive ("X:\..."), free of the characters that no folder
// name can hold: never a relative path, a network share or a device.
bool isLocalAbsolutePath(const std::string& line);

// The data folder for one line: the line, a backslash unless it ends with one, then "Tandor".
std::string dataFolderForLine(const std::string& line);

// Every path from the drive's root down to the folder itself: "C:\", "C:\Users",
// "C:\Users\Joe" for "C:\Users\Joe". Empty when the folder is no local absolute path or a part
// is one the system would not take as the name it reads: empty, "." or "..", or ending in a
// dot or blank, which the system drops.
std::vector<std::string> pathPartsOf(const std::string& folder);
