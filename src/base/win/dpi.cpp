#include "base/win/dpi.h"

#include <shellapi.h>
#include <unknwn.h>

#include "base/win/fonts.h"
#include "base/win/owners.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SetDialogDpiChangeBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);
using SHGetImageListFunction = HRESULT(WINAPI*)(int, REFIID, void**);

// DDC_DISABLE_ALL of SetDialogDpiChangeBehavior (Windows 10 1703).
constexpr int DialogDpiChangesDisabled = 1;

// The system icon lists SHGetImageList knows, smallest first at any DPI: SHIL_SMALL,
// SHIL_LARGE, SHIL_EXTRALARGE.
constexpr int SystemIconLists[] = {1, 0, 2};
// IID_IImageList: the interface SHGetImageList hands out, usable as an HIMAGELIST.
constexpr GUID ImageListInterface = {0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// A system function that older Windows versions lack, or null.
template <typename Function>
Function laterSystemFunction(const char* module, const char* name)
{
    HMODULE loaded = GetModuleHandleA(module);
    if (!loaded)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

int systemDpi()
{
    const WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : DefaultDpi;
    return dpi > 0 ? dpi : DefaultDpi;
}

int iconListSize(HIMAGELIST images)
{
    int width = 0;
    int height = 0;
    return images && ImageList_GetIconSize(images, &width, &height) ? width : 0;
}

// The system's small icon list as SHGetFileInfo gives it: sized for the system-wide DPI.
HIMAGELIST systemSmallIconList()
{
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                                                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

// A dialog's base units (the pixels of 4 horizontal and 8 vertical dialog units) for `font`,
// measured as the dialog manager does.
SIZE baseUnitsOf(HFONT font)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    constexpr int letters = sizeof alphabet - 1;
    SIZE units{0, 0};
    const WindowDC screen(nullptr);
    if (!screen.get())
        return units;
    SelectedObject selected(screen.get(), font);
    SIZE extent{};
    TEXTMETRICA metrics{};
    if (GetTextExtentPoint32A(screen.get(), alphabet, letters, &extent) && GetTextMetricsA(screen.get(), &metrics))
        units = SIZE{(extent.cx / (letters / 2) + 1) / 2, metrics.tmHeight};
    return units;
}

// The base units the dialog's template font has at 96 DPI.
SIZE designedBaseUnits(HWND dialog, int dpi)
{
    LOGFONTA face{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!font || !GetObjectA(font, sizeof face, &face))
        return SIZE{0, 0};
    face.lfHeight = unscaleFromDpi(face.lfHeight, dpi);
    const Font designed(CreateFontIndirectA(&face));
    if (!designed.get())
        return SIZE{0, 0};
    return baseUnitsOf(designed.get());
}

struct DialogScale {
    HWND dialog;
    int actualX, wantedX, actualY, wantedY; // lengths scale by wanted / actual
};

BOOL CALLBACK rescaleChild(HWND child, LPARAM parameter)
{
    const DialogScale& scale = *reinterpret_cast<const DialogScale*>(parameter);
    HWND dialog = scale.dialog;
    if (GetParent(child) != dialog)
        return TRUE; // a control's own parts move with it
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    MoveWindow(child, rescaleBetweenDpis(box.left, scale.actualX, scale.wantedX),
               rescaleBetweenDpis(box.top, scale.actualY, scale.wantedY),
               rescaleBetweenDpis(box.right - box.left, scale.actualX, scale.wantedX),
               rescaleBetweenDpis(box.bottom - box.top, scale.actualY, scale.wantedY), FALSE);
    return TRUE;
}

} // namespace

void fitDialogToDpi(HWND dialog)
{
    const int dpi = windowDpi(dialog);
    const SIZE designed = designedBaseUnits(dialog, dpi);
    RECT unitProbe{0, 0, 4, 8};
    if (designed.cx <= 0 || designed.cy <= 0 || !MapDialogRect(dialog, &unitProbe))
        return;
    // Lengths scale by (designed units x dpi / 96) / actual units.
    const DialogScale scale{dialog, unitProbe.right * DefaultDpi, designed.cx * dpi, unitProbe.bottom * DefaultDpi,
                            designed.cy * dpi};
    if (scale.actualX == scale.wantedX && scale.actualY == scale.wantedY)
        return;
    EnumChildWindows(dialog, rescaleChild, reinterpret_cast<LPARAM>(&scale));

    RECT outer{};
    RECT client{};
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    const int width = outer.right - outer.left - client.right +
                      rescaleBetweenDpis(client.right, scale.actualX, scale.wantedX);
    const int height = outer.bottom - outer.top - client.bottom +
                       rescaleBetweenDpis(client.bottom, scale.actualY, scale.wantedY);
    SetWindowPos(dialog, nullptr, (outer.left + outer.right - width) / 2, (outer.top + outer.bottom - height) / 2,
                 width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int windowDpi(HWND window)
{
    static const auto getDpiForWindow = laterSystemFunction<GetDpiForWindowFunction>("USER32.DLL", "GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

int smallIconSize(int dpi)
{
    static const auto metricsForDpi =
        laterSystemFunction<GetSystemMetricsForDpiFunction>("USER32.DLL", "GetSystemMetricsForDpi");
    if (metricsForDpi)
        return metricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
    return rescaleBetweenDpis(GetSystemMetrics(SM_CXSMICON), systemDpi(), dpi);
}

HIMAGELIST systemIconListForDpi(int dpi)
{
    HIMAGELIST fallback = systemSmallIconList();
    static const auto getImageList = laterSystemFunction<SHGetImageListFunction>("SHELL32.DLL", "SHGetImageList");
    const int wanted = smallIconSize(dpi);
    if (!getImageList || iconListSize(fallback) == wanted)
        return fallback;
    HIMAGELIST closest = nullptr;
    for (int kind : SystemIconLists) {
        void* found = nullptr;
        if (FAILED(getImageList(kind, ImageListInterface, &found)) || !found)
            continue;
        // The shell keeps its lists for the life of the process; this reference is not needed.
        ComPointer<IUnknown>(static_cast<IUnknown*>(found)).reset();
        HIMAGELIST images = static_cast<HIMAGELIST>(found);
        const int size = iconListSize(images);
        if (size == wanted)
            return images;
        if (size > wanted && (!closest || size < iconListSize(closest)))
            closest = images;
    }
    return closest ? closest : fallback;
}

void drawIconOfSize(HIMAGELIST images, int index, HDC dc, int x, int y, int size)
{
    if (iconListSize(images) == size) {
        ImageList_Draw(images, index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    const OwnedIcon icon(ImageList_GetIcon(images, index, ILD_TRANSPARENT));
    if (!icon.get())
        return;
    DrawIconEx(dc, x, y, icon.get(), size, size, 0, nullptr, DI_NORMAL);
}

void takeOverDpiChanges(HWND dialog)
{
    static const auto setBehavior =
        laterSystemFunction<SetDialogDpiChangeBehaviorFunction>("USER32.DLL", "SetDialogDpiChangeBehavior");
    if (setBehavior)
        setBehavior(dialog, DialogDpiChangesDisabled, DialogDpiChangesDisabled);
}
