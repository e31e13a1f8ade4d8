#include "settings/win/live_preview.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "resources/resource.h"
#include "settings/user_interface_choices.h"
#include "settings/win/window_alpha.h"
#include "shell/win/app_state.h"
#include "shell/win/dpi.h"
#include "shell/win/help.h"

namespace {

constexpr UINT_PTR FadeDelayTimer = 1;
constexpr UINT_PTR FadeStepTimer = 2;
constexpr int SampleRowCount = 6;
constexpr int PreviewColumnWidth = 32767;
// Pixel lengths at 96 DPI, scaled to the preview's DPI.
constexpr int RowIconOffset = 4;
constexpr int RowTextOffset = 28;
constexpr int ItalicGap = 10;
constexpr int BoldWeight = 700;

HWND previewWindow = nullptr;
int previewAlpha = 0;
DWORD lastFadeTime = 0;
std::string sampleText;

// The system owns the list: the control only shares it.
void attachSystemImageList(HWND list)
{
    if (HIMAGELIST images = systemIconListForDpi(windowDpi(list)))
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void fillSampleRows(HWND list)
{
    SendMessageA(list, LVM_SETBKCOLOR, 0, CLR_NONE);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = PreviewColumnWidth;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    if (settings.global.ShowIcons)
        attachSystemImageList(list);
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
    loadTextInto(IDS_PREVIEW_SAMPLE, sampleText);
    SetDlgItemTextA(preview, IDC_QUERY_EDIT, sampleText.c_str());
    fillSampleRows(GetDlgItem(preview, IDC_RESULT_LIST));
    return FALSE; // the preview never takes the focus
}

HFONT variantOf(HWND list, int weight, bool italic)
{
    return fontVariant(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), weight, italic);
}

void drawSampleRow(const DRAWITEMSTRUCT& item)
{
    const int row = static_cast<int>(item.itemID);
    const RECT& area = item.rcItem;
    HDC dc = item.hDC;
    const int dpi = windowDpi(item.hwndItem);
    if (settings.global.ShowIcons) {
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(item.hwndItem, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        if (images != nullptr)
            drawIconOfSize(images, row, dc, area.left + scaleToDpi(RowIconOffset, dpi), area.top, smallIconSize(dpi));
    }
    HFONT bold = variantOf(item.hwndItem, BoldWeight, FALSE);
    HFONT italic = variantOf(item.hwndItem, FW_NORMAL, TRUE);
    const int length = static_cast<int>(sampleText.size());
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previousFont = SelectObject(dc, bold);
    const int textLeft = area.left + scaleToDpi(RowTextOffset, dpi);
    TextOutA(dc, textLeft, area.top, sampleText.c_str(), length);
    SIZE boldSize{};
    GetTextExtentPoint32A(dc, sampleText.c_str(), length, &boldSize);
    SelectObject(dc, italic);
    TextOutA(dc, textLeft + boldSize.cx + scaleToDpi(ItalicGap, dpi), area.top, sampleText.c_str(), length);
    SelectObject(dc, previousFont);
    DeleteObject(bold);
    DeleteObject(italic);
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
    case PreviewShowAlphaMessage:
        onShowAlpha(preview, static_cast<int>(wParam));
        return TRUE;
    case PreviewFadeLaterMessage:
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

HWND livePreviewWindow()
{
    return previewWindow;
}

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
