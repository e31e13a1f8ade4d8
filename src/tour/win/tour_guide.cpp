// The tour window and the interpreter's window side: the script runs in tour/tour_interpreter.
#include "tour/win/tour_guide.h"

#include "base/tray_state.h"
#include "base/win/dpi.h"
#include "base/win/help.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"
#include "tour/tour_interpreter.h"
#include "tour/tour_slide.h"
#include "tour/tour_text.h"

#include <windowsx.h>

namespace {

// The tour notices the end of a scan by looking now and then: scans do not report to it.
constexpr UINT_PTR ScanWatchTimerId = 1;
constexpr UINT ScanWatchPeriodMs = 500;
constexpr int ButtonIds[TourButtonCount] = {IDOK, IDC_TOUR_SECOND, IDC_TOUR_THIRD};

HWND tourWindow = nullptr;
bool suppressTextMarking = false;

HWND noWindow() { return nullptr; }
void noConfiguration() {}
TourLinks links = {noWindow, noConfiguration};

INT_PTR CALLBACK TourWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

std::string keyNameOf(int virtualKey)
{
    char name[KeyNameLimit + 1] = {};
    const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), 0);
    GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, sizeof name);
    return name;
}

class WindowTourHost : public TourHost {
public:
    bool tourWindowOpen() const override { return tourWindow != nullptr; }

    void createTourWindow() override
    {
        tourWindow = CreateDialogParamA(app.appInstance, MAKEINTRESOURCEA(IDD_TOUR), app.mainWindow, TourWindowProc, 0);
        if (!tourWindow)
            return;
        SetWindowPos(tourWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ShowWindow(tourWindow, SW_SHOW);
        SetForegroundWindow(tourWindow);
        SetTimer(tourWindow, ScanWatchTimerId, ScanWatchPeriodMs, nullptr);
    }

    void closeTourWindow() override { DestroyWindow(tourWindow); }

    void focusTourWindow() override
    {
        if (tourWindow)
            SetFocus(tourWindow);
    }

    void slideBesideLauncher() override;

    std::string buildHotkeyName() override
    {
        ModifierWords words;
        words.ctrl = loadText(IDS_HOTKEY_CTRL);
        words.alt = loadText(IDS_HOTKEY_ALT);
        words.shift = loadText(IDS_HOTKEY_SHIFT);
        words.windows = loadText(IDS_HOTKEY_WINDOWS);
        const std::int32_t hotkey = settings.global.Hotkey;
        return ::buildHotkeyName(hotkey, words, keyNameOf(hotkey & 0xFF));
    }

    std::string loadString(int stringId) override { return loadText(static_cast<UINT>(stringId)); }

    void showText(const std::string& text) override { SetDlgItemTextA(tourWindow, IDC_TOUR_TEXT, text.c_str()); }

    void showButton(int button, bool shown) override
    {
        ShowWindow(GetDlgItem(tourWindow, ButtonIds[button]), shown ? SW_SHOW : SW_HIDE);
    }

    void setCaption(int button, const std::string& caption) override
    {
        SetDlgItemTextA(tourWindow, ButtonIds[button], caption.c_str());
    }

    void redraw() override { RedrawWindow(tourWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW); }

    void openHelpPage(const char* pageName) override { openHelp(pageName); }

    void openConfiguration() override { links.openConfiguration(); }
};

void WindowTourHost::slideBesideLauncher()
{
    HWND launcher = links.launcherWindow();
    if (!launcher || !tourWindow)
        return;
    RECT launcherRect{};
    RECT tourRect{};
    GetWindowRect(launcher, &launcherRect);
    GetWindowRect(tourWindow, &tourRect);
    const Span launcherSpan{launcherRect.left, launcherRect.top, launcherRect.right, launcherRect.bottom};
    const Span tourSpan{tourRect.left, tourRect.top, tourRect.right, tourRect.bottom};
    if (!spansOverlap(launcherSpan, tourSpan))
        return;
    const SlidePlan plan =
        planSlide(launcherRect.left, tourRect.right - tourRect.left, scaleToDpi(SlideLauncherGap, windowDpi(tourWindow)));
    if (plan.moveLauncher)
        SetWindowPos(launcher, nullptr, plan.launcherLeft, launcherRect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t step = 0; step < plan.lefts.size(); ++step) {
        SetWindowPos(tourWindow, nullptr, plan.lefts[step], tourRect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (step + 1 < plan.lefts.size()) {
            UpdateWindow(tourWindow);
            Sleep(SlideStepPauseMs);
        }
    }
}

WindowTourHost host;

TourInterpreter& interpreter()
{
    static TourInterpreter tour(tourScript(), host, settings.global.FirstTimer);
    return tour;
}

bool scanRunning() { return trayState() == Scanning; }

// Every way into the script goes through here, so that the variables it reads are current and the
// launcher window sees the marking choice of whatever state the script ends up in.
template <typename Step>
void runTourStep(Step step)
{
    TourInterpreter& tour = interpreter();
    tour.setVariable(ScanRunningVariable, scanRunning() ? 1 : 0);
    step(tour);
    suppressTextMarking = tour.suppressTextMarking();
}

void onTourCommand(HWND, int id, HWND, UINT notification)
{
    if (notification != BN_CLICKED)
        return;
    for (int button = 0; button < TourButtonCount; ++button) {
        if (ButtonIds[button] == id)
            runTourStep([button](TourInterpreter& tour) { tour.buttonClicked(button); });
    }
}

void onTourTimer(HWND, UINT id)
{
    if (id != ScanWatchTimerId)
        return;
    TourInterpreter& tour = interpreter();
    if (tour.variable(ScanRunningVariable) == 1 && !scanRunning())
        runTourStep([](TourInterpreter& step) { step.tourEvent(ScanFinished); });
}

void onTourDestroy(HWND window)
{
    KillTimer(window, ScanWatchTimerId);
    tourWindow = nullptr;
}

INT_PTR CALLBACK TourWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        HANDLE_WM_COMMAND(window, wParam, lParam, onTourCommand);
        return TRUE;
    case WM_CLOSE:
        runTourStep([](TourInterpreter& tour) { tour.enterTourState(TourCloseBoxState); });
        return TRUE;
    case WM_TIMER:
        HANDLE_WM_TIMER(window, wParam, lParam, onTourTimer);
        return TRUE;
    case WM_DESTROY:
        onTourDestroy(window);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void connectTour(const TourLinks& given)
{
    links = given;
}

bool tourLetsLauncherMarkText()
{
    return !suppressTextMarking;
}

void enterTourState(int state)
{
    runTourStep([state](TourInterpreter& tour) { tour.enterTourState(state); });
}

void tourEvent(int eventCode)
{
    runTourStep([eventCode](TourInterpreter& tour) { tour.tourEvent(eventCode); });
}
