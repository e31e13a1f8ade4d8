#include "tour/tour_interpreter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Records what the interpreter asks of the window side.
class FakeHost : public TourHost {
public:
    bool open = false;
    int created = 0;
    int closed = 0;
    int focused = 0;
    int slid = 0;
    std::string text;
    bool shown[TourButtonCount] = {};
    std::string captions[TourButtonCount];
    std::vector<std::string> helpPages;
    int configurations = 0;
    std::string hotkey = "Ctrl + Alt + X";
    std::map<int, std::string> strings{{100, "Press %h now!"}, {101, "Yes"}, {102, "No"}, {103, "Maybe"}};

    bool tourWindowOpen() const override { return open; }
    void createTourWindow() override { open = true, ++created; }
    void closeTourWindow() override { open = false, ++closed; }
    void focusTourWindow() override { ++focused; }
    void slideBesideLauncher() override { ++slid; }
    std::string buildHotkeyName() override { return hotkey; }
    std::string loadString(int id) override
    {
        const auto found = strings.find(id);
        return found == strings.end() ? std::string() : found->second;
    }
    void showText(const std::string& shownText) override { text = shownText; }
    void showButton(int button, bool visible) override { shown[button] = visible; }
    void setCaption(int button, const std::string& caption) override { captions[button] = caption; }
    void redraw() override {}
    void openHelpPage(const char* page) override { helpPages.push_back(page); }
    void openConfiguration() override { ++configurations; }
};

TourState plainState(std::uint16_t textId = 100)
{
    TourState state{};
    state.textId = textId;
    state.firstCaptionId = state.secondCaptionId = state.thirdCaptionId = HiddenCaption;
    state.firstAction = state.secondAction = state.thirdAction = NoAction;
    state.eventAAction = state.eventBAction = state.preAction = state.conditionAction = NoAction;
    return state;
}

class TourInterpreterTest : public ::testing::Test {
protected:
    std::vector<TourState> script = std::vector<TourState>(12, plainState());
    FakeHost host;
    std::int32_t firstTimer = 1;
    TourInterpreter tour{script, host, firstTimer};
};

TEST_F(TourInterpreterTest, ValueReferencesResolveToNumbersVariablesAndDifferences)
{
    tour.setVariable(5, 40);
    tour.setVariable(9, 75);
    EXPECT_EQ(tour.resolve(literal(1234)), 1234);
    EXPECT_EQ(tour.resolve(0x4005), 0x4005); // bit 14 alone is part of the number
    EXPECT_EQ(tour.resolve(variableRef(9)), 75);
    EXPECT_EQ(tour.resolve(differenceRef(9, 5)), 35);
    EXPECT_EQ(tour.resolve(differenceRef(5, 9)), -35);
    EXPECT_EQ(tour.resolve(variableRef(FirstTimerVariable)), 1);
}

TEST_F(TourInterpreterTest, VariableSixtyTwoIsTheFirstTimerSetting)
{
    firstTimer = 7;
    EXPECT_EQ(tour.variable(FirstTimerVariable), 7);
    EXPECT_EQ(tour.runAction(setVariableTo(0), FirstTimerVariable), 0);
    EXPECT_EQ(firstTimer, 0);
}

TEST_F(TourInterpreterTest, SettingAVariableOutsideTheTableChangesNothing)
{
    EXPECT_EQ(tour.runAction(setVariableTo(3), 128), 0);
    EXPECT_EQ(tour.runAction(setVariableTo(3), 4000), 0);
    for (int i = 0; i < TourVariableCount; ++i)
        EXPECT_EQ(tour.variable(i), i == FirstTimerVariable ? 1 : 0) << i;
}

