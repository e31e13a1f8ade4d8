#include "shell/win/app_state.h"

AppShell app;
Settings settings;
Catalogue catalogue;
ScoreStore scoreStore;
