// Help pages, web navigation, string-table texts and bold fonts, shared by every window.
#pragma once

#include <windows.h>

#include <string>

void openHelp(const char* pageName);
void navigateTo(const char* address);
// The text lands in one shared buffer that the next call overwrites: use or copy it at once.
const char* loadText(UINT stringId);
const char* loadTextInto(UINT stringId, std::string& target);
HFONT makeBold(HWND control);
// A new font like `font` (or the default GUI font when there is none) with this weight and slant.
HFONT fontVariant(HFONT font, LONG weight, bool italic);
void restoreFont(HWND control, HFONT previousFont);

extern const char* const OnlineDocsBase;
extern const char* const SupportMailAddress;
