#include "shell/tour_slide.h"

SlidePlan planSlide(int launcherLeft, int tourWidth, int launcherGap)
{
    SlidePlan plan;
    int x = (launcherLeft - tourWidth) / 2; // C++ division truncates towards zero
    if (x < 0) {
        plan.moveLauncher = true;
        plan.launcherLeft = launcherLeft - 2 * x + launcherGap;
        x = 0;
    }
    for (int k = 2; k < 2 + SlideSteps; ++k)
        plan.lefts.push_back((launcherLeft - x) / k + x);
    plan.lefts.push_back(x);
    return plan;
}

bool spansOverlap(const Span& a, const Span& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
