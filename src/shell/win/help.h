// Help pages, web navigation, string-table texts and font variants, shared by every window.
#pragma once

#include <windows.h>

#include <string>

void openHelp(const char* pageName);
void navigateTo(const char* address);
// The text lands in one shared buffer that the next call overwrites: use or copy it at once.
const char* loadText(UINT stringId);
const char* loadTextInto(UINT stringId, std::string& target);
// A new font like `font` (or the default GUI font when there is none) with this weight and slant;
// the caller owns it (see shell/win/fonts.h).
HFONT fontVariant(HFONT font, LONG weight, bool italic);

extern const char* const OnlineDocsBase;
extern const char* const SupportMailAddress;