TEST_F(TourInterpreterTest, ActionsByKind)
{
    EXPECT_EQ(tour.runAction(help(0), 0), 0);
    EXPECT_EQ(tour.runAction(help(3), 0), 0);
    EXPECT_EQ(tour.runAction(help(4), 0), 0); // no such page: nothing opens
    EXPECT_EQ(host.helpPages, (std::vector<std::string>{"whatis.html", "index.html"}));
    EXPECT_EQ(tour.runAction(ConfigureAction, 0), 0);
    EXPECT_EQ(host.configurations, 1);
    EXPECT_EQ(tour.runAction(0x3000, 0), 0);
    EXPECT_EQ(tour.runAction(goTo(4), 0), 1);
    EXPECT_EQ(tour.currentTourState(), 4);
    EXPECT_EQ(tour.runAction(goTo(500), 0), 0); // past the script's end: stays put
    EXPECT_EQ(tour.currentTourState(), 4);
}

TEST_F(TourInterpreterTest, IndirectActionRunsTheVariablesActionWithTheSameArgument)
{
    tour.setVariable(20, 0x70000 | setVariableTo(9)); // only the low 16 bits count
    EXPECT_EQ(tour.runAction(runActionIn(20), 21), 0);
    EXPECT_EQ(tour.variable(21), 9);
    tour.setVariable(20, goTo(3));
    EXPECT_EQ(tour.runAction(runActionIn(20), 0), 1);
    EXPECT_EQ(tour.currentTourState(), 3);
}

TEST_F(TourInterpreterTest, SelfReferringActionsEndInsteadOfRecursingForever)
{
    tour.setVariable(30, runActionIn(30));
    EXPECT_EQ(tour.runAction(runActionIn(30), 0), 0);
    script[2].preAction = goTo(3);
    script[3].preAction = goTo(2);
    tour.enterTourState(2); // returns: a crash or a hang fails the test
}

TEST_F(TourInterpreterTest, OnlyIfOpenStateLeavesAClosedWindowClosed)
{
    script[3].stateFlags = OnlyIfOpenFlag;
    tour.enterTourState(3);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(host.created, 0);
    EXPECT_EQ(host.text, "");
    tour.enterTourState(1);
    EXPECT_EQ(host.created, 1);
    tour.enterTourState(3);
    EXPECT_EQ(host.created, 1); // the open window is reused
    EXPECT_EQ(host.text, "Press Ctrl + Alt + X now!");
}

TEST_F(TourInterpreterTest, CloseFlagClosesAnOpenWindowOnly)
{
    script[9].stateFlags = CloseTourFlag;
    tour.enterTourState(9);
    EXPECT_EQ(host.closed, 0);
    tour.enterTourState(1);
    tour.enterTourState(9);
    EXPECT_EQ(host.closed, 1);
    EXPECT_FALSE(host.open);
}

TEST_F(TourInterpreterTest, ButtonsHiddenByRawFieldCaptionedByResolvedId)
{
    script[1].firstCaptionId = 101;
    script[1].secondCaptionId = variableRef(40); // resolves to 103 below
    script[1].thirdCaptionId = HiddenCaption;
    tour.setVariable(40, 103);
    tour.enterTourState(1);
    EXPECT_TRUE(host.shown[0]);
    EXPECT_TRUE(host.shown[1]);
    EXPECT_FALSE(host.shown[2]);
    EXPECT_EQ(host.captions[0], "Yes");
    EXPECT_EQ(host.captions[1], "Maybe");

    tour.setVariable(40, HiddenCaption); // shown, but its caption is left as it was
    host.captions[1] = "old";
    tour.enterTourState(1);
    EXPECT_TRUE(host.shown[1]);
    EXPECT_EQ(host.captions[1], "old");
}

TEST_F(TourInterpreterTest, AllCaptionsHiddenShowsOnlyTheTextAndUnknownIdsGiveEmptyText)
{
    script[2].textId = 999;
    tour.enterTourState(2);
    EXPECT_EQ(host.text, "");
    for (bool visible : host.shown)
        EXPECT_FALSE(visible);
}

TEST_F(TourInterpreterTest, ButtonRunsItsActionWithArgumentZero)
{
    script[1].thirdAction = goTo(5);
    script[1].secondAction = setVariableTo(8);
    tour.enterTourState(1);
    tour.buttonClicked(1);
    EXPECT_EQ(tour.variable(0), 8);
    tour.buttonClicked(2);
    EXPECT_EQ(tour.currentTourState(), 5);
}

