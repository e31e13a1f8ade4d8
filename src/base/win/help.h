// Help pages and web navigation, shared by every window.
#pragma once

void openHelp(const char* pageName);
void navigateTo(const char* address);

extern const char* const OnlineDocsBase;
extern const char* const SupportMailAddress;
