// A critical section as a Lock. Made and deleted explicitly: its life may span threads (the
// launcher window makes the lock it shares with its icon loader, and the loader deletes it).
#pragma once

#include <windows.h>

#include "base/lock.h"

class CriticalSectionLock : public Lock {
public:
    void create() { InitializeCriticalSection(&section_); }
    void destroy() { DeleteCriticalSection(&section_); }
    void enter() override { EnterCriticalSection(&section_); }
    void leave() override { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_{};
};
