#include "settings/win/configuration_sheet.h"

ConfigurationSession configuration;

void openConfiguration()
{
    // The configuration sheet is not part of this build yet; its requests are accepted and dropped.
}
