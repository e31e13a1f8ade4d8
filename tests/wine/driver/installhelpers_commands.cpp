// Commands for the tests of the installation helpers: TandorClean's message box and the
// file attributes that its removal has to get past.
#include "driver.h"

#include <cstdio>
#include <cstring>

namespace {

// The message text of a standard message box sits in a static control with this identifier.
constexpr int MessageBoxTextId = 0xFFFF;
constexpr DWORD DefaultTimeoutMs = 30000;

// Waits for a message box with the given caption, prints its text and closes it.
int dismissMessageBox(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const DWORD timeoutMs = a.size() > 1 ? static_cast<DWORD>(toInt(a[1])) : DefaultTimeoutMs;
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = findTopWindow("#32770", a[0])) != nullptr; }, timeoutMs))
        return Failure;
    char text[1024] = "";
    GetDlgItemTextA(box, MessageBoxTextId, text, sizeof text);
    std::printf("%s\n", text);
    PostMessageA(box, WM_CLOSE, 0, 0);
    return Success;
}

const struct {
    const char* name;
    DWORD bit;
} AttributeNames[] = {
    {"readonly", FILE_ATTRIBUTE_READONLY},
    {"hidden", FILE_ATTRIBUTE_HIDDEN},
    {"system", FILE_ATTRIBUTE_SYSTEM},
};

// Sets the attributes named in a comma-separated list, e.g. "readonly,hidden".
int setAttributes(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    DWORD attributes = 0;
    for (const auto& attribute : AttributeNames) {
        if (std::strstr(a[1].c_str(), attribute.name))
            attributes |= attribute.bit;
    }
    return SetFileAttributesA(a[0].c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) ? Success : Failure;
}

// Prints the names of the attributes that are set, comma-separated.
int showAttributes(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const DWORD attributes = GetFileAttributesA(a[0].c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Failure;
    const char* separator = "";
    for (const auto& attribute : AttributeNames) {
        if (attributes & attribute.bit) {
            std::printf("%s%s", separator, attribute.name);
            separator = ",";
        }
    }
    std::printf("\n");
    return Success;
}

const Registration registrations[] = {
    {"dismiss-message-box", "CAPTION [TIMEOUT_MS]  (prints the text, then closes the box)", dismissMessageBox},
    {"set-attributes", "PATH readonly,hidden,system|normal", setAttributes},
    {"show-attributes", "PATH", showAttributes},
};

} // namespace
