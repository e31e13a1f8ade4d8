#include "configuration/scan_options.h"

ScanOptionsChoice scanOptionsFromFlags(std::int32_t globalScanFlags)
{
    ScanOptionsChoice choice;
    choice.monitorChanges = (globalScanFlags & MonitorChanges) != 0;
    choice.scanAtStartup = (globalScanFlags & ScanAtStartup) != 0;
    choice.showScannedDirectory = (globalScanFlags & ShowScannedDirectory) != 0;
    choice.statusBoxItem = statusBoxMode(globalScanFlags);
    return choice;
}

std::int32_t flagsWithScanOptions(std::int32_t globalScanFlags, const ScanOptionsChoice& choice)
{
    const int item = choice.statusBoxItem >= StatusBoxAlways && choice.statusBoxItem <= StatusBoxNever
                         ? choice.statusBoxItem
                         : StatusBoxNever;
    std::int32_t flags = globalScanFlags & ~ScanOptionBits;
    if (choice.monitorChanges)
        flags |= MonitorChanges;
    if (choice.scanAtStartup)
        flags |= ScanAtStartup;
    if (choice.showScannedDirectory)
        flags |= ShowScannedDirectory;
    return flags | (item << 4);
}
