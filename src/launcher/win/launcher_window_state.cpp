#include "launcher/win/launcher_window_state.h"

LauncherWindowState launcherWindowState;
