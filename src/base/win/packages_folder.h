// The folder in which the system keeps one folder per installed package (Windows 8 and later).
#pragma once

#include <string>

// %LOCALAPPDATA%\Packages, or empty where it does not exist (older systems, Wine): there the
// packaged apps source asks the shell for nothing.
std::string packagesFolderPath();
