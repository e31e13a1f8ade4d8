// The keys the launcher's keyboard filter takes out of the dialog's loop, and what each becomes.
#pragma once

#include "launcher/launcher_messages.h"

// Virtual-key codes, spelt out so that the decisions below stay free of system headers.
constexpr int KeyUp = 0x26;
constexpr int KeyDown = 0x28;
constexpr int KeyF1 = 0x70;
constexpr int KeyF9 = 0x78;
constexpr int KeyF12 = 0x7B;

// What a key becomes: the offset of the launcher window's private message that carries it.
enum class LauncherCommand : unsigned {
    None = 0,
    MoveSelection = MoveSelectionOffset, // the key travels along
    HideSelected = HideSelectedOffset,
    ShowProperties = ShowPropertiesOffset,
    ShowHelp = ShowHelpOffset,
};

LauncherCommand commandForKey(int virtualKey);
