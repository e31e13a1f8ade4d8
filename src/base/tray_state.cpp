#include "base/tray_state.h"

namespace {

TrayState currentState = Idle;
TrayStateDisplay currentDisplay = nullptr;

} // namespace

TrayState trayState()
{
    return currentState;
}

void setTrayState(TrayState state, const char* detailText)
{
    if (state == currentState && detailText == nullptr)
        return;
    currentState = state;
    if (currentDisplay != nullptr)
        currentDisplay(state, detailText);
}

void showTrayStateWith(TrayStateDisplay display)
{
    currentDisplay = display;
}
