// Where the program's private window messages start. Each receiver defines its own, once, beside
// its window: the launcher window, the live preview and the main window. Portable code knows
// them as offsets from here; window code uses the full numbers.
#pragma once

constexpr unsigned FirstPrivateMessage = 0x0400; // WM_USER
