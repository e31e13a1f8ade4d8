// Values of the User interface page: the retry delay box, the transparency scroll bar and the
// fading preview. Kept apart from the page so that the arithmetic can be tested on its own.
#pragma once

#include <string>

constexpr int MaxRetry = 200;          // tenths of a second
constexpr int RetryTextLimit = 4;      // characters of the retry box that are read
constexpr int MaxTransparency = 255;
constexpr int TransparencyStep = 16;   // one arrow or shaft click on the scroll bar
constexpr unsigned PreviewFadeDelayMs = 1000;
constexpr unsigned PreviewFadeTimerMs = 20;
constexpr unsigned FadeMsPerOpacityStep = 2; // half a second from opaque to gone
constexpr int PreviewGapBelowScrollBar = 15; // pixels

// What a scroll bar reports; the values are the system's scroll codes.
enum class ScrollAction {
    LineLeft = 0,
    LineRight = 1,
    PageLeft = 2,
    PageRight = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Left = 6,
    Right = 7,
    EndScroll = 8,
};

// The retry delay as the page shows it: a larger stored value is cut to the limit.
int retryShown(int storedRetry);

// The retry delay typed into the box: its first characters as a decimal number, limited to
// 0..MaxRetry; text that is no number gives 0.
int retryFromText(const std::string& text);

// The new transparency after a scroll event; `position` is the scroll bar's current position
// and `thumbPosition` the one the event carries.
int transparencyAfterScroll(ScrollAction action, int position, int thumbPosition);

// The preview moves the thumb only while dragging: the fade waits until the user lets go.
inline bool actionStartsFade(ScrollAction action) { return action != ScrollAction::ThumbTrack; }
inline bool actionRedrawsScrollBar(ScrollAction action)
{
    return action != ScrollAction::ThumbTrack && action != ScrollAction::ThumbPosition;
}

// The preview's opacity after `elapsedMs` more of fading; 0 or less means it is gone.
int fadedAlpha(int alpha, unsigned elapsedMs);
