#include "shell/win/tour_guide.h"

bool suppressTextMarking = false;

void enterTourState(int)
{
    // The tour guide is not part of this build yet.
}

void tourEvent(int)
{
}
