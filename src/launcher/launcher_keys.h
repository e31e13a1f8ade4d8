// The keys the launcher's keyboard filter takes out of the dialog's loop, and what each becomes.
#pragma once

// Virtual-key codes, spelt out so that the decisions below stay free of system headers.
constexpr int KeyUp = 0x26;
constexpr int KeyDown = 0x28;
constexpr int KeyF1 = 0x70;
constexpr int KeyF9 = 0x78;
constexpr int KeyF12 = 0x7B;

// Offsets from WM_USER of the window's private messages.
enum class LauncherCommand {
    None = 0,
    MoveSelection = 1, // Up or Down; the key travels along
    HideSelected = 2,  // F12
    ShowProperties = 3, // F9
    ShowHelp = 4,      // F1
    IconLoaded = 5,    // posted by the icon loader
};

LauncherCommand commandForKey(int virtualKey);
