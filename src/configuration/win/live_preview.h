// The pop-up that shows the launcher window at the opacity the transparency scroll bar picks,
// then fades away by itself.
#pragma once

#include <windows.h>

#include "base/private_messages.h" // the messages it understands: WM_PREVIEW_SHOW_ALPHA, WM_PREVIEW_FADE_LATER

// Shows the preview below the scroll bar, unless it is already there; returns it.
HWND showLivePreview(HWND page, HWND scrollBar);
