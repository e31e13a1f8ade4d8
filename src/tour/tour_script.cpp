#include "tour/tour_script.h"

namespace {

// Help pages by their place in the help action's list.
constexpr int WhatIsPage = 0;
constexpr int HotkeyHelpPage = 1;
constexpr int FilePage = 2;
constexpr int IndexPage = 3;

// States of this script besides the three fixed ones (start, menu start, close box).
constexpr int PressHotkeyState = 2;
constexpr int TypeState = 3;
constexpr int LookAtListState = 4;
constexpr int NiceGoingState = 5;
constexpr int TextMarkingState = 6;
constexpr int DetailsState = 7;
constexpr int ReadyState = 8;
constexpr int DocsFirstState = 10;
constexpr int WaitAtWelcomeState = 11;
constexpr int WaitAtHotkeyState = 12;
constexpr int ScanDoneState = 13;

// String-table ids of the tour's texts and answers.
constexpr std::uint16_t Welcome = 147, ReadDocsFirst = 148, ShowMe = 149, PressHotkey = 150, TypeName = 152,
                        LookAtList = 153, HotkeyFails = 154, FileMissing = 155, NiceGoing = 156,
                        TextMarking = 157, AnythingElse = 158, Ready = 159, ReadDocs = 160, Configure = 161,
                        Thanks = 162, TakeAHike = 163, StillScanning = 176, ScanDone = 177,
                        NotFinished = 186, Details = 187;

// Fills a state field by field, so that each row of the script reads as what it does.
class Row {
public:
    explicit Row(std::uint16_t textId)
    {
        row_.textId = textId;
        row_.firstCaptionId = row_.secondCaptionId = row_.thirdCaptionId = HiddenCaption;
        row_.firstAction = row_.secondAction = row_.thirdAction = NoAction;
        row_.eventAAction = row_.eventBAction = NoAction;
        row_.preAction = NoAction;
        row_.conditionAction = NoAction;
    }
    Row& flags(std::uint16_t flags)
    {
        row_.stateFlags = flags;
        return *this;
    }
    Row& first(std::uint16_t caption, std::uint16_t action) { return button(row_.firstCaptionId, row_.firstAction, caption, action); }
    Row& second(std::uint16_t caption, std::uint16_t action) { return button(row_.secondCaptionId, row_.secondAction, caption, action); }
    Row& third(std::uint16_t caption, std::uint16_t action) { return button(row_.thirdCaptionId, row_.thirdAction, caption, action); }
    Row& onEventA(int code, std::uint16_t action, int threshold = 1)
    {
        row_.eventACode = static_cast<std::uint16_t>(code);
        row_.eventAAction = action;
        row_.eventAThreshold = static_cast<std::uint16_t>(threshold);
        return *this;
    }
    Row& onEventB(int code, std::uint16_t action, int threshold = 1)
    {
        row_.eventBCode = static_cast<std::uint16_t>(code);
        row_.eventBAction = action;
        row_.eventBThreshold = static_cast<std::uint16_t>(threshold);
        return *this;
    }
    Row& pre(std::uint16_t action, int argument = 0, bool beforeTest = false)
    {
        row_.preAction = action;
        row_.preArgument = static_cast<std::uint16_t>(argument);
        if (beforeTest)
            row_.condition |= PreActionFirst;
        return *this;
    }
    Row& when(std::uint16_t test, int number, std::uint16_t value, std::uint16_t action, int argument = 0)
    {
        row_.condition = static_cast<std::uint16_t>((row_.condition & PreActionFirst) | test | (number & ConditionNumberMask));
        row_.conditionValue = value;
        row_.conditionAction = action;
        row_.conditionArgument = static_cast<std::uint16_t>(argument);
        return *this;
    }
    operator TourState() const { return row_; }

private:
    Row& button(std::uint16_t& captionField, std::uint16_t& actionField, std::uint16_t caption, std::uint16_t action)
    {
        captionField = caption;
        actionField = action;
        return *this;
    }
    TourState row_{};
};

const std::uint16_t Always = literal(0); // compared with 0 by an "equal" test: the test always holds

std::vector<TourState> makeScript()
{
    const std::uint16_t firstTimer = variableRef(FirstTimerVariable);
    const std::uint16_t scanRunning = variableRef(ScanRunningVariable);
    const std::uint16_t endTour = goTo(TourCloseBoxState);
    const std::uint16_t duringLauncher = SuppressMarkingFlag | OnlyIfOpenFlag;

    std::vector<TourState> script(ScanDoneState + 1, Row(0).flags(CloseTourFlag));
    // At start-up only a first-time user meets Gizmo.
    script[TourStartState] = Row(0).flags(CloseTourFlag).when(TestEqual, 1, firstTimer, goTo(TourMenuState));
    script[TourMenuState] = Row(Welcome)
                                .flags(FocusTourFlag)
                                .when(TestEqual, 1, scanRunning, goTo(WaitAtWelcomeState))
                                .first(ShowMe, goTo(PressHotkeyState))
                                .second(ReadDocsFirst, goTo(DocsFirstState))
                                .third(TakeAHike, endTour);
    script[PressHotkeyState] = Row(PressHotkey)
                                   .flags(SuppressMarkingFlag)
                                   .when(TestEqual, 1, scanRunning, goTo(WaitAtHotkeyState))
                                   .second(HotkeyFails, help(HotkeyHelpPage))
                                   .third(TakeAHike, endTour)
                                   .onEventA(LauncherShown, goTo(TypeState));
    script[TypeState] = Row(TypeName)
                            .flags(duringLauncher | SlideBesideLauncherFlag)
                            .third(TakeAHike, endTour)
                            .onEventA(QueryChanged, goTo(LookAtListState));
    script[LookAtListState] = Row(LookAtList)
                                  .flags(duringLauncher | SlideBesideLauncherFlag)
                                  .second(FileMissing, help(FilePage))
                                  .third(TakeAHike, endTour)
                                  .onEventA(EntryLaunched, goTo(NiceGoingState))
                                  .onEventB(LauncherShown, goTo(TypeState));
    script[NiceGoingState] = Row(NiceGoing)
                                 .flags(duringLauncher)
                                 .third(TakeAHike, endTour)
                                 .onEventA(LauncherShown, goTo(TextMarkingState));
    // From here on the typed text is marked again, which this state explains.
    script[TextMarkingState] = Row(TextMarking)
                                   .flags(OnlyIfOpenFlag | SlideBesideLauncherFlag)
                                   .first(AnythingElse, goTo(DetailsState))
                                   .second(TakeAHike, endTour);
    script[DetailsState] = Row(Details)
                               .flags(OnlyIfOpenFlag | FocusTourFlag)
                               .first(AnythingElse, goTo(ReadyState))
                               .second(ReadDocs, help(IndexPage));
    // Whoever got this far has finished the tour: it is not offered at the next start.
    script[ReadyState] = Row(Ready)
                             .flags(OnlyIfOpenFlag | FocusTourFlag)
                             .pre(setVariableTo(0), FirstTimerVariable)
                             .first(Thanks, endTour)
                             .second(ReadDocs, help(IndexPage))
                             .third(Configure, ConfigureAction);
    script[TourCloseBoxState] = Row(0).flags(CloseTourFlag).pre(setVariableTo(0), FirstTimerVariable);
    script[DocsFirstState] = Row(0).flags(CloseTourFlag).pre(help(WhatIsPage), 0, true).when(TestEqual, 0, Always, endTour);
    script[WaitAtWelcomeState] = Row(StillScanning)
                                     .flags(FocusTourFlag)
                                     .when(TestEqual, 0, scanRunning, goTo(ScanDoneState))
                                     .third(TakeAHike, endTour)
                                     .onEventA(ScanFinished, goTo(ScanDoneState));
    script[WaitAtHotkeyState] = Row(NotFinished)
                                    .when(TestEqual, 0, scanRunning, goTo(ScanDoneState))
                                    .third(TakeAHike, endTour)
                                    .onEventA(ScanFinished, goTo(ScanDoneState));
    script[ScanDoneState] = Row(ScanDone)
                                .flags(FocusTourFlag)
                                .first(ShowMe, goTo(PressHotkeyState))
                                .third(TakeAHike, endTour);
    return script;
}

} // namespace

const std::vector<TourState>& tourScript()
{
    static const std::vector<TourState> script = makeScript();
    return script;
}
