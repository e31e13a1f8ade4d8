// Walks the real script with a fake window, the way a new user would.
#include "tour/tour_interpreter.h"

#include <gtest/gtest.h>

namespace {

class ScriptHost : public TourHost {
public:
    bool open = false;
    std::vector<std::string> helpPages;
    int configurations = 0;

    bool tourWindowOpen() const override { return open; }
    void createTourWindow() override { open = true; }
    void closeTourWindow() override { open = false; }
    void focusTourWindow() override {}
    void slideBesideLauncher() override {}
    std::string buildHotkeyName() override { return "Ctrl + Alt + X"; }
    std::string loadString(int) override { return "text"; }
    void showText(const std::string&) override {}
    void showButton(int, bool) override {}
    void setCaption(int, const std::string&) override {}
    void redraw() override {}
    void openHelpPage(const char* page) override { helpPages.push_back(page); }
    void openConfiguration() override { ++configurations; }
};

class TourScriptTest : public ::testing::Test {
protected:
    ScriptHost host;
    std::int32_t firstTimer = 1;
    TourInterpreter tour{tourScript(), host, firstTimer};

    int state() const { return tour.currentTourState(); }
    std::uint16_t text() const { return tourScript()[state()].textId; }
};

TEST_F(TourScriptTest, StartUpShowsNothingForAUserWhoHasSeenTheTour)
{
    firstTimer = 0;
    tour.enterTourState(TourStartState);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(firstTimer, 0);
}

TEST_F(TourScriptTest, FirstTimerIsWelcomedAndTheCloseBoxEndsTheTourForGood)
{
    tour.enterTourState(TourStartState);
    EXPECT_TRUE(host.open);
    EXPECT_EQ(text(), 147);
    tour.enterTourState(TourCloseBoxState);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(firstTimer, 0);
}

TEST_F(TourScriptTest, TheWholeWalkFromWelcomeToReady)
{
    tour.enterTourState(TourStartState);
    tour.buttonClicked(0); // "Okay Gizmo, show me!"
    EXPECT_EQ(text(), 150);
    EXPECT_TRUE(tour.suppressTextMarking());
    tour.tourEvent(QueryChanged); // not watched here
    EXPECT_EQ(text(), 150);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(text(), 152);
    tour.tourEvent(QueryChanged);
    EXPECT_EQ(text(), 153);
    tour.tourEvent(EntryLaunched);
    EXPECT_EQ(text(), 156);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(text(), 157);
    EXPECT_FALSE(tour.suppressTextMarking()); // this state shows the marking off
    tour.buttonClicked(0);
    EXPECT_EQ(text(), 187);
    EXPECT_EQ(firstTimer, 1);
    tour.buttonClicked(0);
    EXPECT_EQ(text(), 159);
    EXPECT_EQ(firstTimer, 0); // got to the end: not offered again
    tour.buttonClicked(2);
    EXPECT_EQ(host.configurations, 1);
    tour.buttonClicked(0); // "Thanks, Gizmo!"
    EXPECT_FALSE(host.open);
}

TEST_F(TourScriptTest, ReopeningTheLauncherWhileLookingAtTheListGoesBackToTyping)
{
    tour.enterTourState(TourMenuState);
    tour.buttonClicked(0);
    tour.tourEvent(LauncherShown);
    tour.tourEvent(QueryChanged);
    EXPECT_EQ(text(), 153);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(text(), 152);
}

TEST_F(TourScriptTest, ReadingTheDocsFirstOpensAPageAndEndsTheTour)
{
    tour.enterTourState(TourStartState);
    tour.buttonClicked(1);
    EXPECT_EQ(host.helpPages, (std::vector<std::string>{"whatis.html"}));
    EXPECT_FALSE(host.open);
    EXPECT_EQ(firstTimer, 0);
}

TEST_F(TourScriptTest, EveryHelpButtonOpensAKnownPage)
{
    tour.enterTourState(TourMenuState);
    tour.buttonClicked(0);
    tour.buttonClicked(1); // the hotkey does not work
    tour.tourEvent(LauncherShown);
    tour.tourEvent(QueryChanged);
    tour.buttonClicked(1); // the file does not appear
    EXPECT_EQ(host.helpPages, (std::vector<std::string>{"hotkeyhelp.html", "file.html"}));
}

TEST_F(TourScriptTest, ScanningDelaysTheTourUntilTheScanHasFinished)
{
    tour.setVariable(ScanRunningVariable, 1);
    tour.enterTourState(TourMenuState);
    EXPECT_EQ(text(), 176);
    tour.tourEvent(LauncherShown);
    EXPECT_EQ(text(), 176);
    tour.setVariable(ScanRunningVariable, 0);
    tour.tourEvent(ScanFinished);
    EXPECT_EQ(text(), 177);
    tour.buttonClicked(0);
    EXPECT_EQ(text(), 150);
}

TEST_F(TourScriptTest, ScanStartedBeforePressingTheHotkeyWaitsToo)
{
    tour.enterTourState(TourMenuState);
    tour.setVariable(ScanRunningVariable, 1);
    tour.buttonClicked(0);
    EXPECT_EQ(text(), 186);
    tour.setVariable(ScanRunningVariable, 0);
    tour.tourEvent(ScanFinished);
    EXPECT_EQ(text(), 177);
}

TEST_F(TourScriptTest, EveryStateCanBeLeftByTheUser)
{
    // A state without buttons and events would strand the user with only the close box.
    for (std::size_t i = 0; i < tourScript().size(); ++i) {
        const TourState& s = tourScript()[i];
        if (s.stateFlags & CloseTourFlag)
            continue;
        const bool anyButton = s.firstCaptionId != HiddenCaption || s.secondCaptionId != HiddenCaption ||
                               s.thirdCaptionId != HiddenCaption;
        EXPECT_TRUE(anyButton || s.eventACode != 0) << "state " << i;
    }
}

} // namespace
