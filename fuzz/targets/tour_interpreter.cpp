// The tour interpreter: a script of any states, variables of any values, and any sequence of
// states entered, events and button clicks. It never leaves its script or its variable table,
// and every text it shows stays within its limit.
#include "fuzz_target.h"

#include "tour/tour_interpreter.h"
#include "tour/tour_text.h"

#include <cstring>

namespace {

constexpr std::size_t StateFields = sizeof(TourState) / sizeof(std::uint16_t);
constexpr int MaxStates = 8;
constexpr int MaxSteps = 32;

class InputHost : public TourHost {
public:
    explicit InputHost(std::string text) : text_(std::move(text)) {}

    bool tourWindowOpen() const override { return open_; }
    void createTourWindow() override { open_ = true; }
    void closeTourWindow() override { open_ = false; }
    void focusTourWindow() override {}
    void slideBesideLauncher() override {}
    std::string buildHotkeyName() override { return text_; }
    std::string loadString(int stringId) override { return stringId % 3 == 0 ? std::string() : text_; }
    void showText(const std::string& text) override { FUZZ_CHECK(text.size() <= TourTextLimit); }
    void showButton(int button, bool) override { FUZZ_CHECK(button >= 0 && button < TourButtonCount); }
    void setCaption(int button, const std::string&) override { FUZZ_CHECK(button >= 0 && button < TourButtonCount); }
    void redraw() override {}
    void openHelpPage(const char* pageName) override { FUZZ_CHECK(pageName != nullptr); }
    void openConfiguration() override {}

private:
    std::string text_;
    bool open_ = false;
};

std::int32_t takeInt32(FuzzInput& input)
{
    const std::uint32_t low = input.word();
    return static_cast<std::int32_t>(low | (static_cast<std::uint32_t>(input.word()) << 16));
}

} // namespace

TANDOR_FUZZ_TARGET(tour_interpreter)
{
    FuzzInput input(data, size);
    std::vector<TourState> script(1 + input.byte() % MaxStates);
    for (TourState& state : script) {
        std::uint16_t fields[StateFields];
        for (std::uint16_t& field : fields)
            field = input.word();
        static_assert(sizeof fields == sizeof state, "a state is a row of 16-bit fields");
        std::memcpy(&state, fields, sizeof state);
    }
    std::int32_t firstTimer = takeInt32(input);
    InputHost host(input.text());
    TourInterpreter tour(script, host, firstTimer);
    for (int step = 0; step < MaxSteps && !input.empty(); ++step) {
        const std::uint8_t operation = input.byte();
        switch (operation % 5) {
        case 0:
            tour.enterTourState(input.byte());
            break;
        case 1:
            tour.tourEvent(input.byte() % 6);
            break;
        case 2:
            tour.buttonClicked(input.byte() % 4);
            break;
        case 3:
            tour.setVariable(input.byte(), takeInt32(input));
            break;
        default:
            tour.resolve(input.word());
            break;
        }
        FUZZ_CHECK(tour.currentTourState() >= 0 && tour.currentTourState() < static_cast<int>(script.size()));
    }
}
