// The program's narrow text and the system's UTF-16, converted with the active code page:
// UTF-8 where the manifest's code page is honoured, the system's ANSI code page elsewhere.
// Used where a narrow function's fixed buffer would cut a name whose UTF-8 form is longer than
// its characters.
#pragma once

#include <windows.h>

#include <string>

std::string narrowFromWide(const WCHAR* text);
std::wstring wideFromNarrow(const std::string& text);
