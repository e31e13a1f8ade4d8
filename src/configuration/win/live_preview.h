// The pop-up that shows the launcher window at the opacity the transparency scroll bar picks,
// then fades away by itself.
#pragma once

#include <windows.h>

#include "base/private_messages.h"

// The messages it understands.
constexpr unsigned WM_PREVIEW_SHOW_ALPHA = FirstPrivateMessage + 5; // wParam: opacity to show
constexpr unsigned WM_PREVIEW_FADE_LATER = FirstPrivateMessage + 6; // wParam: milliseconds before fading

// Shows the preview below the scroll bar, unless it is already there; returns it.
HWND showLivePreview(HWND page, HWND scrollBar);
