// The program's texts from its string table.
#pragma once

#include <windows.h>

#include <string>

// The text of this string-table entry; empty when there is none.
std::string loadText(UINT stringId);
