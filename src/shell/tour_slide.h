// Where the tour window goes when it slides aside to make room beside the launcher window.
#pragma once

#include <vector>

struct SlidePlan {
    bool moveLauncher = false;
    int launcherLeft = 0;   // the launcher window's new left edge when moveLauncher is set
    std::vector<int> lefts; // the tour window's left edges, one step after another; the last is where it stays
};

constexpr int SlideSteps = 4;       // intermediate steps before the final position
constexpr int SlideStepPauseMs = 10;
constexpr int SlideLauncherGap = 5; // room left between the screen edge and a launcher window pushed right, at 96 DPI

// The tour window (of width tourWidth) goes halfway between the screen's left edge and the launcher window.
// `launcherGap` is SlideLauncherGap scaled to the display's DPI.
SlidePlan planSlide(int launcherLeft, int tourWidth, int launcherGap = SlideLauncherGap);

struct Span {
    int left, top, right, bottom;
};

bool spansOverlap(const Span& a, const Span& b);
