#include "configuration/scan_options.h"

#include <gtest/gtest.h>

#include "settings/settings_model.h"

namespace {

TEST(ScanOptionsFromFlags, StartValueNineShowsMonitorAndDirectoryWithTheBoxAlways)
{
    const ScanOptionsChoice choice = scanOptionsFromFlags(9);
    EXPECT_TRUE(choice.monitorChanges);
    EXPECT_FALSE(choice.scanAtStartup);
    EXPECT_TRUE(choice.showScannedDirectory);
    EXPECT_EQ(choice.statusBoxItem, StatusBoxAlways);
}

TEST(ScanOptionsFromFlags, ReadsEachModeAndIgnoresTheOtherBits)
{
    EXPECT_EQ(scanOptionsFromFlags(0x10).statusBoxItem, StatusBoxExceptAtStartup);
    EXPECT_EQ(scanOptionsFromFlags(0x20).statusBoxItem, StatusBoxNever);
    EXPECT_EQ(scanOptionsFromFlags(0x30).statusBoxItem, 3);
    const ScanOptionsChoice others = scanOptionsFromFlags(NoNetworkWarning | NoRemovableWarning | LastScanAborted);
    EXPECT_FALSE(others.monitorChanges || others.scanAtStartup || others.showScannedDirectory);
    EXPECT_EQ(others.statusBoxItem, StatusBoxAlways);
}

TEST(FlagsWithScanOptions, ChangesOnlyThePagesBits)
{
    const std::int32_t foreign = NoNetworkWarning | NoRemovableWarning | LastScanAborted | 0x04 | 0x200;
    ScanOptionsChoice nothing;
    EXPECT_EQ(flagsWithScanOptions(foreign | ScanOptionBits, nothing), foreign);

    ScanOptionsChoice everything;
    everything.monitorChanges = everything.scanAtStartup = everything.showScannedDirectory = true;
    everything.statusBoxItem = StatusBoxExceptAtStartup;
    EXPECT_EQ(flagsWithScanOptions(foreign, everything), foreign | 0x01 | 0x02 | 0x08 | 0x10);
}

TEST(FlagsWithScanOptions, NeverDisplayKeepsTheDirectoryBitAsChecked)
{
    ScanOptionsChoice choice = scanOptionsFromFlags(9);
    choice.statusBoxItem = StatusBoxNever;
    EXPECT_FALSE(showDirectoryChoiceEnabled(choice.statusBoxItem));
    EXPECT_EQ(flagsWithScanOptions(9, choice), 0x01 | 0x08 | 0x20);
}

TEST(FlagsWithScanOptions, ASelectionThatNamesNoItemStoresNever)
{
    for (int item : {-1, 3, 7}) {
        ScanOptionsChoice choice;
        choice.statusBoxItem = item;
        EXPECT_EQ(statusBoxMode(flagsWithScanOptions(0x30, choice)), StatusBoxNever) << item;
    }
    EXPECT_TRUE(showDirectoryChoiceEnabled(-1)); // no selection is not "never"
}

TEST(FlagsWithScanOptions, ReadingAndWritingBackChangesNothing)
{
    for (std::int32_t flags : {0, 9, 0x1ff & ~0x30, 0x2b, 0x1d9})
        EXPECT_EQ(flagsWithScanOptions(flags, scanOptionsFromFlags(flags)), flags) << flags;
}

} // namespace
