// Two tasks at once, for the two cores a query can use.
#pragma once

#include <functional>

// Runs `first` on this thread and `second` on another one, and returns when both are done;
// runs them one after the other when no thread can be started.
void runBoth(const std::function<void()>& first, const std::function<void()>& second);
