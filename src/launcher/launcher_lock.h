// The lock the launcher window shares with its icon loader. The window code provides a critical
// section; tests provide their own.
#pragma once

class LauncherLockInterface {
public:
    virtual ~LauncherLockInterface() = default;
    virtual void enter() = 0;
    virtual void leave() = 0;
};

class HeldLock {
public:
    explicit HeldLock(LauncherLockInterface& lock) : lock_(lock) { lock_.enter(); }
    ~HeldLock() { lock_.leave(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    LauncherLockInterface& lock_;
};
