#include "launcher/launcher_keys.h"

LauncherCommand commandForKey(int virtualKey)
{
    switch (virtualKey) {
    case KeyUp:
    case KeyDown:
        return LauncherCommand::MoveSelection;
    case KeyF12:
        return LauncherCommand::HideSelected;
    case KeyF9:
        return LauncherCommand::ShowProperties;
    case KeyF1:
        return LauncherCommand::ShowHelp;
    default:
        return LauncherCommand::None;
    }
}
