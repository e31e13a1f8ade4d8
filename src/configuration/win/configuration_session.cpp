#include "configuration/win/configuration_session.h"

ConfigurationSession configuration;
