// Identifiers of the tour windows; included by resource.h.
#pragma once