TEST_F(TourInterpreterTest, EventRunsOnItsThresholdAndShowingAStateRestartsTheCount)
{
    script[1].eventACode = QueryChanged;
    script[1].eventAThreshold = 3;
    script[1].eventAAction = goTo(2);
    tour.enterTourState(1);
    tour.tourEvent(QueryChanged);
    tour.tourEvent(QueryChanged);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(tour.currentTourState(), 1);
    tour.enterTourState(1); // shown again: counting starts over
    tour.tourEvent(QueryChanged);
    tour.tourEvent(QueryChanged);
    EXPECT_EQ(tour.currentTourState(), 1);
    tour.tourEvent(QueryChanged);
    EXPECT_EQ(tour.currentTourState(), 2);
}

TEST_F(TourInterpreterTest, SecondEventIsCheckedAgainstTheStateTheFirstLeadTo)
{
    script[1].eventACode = LauncherShown;
    script[1].eventAAction = goTo(2);
    script[1].eventAThreshold = 1;
    script[2].eventBCode = LauncherShown;
    script[2].eventBAction = goTo(3);
    script[2].eventBThreshold = 1;
    tour.enterTourState(1);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(tour.currentTourState(), 3);
}

TEST_F(TourInterpreterTest, ConditionTestsEqualAndUnsignedBelow)
{
    struct Case {
        std::uint16_t test;
        int number;
        std::int32_t value;
        bool holds;
    } cases[] = {
        {TestEqual, 1, 1, true},  {TestEqual, 1, 0, false},   {TestBelow, 2, 3, true},
        {TestBelow, 3, 3, false}, {TestBelow, 5, -1, true},   // -1 compares as a huge unsigned number
        {0x0000, 0, 0, false},    {0x8000, 0, 0, false},      // no test
    };
    for (const Case& c : cases) {
        script[1].condition = static_cast<std::uint16_t>(c.test | c.number);
        script[1].conditionValue = variableRef(50);
        script[1].conditionAction = goTo(6);
        tour.setVariable(50, c.value);
        tour.enterTourState(1);
        EXPECT_EQ(tour.currentTourState() == 6, c.holds) << c.test << " " << c.number << " " << c.value;
    }
}

TEST_F(TourInterpreterTest, PreActionRunsAfterTheTestUnlessBitThirteenIsSet)
{
    // The pre-action sets the variable that the test reads: the order decides whether the test holds.
    script[1].preAction = setVariableTo(1);
    script[1].preArgument = 50;
    script[1].condition = TestEqual | 1;
    script[1].conditionValue = variableRef(50);
    script[1].conditionAction = goTo(6);
    tour.enterTourState(1);
    EXPECT_EQ(tour.currentTourState(), 1);

    tour.setVariable(50, 0);
    script[1].condition |= PreActionFirst;
    tour.enterTourState(1);
    EXPECT_EQ(tour.currentTourState(), 6);
}

TEST_F(TourInterpreterTest, StateFlagsSetMarkingFocusAndSlide)
{
    script[1].stateFlags = SuppressMarkingFlag | FocusTourFlag | SlideBesideLauncherFlag;
    tour.enterTourState(1);
    EXPECT_TRUE(tour.suppressTextMarking());
    EXPECT_EQ(host.focused, 1);
    EXPECT_EQ(host.slid, 1);
    tour.enterTourState(2);
    EXPECT_FALSE(tour.suppressTextMarking());
    EXPECT_EQ(host.slid, 1);
}

TEST_F(TourInterpreterTest, HotkeyNameIsRebuiltEachTimeAStateIsShown)
{
    tour.enterTourState(1);
    host.hotkey = "Ctrl + Shift + F5";
    tour.enterTourState(1);
    EXPECT_EQ(host.text, "Press Ctrl + Shift + F5 now!");
}

} // namespace
