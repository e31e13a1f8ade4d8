// The tour guide's interpreter: shows the script's states and runs their actions.
#pragma once

#include "tour/tour_script.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int TourButtonCount = 3;
// Action chains deeper than this (a state whose entry leads back to itself, an indirect action
// naming its own variable) are cut off rather than recursing until the stack runs out.
constexpr int MaxActionDepth = 32;

// What the interpreter needs from the window side.
class TourHost {
public:
    virtual ~TourHost() = default;
    virtual bool tourWindowOpen() const = 0;
    virtual void createTourWindow() = 0; // modeless, topmost
    virtual void closeTourWindow() = 0;
    virtual void focusTourWindow() = 0;
    virtual void slideBesideLauncher() = 0;
    virtual std::string buildHotkeyName() = 0;
    virtual std::string loadString(int stringId) = 0; // empty for an id that does not exist
    virtual void showText(const std::string& text) = 0;
    virtual void showButton(int button, bool shown) = 0;
    virtual void setCaption(int button, const std::string& caption) = 0;
    virtual void redraw() = 0;
    virtual void openHelpPage(const char* pageName) = 0;
    virtual void openConfiguration() = 0;
};

class TourInterpreter {
public:
    // `firstTimer` is where variable 62 lives, so that the settings file and the script share it.
    TourInterpreter(const std::vector<TourState>& script, TourHost& host, std::int32_t& firstTimer);

    void enterTourState(int state);
    void tourEvent(int eventCode);
    void buttonClicked(int button); // 0 to 2

    // Returns 1 when the action changed the state, else 0.
    int runAction(std::uint16_t action, int argument);
    std::int32_t resolve(std::uint16_t valueReference) const;

    std::int32_t variable(int index) const;
    void setVariable(int index, std::int32_t value);

    int currentTourState() const { return currentTourState_; }
    bool suppressTextMarking() const { return suppressTextMarking_; }

private:
    const TourState* current() const;
    void showState();
    bool conditionHolds(const TourState& state) const;
    void fillWindow(const TourState& state);

    const std::vector<TourState>& script_;
    TourHost& host_;
    std::int32_t& firstTimer_;
    std::array<std::int32_t, TourVariableCount> tourVariables_{};
    int currentTourState_ = 0;
    int eventCountA_ = 0;
    int eventCountB_ = 0;
    bool suppressTextMarking_ = false;
    std::string hotkeyName_;
    int depth_ = 0;
};

// The help pages the help action opens, by number.
const char* tourHelpPage(int number);
