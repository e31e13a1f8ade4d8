// The tour's script: a table of states, each a row of 16-bit fields that the interpreter reads.
#pragma once

#include <cstdint>
#include <vector>

struct TourState {
    std::uint16_t textId;
    std::uint16_t firstCaptionId, secondCaptionId, thirdCaptionId;
    std::uint16_t stateFlags;
    std::uint16_t firstAction, secondAction, thirdAction;
    std::uint16_t eventACode, eventAAction, eventAThreshold;
    std::uint16_t eventBCode, eventBAction, eventBThreshold;
    std::uint16_t preAction, preArgument;
    std::uint16_t condition;
    std::uint16_t conditionValue;
    std::uint16_t conditionAction, conditionArgument;
};

// A caption field holding this hides its button.
constexpr std::uint16_t HiddenCaption = 29556;

// stateFlags
constexpr std::uint16_t SuppressMarkingFlag = 0x0004;
constexpr std::uint16_t FocusTourFlag = 0x0020;
constexpr std::uint16_t CloseTourFlag = 0x0080;
constexpr std::uint16_t OnlyIfOpenFlag = 0x0200;
constexpr std::uint16_t SlideBesideLauncherFlag = 0x0800;

// condition: bits 15-14 the test, bit 13 the order, bits 12-0 the number
constexpr std::uint16_t TestEqual = 0x4000;
constexpr std::uint16_t TestBelow = 0xC000;
constexpr std::uint16_t TestMask = 0xC000;
constexpr std::uint16_t PreActionFirst = 0x2000;
constexpr std::uint16_t ConditionNumberMask = 0x1FFF;

// Action codes, by their top four bits; the low twelve bits are the operand.
constexpr std::uint16_t GoToAction = 0x0000;
constexpr std::uint16_t HelpAction = 0x1000;
constexpr std::uint16_t ConfigureAction = 0x2000;
constexpr std::uint16_t SetVariableAction = 0x4000;
constexpr std::uint16_t IndirectAction = 0x5000;
constexpr std::uint16_t NoAction = 0xF000;

constexpr int TourVariableCount = 128;
constexpr int FirstTimerVariable = 62;
constexpr int ScanRunningVariable = 63; // 1 while a scan runs, kept current by the window side

// Watched event codes; 0 watches nothing.
enum TourEventCode {
    LauncherShown = 1,
    QueryChanged = 2,
    EntryLaunched = 3,
    ScanFinished = 4,
};

constexpr int TourStartState = 0;
constexpr int TourMenuState = 1;
constexpr int TourCloseBoxState = 9;

// Value references: a number as it is, or a variable.
constexpr std::uint16_t literal(int number) { return static_cast<std::uint16_t>(number & 0x7FFF); }
constexpr std::uint16_t variableRef(int index) { return static_cast<std::uint16_t>(0x8000 | (index & 0x7F)); }
constexpr std::uint16_t differenceRef(int minuend, int subtrahend)
{
    return static_cast<std::uint16_t>(0xC000 | ((subtrahend & 0x7F) << 7) | (minuend & 0x7F));
}

constexpr std::uint16_t goTo(int state) { return static_cast<std::uint16_t>(GoToAction | (state & 0xFFF)); }
constexpr std::uint16_t help(int page) { return static_cast<std::uint16_t>(HelpAction | (page & 0xFFF)); }
constexpr std::uint16_t setVariableTo(int value) { return static_cast<std::uint16_t>(SetVariableAction | (value & 0xFFF)); }
constexpr std::uint16_t runActionIn(int index) { return static_cast<std::uint16_t>(IndirectAction | (index & 0x7F)); }

const std::vector<TourState>& tourScript();
