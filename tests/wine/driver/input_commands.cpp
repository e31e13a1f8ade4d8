// Keyboard and mouse input as a user would give it, through SendInput.
#include "driver.h"

#include "base/win/owners.h"

#include <cctype>
#include <map>
#include <vector>

namespace {

constexpr DWORD KeyGapMs = 30;

void sendKey(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(KeyGapMs);
}

const std::map<std::string, WORD>& keyNames()
{
    static const std::map<std::string, WORD> names = {
        {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"up", VK_UP}, {"down", VK_DOWN},
        {"left", VK_LEFT}, {"right", VK_RIGHT}, {"back", VK_BACK}, {"tab", VK_TAB},
        {"space", VK_SPACE}, {"f1", VK_F1}, {"f9", VK_F9}, {"f12", VK_F12},
        {"ctrl", VK_CONTROL}, {"alt", VK_MENU}, {"shift", VK_SHIFT}, {"win", VK_LWIN},
        {"home", VK_HOME}, {"end", VK_END}, {"delete", VK_DELETE},
    };
    return names;
}

// A key by name, or a single letter or digit.
bool virtualKeyOf(const std::string& name, WORD& key)
{
    auto found = keyNames().find(name);
    if (found != keyNames().end()) {
        key = found->second;
        return true;
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
        return true;
    }
    return false;
}

// Presses a chord such as ctrl+alt+x: modifiers down in order, key, then all up in reverse.
bool pressChord(const std::string& chord)
{
    std::vector<WORD> keys;
    std::size_t start = 0;
    while (start <= chord.size()) {
        std::size_t plus = chord.find('+', start);
        std::string part = chord.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        WORD key;
        if (!virtualKeyOf(part, key))
            return false;
        keys.push_back(key);
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    for (WORD key : keys)
        sendKey(key, false);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        sendKey(*it, true);
    return true;
}

int keys(const Arguments& a)
{
    for (const std::string& chord : a)
        if (!pressChord(chord))
            return UsageError;
    return Success;
}

// Types text character by character as key strokes (letters, digits, blanks and common signs).
int typeText(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    for (char c : a[0]) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            return UsageError;
        bool shift = (scan & 0x100) != 0;
        if (shift)
            sendKey(VK_SHIFT, false);
        sendKey(LOBYTE(scan), false);
        sendKey(LOBYTE(scan), true);
        if (shift)
            sendKey(VK_SHIFT, true);
    }
    return Success;
}

// Puts UTF-8 text on the clipboard as Unicode and presses Ctrl+V: text in any script, which no
// keyboard layout of the prefix can type.
int pasteText(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const int units = MultiByteToWideChar(CP_UTF8, 0, a[0].c_str(), -1, nullptr, 0);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(units) * sizeof(WCHAR)));
    if (units <= 0 || memory.get() == nullptr)
        return Failure;
    MultiByteToWideChar(CP_UTF8, 0, a[0].c_str(), -1, static_cast<WCHAR*>(GlobalLock(memory.get())), units);
    GlobalUnlock(memory.get());
    {
        const OpenedClipboard clipboard;
        if (!clipboard.isOpen())
            return Failure;
        EmptyClipboard();
        if (SetClipboardData(CF_UNICODETEXT, memory.get()))
            memory.release();
    } // closed, for the launcher to read
    return pressChord("ctrl+v") ? Success : Failure;
}

// Types lower-case letters and digits with one SendInput call, as a fast typist's burst that the
// program finds queued all at once.
int typeBurst(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    std::vector<INPUT> inputs;
    for (char c : a[0]) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1 || (scan & 0x100) != 0)
            return UsageError;
        for (bool up : {false, true}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = LOBYTE(scan);
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(LOBYTE(scan), 0));
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(KeyGapMs);
    return Success;
}

int hotkey(const Arguments& a)
{
    return pressChord(a.empty() ? "ctrl+alt+x" : a[0]) ? Success : UsageError;
}

// Clicks at screen coordinates: X Y [left|right] [double].
int click(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    bool right = a.size() > 2 && a[2] == "right";
    int times = a.size() > 3 && a[3] == "double" ? 2 : 1;
    SetCursorPos(toInt(a[0]), toInt(a[1]));
    Sleep(KeyGapMs);
    for (int i = 0; i < times; ++i) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof input[0]);
        Sleep(KeyGapMs);
    }
    return Success;
}

const Registration registrations[] = {
    {"keys", "CHORD...  (e.g. return, down, f12, ctrl+alt+x)", keys},
    {"type", "TEXT", typeText},
    {"paste", "TEXT  (UTF-8, through the clipboard and Ctrl+V)", pasteText},
    {"type-burst", "TEXT  (lower-case letters and digits, one SendInput)", typeBurst},
    {"hotkey", "[CHORD]  (default ctrl+alt+x)", hotkey},
    {"click", "X Y [left|right] [double]", click},
};

} // namespace
