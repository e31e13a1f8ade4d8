#include "shell/tour_interpreter.h"

#include "shell/tour_text.h"

namespace {

const char* const HelpPages[] = {"whatis.html", "hotkeyhelp.html", "file.html", "index.html"};
constexpr int HelpPageCount = sizeof HelpPages / sizeof HelpPages[0];

constexpr std::uint16_t ActionKindMask = 0xF000;
constexpr std::uint16_t ActionOperandMask = 0x0FFF;

// Counts one level of action nesting for as long as it lives.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

} // namespace

const char* tourHelpPage(int number)
{
    return number >= 0 && number < HelpPageCount ? HelpPages[number] : nullptr;
}

TourInterpreter::TourInterpreter(const std::vector<TourState>& script, TourHost& host, std::int32_t& firstTimer)
    : script_(script), host_(host), firstTimer_(firstTimer)
{
}

std::int32_t TourInterpreter::variable(int index) const
{
    if (index == FirstTimerVariable)
        return firstTimer_;
    return index >= 0 && index < TourVariableCount ? tourVariables_[index] : 0;
}

void TourInterpreter::setVariable(int index, std::int32_t value)
{
    if (index == FirstTimerVariable)
        firstTimer_ = value;
    else if (index >= 0 && index < TourVariableCount)
        tourVariables_[index] = value; // an index outside the table is ignored, not written past it
}

std::int32_t TourInterpreter::resolve(std::uint16_t reference) const
{
    const int low = reference & 0x7F;
    const int high = (reference >> 7) & 0x7F;
    if ((reference & 0xC000) == 0xC000) // wraps around in 32 bits, as the script's numbers do
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(variable(low)) -
                                          static_cast<std::uint32_t>(variable(high)));
    if (reference & 0x8000)
        return variable(low);
    return reference;
}

const TourState* TourInterpreter::current() const
{
    if (currentTourState_ < 0 || currentTourState_ >= static_cast<int>(script_.size()))
        return nullptr;
    return &script_[currentTourState_];
}

int TourInterpreter::runAction(std::uint16_t action, int argument)
{
    if (depth_ >= MaxActionDepth)
        return 0;
    DepthGuard guard(depth_);
    const int operand = action & ActionOperandMask;
    switch (action & ActionKindMask) {
    case GoToAction:
        if (operand >= static_cast<int>(script_.size()))
            return 0; // no such state: stay where we are
        currentTourState_ = operand;
        showState();
        return 1;
    case HelpAction:
        if (const char* page = tourHelpPage(operand))
            host_.openHelpPage(page);
        return 0;
    case ConfigureAction:
        host_.openConfiguration();
        return 0;
    case SetVariableAction:
        setVariable(argument, operand);
        return 0;
    case IndirectAction:
        return runAction(static_cast<std::uint16_t>(variable(action & 0x7F) & 0xFFFF), argument);
    default:
        return 0;
    }
}

void TourInterpreter::enterTourState(int state)
{
    if (state < 0 || state >= static_cast<int>(script_.size()))
        return;
    currentTourState_ = state;
    showState();
}

bool TourInterpreter::conditionHolds(const TourState& state) const
{
    const std::uint32_t number = state.condition & ConditionNumberMask;
    const auto value = static_cast<std::uint32_t>(resolve(state.conditionValue));
    switch (state.condition & TestMask) {
    case TestEqual:
        return number == value;
    case TestBelow:
        return number < value;
    default:
        return false;
    }
}

void TourInterpreter::showState()
{
    // The row is copied: an action run below may show another state while this one is half done.
    const TourState* row = current();
    if (!row)
        return;
    const TourState state = *row;
    const bool preFirst = (state.condition & PreActionFirst) != 0;
    if (preFirst && runAction(state.preAction, state.preArgument) == 1)
        return;
    if (conditionHolds(state) && runAction(state.conditionAction, state.conditionArgument) == 1)
        return;
    if (!preFirst && runAction(state.preAction, state.preArgument) == 1)
        return;
    if (state.stateFlags & CloseTourFlag) {
        if (host_.tourWindowOpen())
            host_.closeTourWindow();
        return;
    }
    if (!host_.tourWindowOpen()) {
        if (state.stateFlags & OnlyIfOpenFlag)
            return;
        host_.createTourWindow();
    }
    if (state.stateFlags & FocusTourFlag)
        host_.focusTourWindow();
    hotkeyName_ = host_.buildHotkeyName();
    eventCountA_ = 0;
    eventCountB_ = 0;
    suppressTextMarking_ = (state.stateFlags & SuppressMarkingFlag) != 0;
    if (state.stateFlags & SlideBesideLauncherFlag)
        host_.slideBesideLauncher();
    fillWindow(state);
    host_.redraw();
}

void TourInterpreter::fillWindow(const TourState& state)
{
    host_.showText(expandTourText(host_.loadString(resolve(state.textId)), hotkeyName_));
    const std::uint16_t captions[TourButtonCount] = {state.firstCaptionId, state.secondCaptionId,
                                                     state.thirdCaptionId};
    for (int button = 0; button < TourButtonCount; ++button) {
        host_.showButton(button, captions[button] != HiddenCaption);
        const std::int32_t captionId = resolve(captions[button]);
        if (captionId != HiddenCaption)
            host_.setCaption(button, host_.loadString(captionId));
    }
}

void TourInterpreter::tourEvent(int eventCode)
{
    if (const TourState* state = current(); state && eventCode == state->eventACode) {
        if (++eventCountA_ >= state->eventAThreshold)
            runAction(state->eventAAction, 0);
    }
    if (const TourState* state = current(); state && eventCode == state->eventBCode) {
        if (++eventCountB_ >= state->eventBThreshold)
            runAction(state->eventBAction, 0);
    }
}

void TourInterpreter::buttonClicked(int button)
{
    const TourState* state = current();
    if (!state || button < 0 || button >= TourButtonCount)
        return;
    const std::uint16_t actions[TourButtonCount] = {state->firstAction, state->secondAction, state->thirdAction};
    runAction(actions[button], 0);
}
