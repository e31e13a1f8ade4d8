// Identifiers of the configuration windows; included by resource.h.
#pragma once
