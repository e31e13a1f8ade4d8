#include "shell/win/app_state.h"

#include "shell/private_messages.h"

static_assert(FirstPrivateMessage == WM_USER, "private messages start at WM_USER");

AppShell app;
Settings settings;
Catalogue catalogue;
ScoreStore scoreStore;
