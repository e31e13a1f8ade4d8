// A lock that portable code can hold without knowing what it is: the window code provides a
// critical section, tests provide their own. HeldLock is the one way to hold any of them.
#pragma once

class Lock {
public:
    virtual ~Lock() = default;
    virtual void enter() = 0;
    virtual void leave() = 0;
};

class HeldLock {
public:
    explicit HeldLock(Lock& lock) : lock_(lock) { lock_.enter(); }
    ~HeldLock() { lock_.leave(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    Lock& lock_;
};
