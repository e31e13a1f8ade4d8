#include "base/tray_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> shown;

void recordShown(TrayState state, const char* detailText)
{
    shown.push_back(std::to_string(state) + (detailText != nullptr ? std::string(":") + detailText : ""));
}

} // namespace

// A scan names every folder it enters, and puts back the state it found; the icon changes only
// when there is something new to show.
TEST(TrayState, ShowsChangesAndDetailsButNotTheSameStateAgain)
{
    setTrayState(Idle, nullptr);
    shown.clear();
    showTrayStateWith(recordShown);
    setTrayState(Idle, nullptr);
    setTrayState(Scanning, nullptr);
    setTrayState(Scanning, "Documents");
    setTrayState(Scanning, "Documents");
    setTrayState(Scanning, nullptr);
    setTrayState(Idle, nullptr);
    showTrayStateWith(nullptr);
    setTrayState(Configuring, nullptr);

    EXPECT_EQ(shown, (std::vector<std::string>{"2", "2:Documents", "2:Documents", "0"}));
    EXPECT_EQ(trayState(), Configuring);
    setTrayState(Idle, nullptr);
}
