// Identifiers of the tour windows; included by resource.h.
#pragma once

#define IDD_TOUR 143
#define IDC_TOUR_TEXT 1041
#define IDC_TOUR_SECOND 1042
#define IDC_TOUR_THIRD 1043
