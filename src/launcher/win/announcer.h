// The launcher's live region: an unseen static control whose text a screen reader speaks when it
// changes, since the focus stays in the query edit while the selection moves in the list.
#pragma once

#include <windows.h>

#include "launcher/announcement.h"

#include <string>

// Marks the control as a polite live region. Systems without the property (Wine) refuse it; the
// control still announces, and readers that look for the event speak it.
void makeLiveRegion(HWND liveRegion);

// The texts of the sentences, from the string table.
AnnouncementTexts loadAnnouncementTexts();

// Asks for one announcement once the window's queue holds no more input: a burst of keys is
// spoken once, for its last state. The window then gets WM_TIMER with AnnouncementTimerId.
constexpr UINT_PTR AnnouncementTimerId = 2;
void scheduleAnnouncement(HWND window);

// Puts the text into the live region and tells accessibility tools it changed.
void announce(HWND window, HWND liveRegion, const std::string& text);
