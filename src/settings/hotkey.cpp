#include "settings/hotkey.h"

namespace {

struct FlagToModifier {
    std::int32_t flag;
    unsigned modifier;
};

const FlagToModifier HotkeyModifierTable[] = {
    {HotkeyShift, ModifierShift},
    {HotkeyCtrl, ModifierControl},
    {HotkeyAlt, ModifierAlt},
    {HotkeyWindows, ModifierWin},
};

} // namespace

unsigned hotkeyModifiers(std::int32_t hotkey)
{
    unsigned modifiers = 0;
    for (const FlagToModifier& row : HotkeyModifierTable)
        if (hotkey & row.flag)
            modifiers |= row.modifier;
    return modifiers;
}
