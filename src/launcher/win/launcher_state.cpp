#include "launcher/win/launcher_state.h"

LauncherShared launcherShared;
