// Identifiers of the directories and scan definitions windows; included by resource.h.
#pragma once
