#include "configuration/win/live_preview.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "base/win/dpi.h"
#include "base/win/fonts.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "base/win/window_alpha.h"
#include "configuration/user_interface_choices.h"
#include "launcher/win/result_list_view.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

namespace {

constexpr UINT_PTR FadeDelayTimer = 1;
constexpr UINT_PTR FadeStepTimer = 2;
constexpr int SampleRowCount = 6;

HWND previewWindow = nullptr;
int previewAlpha = 0;
DWORD lastFadeTime = 0;
std::string sampleText;

void fillSampleRows(HWND list)
{
    setUpResultList(list);
    if (settings.global.ShowIcons)
        Win32ResultListView(list).attachSystemImageList(std::string());
    for (int row = 0; row < SampleRowCount; ++row) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(sampleText.c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    LVITEMA selection{};
    selection.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selection.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selection));
}

BOOL onPreviewInit(HWND preview)
{
    fitDialogToDpi(preview);
    sampleText = loadText(IDS_PREVIEW_SAMPLE);
    SetDlgItemTextA(preview, IDC_QUERY_EDIT, sampleText.c_str());
    fillSampleRows(GetDlgItem(preview, IDC_RESULT_LIST));
    return FALSE; // the preview never takes the focus
}

void drawSampleRow(const DRAWITEMSTRUCT& item)
{
    HIMAGELIST images = nullptr;
    if (settings.global.ShowIcons)
        images = reinterpret_cast<HIMAGELIST>(SendMessageA(item.hwndItem, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    // The sample is drawn as the launcher draws a row: the name in bold, the directory in italics.
    const HFONT listFont = fontOf(item.hwndItem);
    const Font bold = fontVariant(listFont, BoldWeight, false);
    const Font italic = fontVariant(listFont, NormalWeight, true);
    SetBkMode(item.hDC, TRANSPARENT);
    drawRowContents(item.hDC, item.rcItem, windowDpi(item.hwndItem), images, static_cast<int>(item.itemID),
                    sampleText.c_str(), sampleText.c_str(), RowFonts{bold.get(), italic.get()});
}

void onShowAlpha(HWND preview, int alpha)
{
    previewAlpha = alpha;
    setWindowAlpha(preview, static_cast<BYTE>(previewAlpha));
    KillTimer(preview, FadeDelayTimer);
    KillTimer(preview, FadeStepTimer);
}

void onFadeLater(HWND preview, UINT delayMs)
{
    KillTimer(preview, FadeDelayTimer);
    SetTimer(preview, FadeDelayTimer, delayMs, nullptr);
}

void onTimer(HWND preview, UINT_PTR timer)
{
    if (timer == FadeDelayTimer) {
        KillTimer(preview, FadeDelayTimer);
        SetTimer(preview, FadeStepTimer, PreviewFadeTimerMs, nullptr);
        lastFadeTime = timeGetTime();
        return;
    }
    if (timer != FadeStepTimer)
        return;
    const DWORD now = timeGetTime();
    previewAlpha = fadedAlpha(previewAlpha, now - lastFadeTime);
    lastFadeTime = now;
    if (previewAlpha < 1)
        DestroyWindow(preview);
    else
        setWindowAlpha(preview, static_cast<BYTE>(previewAlpha));
}

INT_PTR CALLBACK LivePreviewProc(HWND preview, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return onPreviewInit(preview);
    case WM_DRAWITEM:
        if (wParam != IDC_RESULT_LIST)
            return FALSE;
        drawSampleRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_PREVIEW_SHOW_ALPHA:
        onShowAlpha(preview, static_cast<int>(wParam));
        return TRUE;
    case WM_PREVIEW_FADE_LATER:
        onFadeLater(preview, static_cast<UINT>(wParam));
        return TRUE;
    case WM_TIMER:
        onTimer(preview, wParam);
        return TRUE;
    case WM_DESTROY:
        KillTimer(preview, FadeDelayTimer);
        KillTimer(preview, FadeStepTimer);
        previewWindow = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

// Half of the preview hangs over the page's right edge, just below the scroll bar.
void placePreview(HWND preview, HWND page, HWND scrollBar)
{
    RECT pageBox{}, barBox{}, client{};
    GetWindowRect(page, &pageBox);
    GetWindowRect(scrollBar, &barBox);
    GetClientRect(preview, &client);
    const int gap = scaleToDpi(PreviewGapBelowScrollBar, windowDpi(page));
    SetWindowPos(preview, nullptr, pageBox.right - client.right / 2, barBox.bottom + gap, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

HWND showLivePreview(HWND page, HWND scrollBar)
{
    if (previewWindow != nullptr)
        return previewWindow;
    // No owner: the preview may outlive the sheet for the moment its fade takes.
    previewWindow = CreateDialogParamA(app.appInstance, MAKEINTRESOURCEA(IDD_LIVE_PREVIEW), nullptr, LivePreviewProc, 0);
    if (previewWindow == nullptr)
        return nullptr;
    placePreview(previewWindow, page, scrollBar);
    ShowWindow(previewWindow, SW_SHOWNOACTIVATE);
    return previewWindow;
}
