// The pop-up that shows the launcher window at the opacity the transparency scroll bar picks,
// then fades away by itself.
#pragma once

#include <windows.h>

// Messages the preview understands, posted by the User interface page.
constexpr UINT PreviewShowAlphaMessage = WM_USER + 5; // wParam: opacity to show
constexpr UINT PreviewFadeLaterMessage = WM_USER + 6; // wParam: milliseconds before fading

// The preview while it is on screen, or null.
HWND livePreviewWindow();
// Shows the preview below the scroll bar, unless it is already there; returns it.
HWND showLivePreview(HWND page, HWND scrollBar);
