// The Scan options page's view of GlobalScanFlags: three check boxes and the status box mode.
#pragma once

#include <cstdint>

#include "settings/settings_model.h" // StatusBoxMode: the items of the status box list, in order

struct ScanOptionsChoice {
    bool monitorChanges = false;
    bool scanAtStartup = false;
    bool showScannedDirectory = false;
    int statusBoxItem = StatusBoxAlways; // may name no item (a hand-edited mode 3)
};

// The bits the page owns; every other bit of GlobalScanFlags passes through untouched.
constexpr std::int32_t ScanOptionBits = ShowScannedDirectory | ScanAtStartup | MonitorChanges | StatusBoxModeMask;

ScanOptionsChoice scanOptionsFromFlags(std::int32_t globalScanFlags);

// The flags with the page's bits replaced by `choice`. A list selection that names no item
// stores "never", which is how the scans already treat the unnamed mode 3.
std::int32_t flagsWithScanOptions(std::int32_t globalScanFlags, const ScanOptionsChoice& choice);

// Without a status box there is no directory to show in it.
inline bool showDirectoryChoiceEnabled(int statusBoxItem) { return statusBoxItem != StatusBoxNever; }
