// Help pages, web navigation and string-table texts, shared by every window.
#pragma once

#include <windows.h>

#include <string>

void openHelp(const char* pageName);
void navigateTo(const char* address);
// The text lands in one shared buffer that the next call overwrites: use or copy it at once.
const char* loadText(UINT stringId);
const char* loadTextInto(UINT stringId, std::string& target);

extern const char* const OnlineDocsBase;
extern const char* const SupportMailAddress;
