#include "launcher/win/result_list_view.h"

#include "base/utf8.h"
#include "base/win/dpi.h"
#include "base/win/narrow_text.h"
#include "base/win/fonts.h"
#include "launcher/announcement.h"
#include "launcher/launcher_limits.h"
#include "launcher/row_text.h"

#include <commctrl.h>
#include <shellapi.h>

ClientSize Win32ResultListView::clientSize()
{
    RECT client{};
    GetClientRect(list_, &client);
    return ClientSize{client.right, client.bottom};
}

int Win32ResultListView::rowSpacing()
{
    return HIWORD(SendMessageA(list_, LVM_GETITEMSPACING, TRUE, 0));
}

bool Win32ResultListView::hasImageList()
{
    return SendMessageA(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0;
}

void setUpResultList(HWND list)
{
    SendMessageA(list, LVM_SETBKCOLOR, 0, CLR_NONE);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = ListColumnWidth;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

// Any entry's path would do: every file's icon lives in the same system lists. The list of the
// window's DPI gives rows of the right height and icons drawn unscaled.
void Win32ResultListView::attachSystemImageList(const std::string&)
{
    if (HIMAGELIST images = systemIconListForDpi(dpi()))
        SendMessageA(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

void Win32ResultListView::announceRowCount(int count)
{
    SendMessageA(list_, LVM_SETITEMCOUNT, count, 0);
}

void Win32ResultListView::writeRow(int row, CatalogueEntry& entry, bool withImage, bool replace)
{
    // Accessibility tools read the item text: the name and where it comes from. Drawing takes
    // both from the entry.
    const std::string text = directories_ ? rowItemText(itemPattern_, entry, *directories_) : entry.name;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (withImage ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = reinterpret_cast<LPARAM>(&entry);
    item.iImage = -1;
    SendMessageA(list_, replace ? LVM_SETITEMA : LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

RowOrigin Win32ResultListView::rowOrigin(int row)
{
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageA(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
    return RowOrigin{bounds.left, bounds.top};
}

void Win32ResultListView::deleteRow(int row)
{
    SendMessageA(list_, LVM_DELETEITEM, row, 0);
}

void Win32ResultListView::deleteAllRows()
{
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
}

void Win32ResultListView::selectFirstRow()
{
    ListView_SetItemState(list_, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void Win32ResultListView::update()
{
    UpdateWindow(list_);
}

int Win32ResultListView::dpi()
{
    return windowDpi(list_);
}

int rowCount(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int selectedRow(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void selectRow(HWND list, int row)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    InvalidateRect(list, nullptr, FALSE);
}

void moveSelectedRow(HWND list, int from, int to)
{
    ListView_SetItemState(list, from, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(list, LVM_ENSUREVISIBLE, to, FALSE);
    InvalidateRect(list, nullptr, FALSE);
}

CatalogueEntry* rowEntry(HWND list, int row)
{
    if (row < 0)
        return nullptr;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<CatalogueEntry*>(item.lParam);
}

void blankRow(HWND list, int row)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    item.iImage = -1;
    item.lParam = 0;
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int rowAtCursor(HWND list)
{
    LVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(list, &hit.pt);
    return static_cast<int>(SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void setRowImage(HWND list, int row, int image)
{
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

namespace {

struct RowContents {
    int image = -1;
    const CatalogueEntry* entry = nullptr;
    bool selected = false;
    bool focused = false;
};

RowContents readRow(HWND list, int row)
{
    RowContents contents;
    LVITEMA item{};
    item.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = row;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.iImage = -1;
    if (SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        contents.image = item.iImage;
        contents.entry = reinterpret_cast<const CatalogueEntry*>(item.lParam);
        contents.selected = (item.state & LVIS_SELECTED) != 0;
        contents.focused = (item.state & LVIS_FOCUSED) != 0;
    }
    return contents;
}

// Fills the row's background and leaves the text colours on the device context.
void paintBackground(HWND window, HWND list, HDC dc, const RECT& area, bool selected, bool launching)
{
    if (!selected) {
        // The dialog's own answer: its background brush, with the normal static-text colours.
        HBRUSH brush = reinterpret_cast<HBRUSH>(
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
        FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
        return;
    }
    const int back = launching ? COLOR_INFOBK : COLOR_HIGHLIGHT;
    const int fore = launching ? COLOR_INFOTEXT : COLOR_HIGHLIGHTTEXT;
    FillRect(dc, &area, GetSysColorBrush(back));
    SetTextColor(dc, GetSysColor(fore));
}

} // namespace

void drawRowContents(HDC dc, const RECT& area, int dpi, HIMAGELIST images, int image, const char* name,
                     const char* directory, const RowFonts& fonts)
{
    if (image != -1 && images != nullptr)
        drawIconOfSize(images, image, dc, area.left + scaleToDpi(RowIconOffset, dpi), area.top, smallIconSize(dpi));
    if (name == nullptr)
        return;
    // Drawn in UTF-16: the narrow text functions read bytes in the font's character set, not in
    // the program's code page.
    SelectedObject font(dc, fonts.name);
    const std::wstring wideName = wideFromNarrow(name);
    const int length = static_cast<int>(wideName.size());
    TextOutW(dc, area.left + scaleToDpi(RowNameOffset, dpi), area.top, wideName.c_str(), length);
    if (directory == nullptr)
        return;
    SIZE nameSize{};
    GetTextExtentPoint32W(dc, wideName.c_str(), length, &nameSize);
    font.select(fonts.directory);
    const std::wstring wideDirectory = wideFromNarrow(directory);
    TextOutW(dc, area.left + nameSize.cx + scaleToDpi(RowDirectoryGap, dpi), area.top, wideDirectory.c_str(),
             static_cast<int>(wideDirectory.size()));
}

void drawResultRow(HWND window, const DRAWITEMSTRUCT& item, const RowFonts& fonts, RowLook look,
                   const std::vector<ScanDirectory>& directories)
{
    HWND list = item.hwndItem;
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    const RowContents row = readRow(list, static_cast<int>(item.itemID));

    const COLORREF oldTextColour = GetTextColor(dc);
    const int oldBackMode = SetBkMode(dc, TRANSPARENT);
    paintBackground(window, list, dc, area, row.selected, look.launching);

    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    const char* directory = row.entry ? directoryNameOf(*row.entry, directories) : nullptr;
    drawRowContents(dc, area, windowDpi(list), images, row.image, row.entry ? row.entry->name.c_str() : nullptr,
                    directory, fonts);
    // The focus stays in the query edit, so the list never draws this itself.
    if (row.focused && look.keyboardFocus) {
        const COLORREF oldBackColour = SetBkColor(dc, GetSysColor(row.selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        DrawFocusRect(dc, &area);
        SetBkColor(dc, oldBackColour);
    }
    SetTextColor(dc, oldTextColour);
    SetBkMode(dc, oldBackMode);
}
