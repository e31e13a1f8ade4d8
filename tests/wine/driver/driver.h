// Commands of the test driver. Each command file registers its commands with a static
// Registration; main() looks the first argument up and runs it with the rest.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;
using CommandFunction = int (*)(const Arguments& arguments);

struct Registration {
    Registration(const char* name, const char* usage, CommandFunction function);
};

// Exit codes of every command.
constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int UsageError = 2;

// Polls `condition` every 50 ms until it holds or `timeoutMs` passes.
template <typename Condition>
bool waitUntil(Condition condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
}

// Runs act(window) on the window that find(arguments) returns: UsageError with fewer than `count`
// arguments, Failure when there is no such window.
template <typename Find, typename Act>
int withWindow(const Arguments& arguments, std::size_t count, Find find, Act act)
{
    if (arguments.size() < count)
        return UsageError;
    HWND window = find(arguments);
    return window != nullptr ? act(window) : Failure;
}

int toInt(const std::string& text);
// A top-level window by class and title; "-" stands for any.
HWND findTopWindow(const std::string& className, const std::string& title);
// The top-level window named by the first two arguments, class and title.
HWND topWindowOf(const Arguments& arguments);
