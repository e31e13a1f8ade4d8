#include "settings/win/hotkey_registration.h"

#include "base/win/program_handles.h"
#include "settings/hotkey.h"
#include "settings/win/settings_store.h"

namespace {

const char* const HotkeyAtomName = "Tandor HotKey";

ATOM hotkeyAtom = 0;

} // namespace

void addHotkeyAtom()
{
    hotkeyAtom = GlobalAddAtomA(HotkeyAtomName);
}

void deleteHotkeyAtom()
{
    GlobalDeleteAtom(hotkeyAtom);
}

BOOL registerHotkey()
{
    const std::int32_t hotkey = settings.global.Hotkey;
    return RegisterHotKey(app.mainWindow, hotkeyAtom, hotkeyModifiers(hotkey), hotkeyVirtualKey(hotkey));
}

void unregisterHotkey()
{
    UnregisterHotKey(app.mainWindow, hotkeyAtom);
}
