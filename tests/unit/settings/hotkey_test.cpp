#include "settings/hotkey.h"

#include <gtest/gtest.h>

TEST(Hotkey, DefaultIsCtrlAltX)
{
    EXPECT_EQ(hotkeyVirtualKey(0x658), 0x58u);
    EXPECT_EQ(hotkeyModifiers(0x658), ModifierControl | ModifierAlt);
}

TEST(Hotkey, ExtendedFlagRegistersTheWindowsKey)
{
    EXPECT_EQ(hotkeyVirtualKey(0xA41), 0x41u);
    EXPECT_EQ(hotkeyModifiers(0xA41), ModifierWin | ModifierControl);
    EXPECT_EQ(hotkeyModifiers(0x141), ModifierShift);
    EXPECT_EQ(hotkeyModifiers(0x41), 0u);
}

TEST(Hotkey, BitsAboveTheModifiersAreIgnored)
{
    EXPECT_EQ(hotkeyModifiers(0x1F658), ModifierControl | ModifierAlt);
    EXPECT_EQ(hotkeyVirtualKey(0x1F658), 0x58u);
}
