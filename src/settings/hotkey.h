// The Hotkey setting in the form the hotkey control reports it: low byte the virtual key,
// bits 8 to 11 Shift, Ctrl, Alt and the extended-key flag, which is registered as the Windows key.
#pragma once

#include <cstdint>

enum HotkeyFlag : std::int32_t {
    HotkeyShift = 0x100,
    HotkeyCtrl = 0x200,
    HotkeyAlt = 0x400,
    HotkeyWindows = 0x800,
};

// Modifier bits as RegisterHotKey takes them.
enum HotkeyModifier : unsigned {
    ModifierAlt = 1,
    ModifierControl = 2,
    ModifierShift = 4,
    ModifierWin = 8,
};

inline unsigned hotkeyVirtualKey(std::int32_t hotkey) { return static_cast<unsigned>(hotkey) & 0xFF; }
unsigned hotkeyModifiers(std::int32_t hotkey);
