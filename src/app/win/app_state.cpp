#include "app/win/app_state.h"

#include "base/private_messages.h"
#include "configuration/win/configuration_session.h"
#include "launcher/win/launcher_state.h"

static_assert(FirstPrivateMessage == WM_USER, "private messages start at WM_USER");

AppShell app;
UiState ui;
Settings settings;
Catalogue catalogue;
ScoreStore scoreStore;
ConfigurationSession configuration;
LauncherShared launcherShared;
