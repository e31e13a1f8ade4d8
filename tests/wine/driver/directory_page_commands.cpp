// Working the Directories and Scan definitions pages of the configuration sheet from outside.
#include "driver.h"

#include "base/win/owners.h"

#include <commctrl.h>

#include <cstdio>

namespace {

const char* const DialogClass = "#32770";

HWND findDialog(const std::string& title)
{
    return findTopWindow(DialogClass, title);
}

// The control in the dialog itself, else in the property sheet's current page.
HWND findControl(const std::string& title, int controlId)
{
    HWND dialog = findDialog(title);
    if (dialog == nullptr)
        return nullptr;
    if (HWND control = GetDlgItem(dialog, controlId))
        return control;
    HWND page = reinterpret_cast<HWND>(SendMessageA(dialog, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page ? GetDlgItem(page, controlId) : nullptr;
}

// Runs act(control) on the control named by the first two arguments (dialog title, control id),
// when there are at least `count` arguments.
template <typename Act>
int onControl(const Arguments& a, std::size_t count, Act act)
{
    return withWindow(a, count, [](const Arguments& given) { return findControl(given[0], toInt(given[1])); }, act);
}

void notifyParent(HWND control, UINT notification)
{
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), notification),
                 reinterpret_cast<LPARAM>(control));
}

int sheetSelect(const Arguments& a)
{
    return withWindow(a, 2, [](const Arguments& given) { return findDialog(given[0]); }, [&](HWND sheet) {
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(toInt(a[1])), 0);
        return Success;
    });
}

int controlText(const Arguments& a)
{
    return onControl(a, 2, [](HWND control) {
        char text[1024] = "";
        SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        std::printf("%s\n", text);
        return Success;
    });
}

// Sets an edit box's text; the box reports EN_CHANGE as if typed.
int setControlText(const Arguments& a)
{
    return onControl(a, 3, [&](HWND control) {
        SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        return Success;
    });
}

// Clicks a button by its notification, posted so that a modal dialog it opens does not block the driver.
int clickControl(const Arguments& a)
{
    return onControl(a, 2, [](HWND control) {
        notifyParent(control, BN_CLICKED);
        return Success;
    });
}

int checkControl(const Arguments& a)
{
    return onControl(a, 3, [&](HWND control) {
        SendMessageA(control, BM_SETCHECK, toInt(a[2]) ? BST_CHECKED : BST_UNCHECKED, 0);
        notifyParent(control, BN_CLICKED);
        return Success;
    });
}

// Selects a drop-down list item as the user would, with the notification that follows.
int comboSelect(const Arguments& a)
{
    return onControl(a, 3, [&](HWND control) {
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(toInt(a[2])), 0);
        notifyParent(control, CBN_SELENDOK);
        return Success;
    });
}

// One line per item; " *" marks the selected one.
int comboItems(const Arguments& a)
{
    return onControl(a, 2, [](HWND control) {
        const int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        for (int item = 0; item < count; ++item) {
            // Asked in UTF-16: Wine hands an ANSI request across processes as a wide string.
            wchar_t wide[1024] = L"";
            char text[1024] = "";
            if (SendMessageW(control, CB_GETLBTEXTLEN, item, 0) < 1024)
                SendMessageW(control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(wide));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            std::printf("%s%s\n", text, item == selected ? " *" : "");
        }
        return Success;
    });
}

int controlEnabled(const Arguments& a)
{
    return onControl(a, 2, [](HWND control) { return IsWindowEnabled(control) ? Success : Failure; });
}

// A list view of another process, read and changed through memory in that process.
class RemoteListView {
public:
    explicit RemoteListView(HWND list) : list_(list), process_(openOwner(list)), block_(process_.get(), BlockSize) {}
    bool ready() const { return remote_ != nullptr; }
    int count() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

    std::string cell(int row, int column)
    {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = remote_ + sizeof(LVITEMA);
        item.cchTextMax = TextSize;
        char text[TextSize] = "";
        if (WriteProcessMemory(process_.get(), remote_, &item, sizeof item, nullptr) &&
            SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote_)) >= 0)
            ReadProcessMemory(process_.get(), remote_ + sizeof(LVITEMA), text, sizeof text, nullptr);
        text[TextSize - 1] = '\0';
        return text;
    }

    bool select(int row, bool selected)
    {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state = selected ? LVIS_SELECTED : 0;
        return WriteProcessMemory(process_.get(), remote_, &item, sizeof item, nullptr) &&
               SendMessageA(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote_));
    }

    bool isSelected(int row) const
    {
        return (SendMessageA(list_, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }

private:
    static constexpr int TextSize = 1024;
    static constexpr SIZE_T BlockSize = sizeof(LVITEMA) + TextSize;

    static HANDLE openOwner(HWND list)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(list, &processId);
        return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    }

    HWND list_;
    // The block goes before the handle of the process it lives in.
    OwnedHandle process_;
    RemoteMemory block_;
    char* const remote_ = block_.get();
};

// One line per row, the cells separated by '|'; " *" marks selected rows.
int listRows(const Arguments& a)
{
    return onControl(a, 3, [&](HWND list) {
        RemoteListView view(list);
        if (!view.ready())
            return Failure;
        const int columns = toInt(a[2]);
        for (int row = 0; row < view.count(); ++row) {
            std::string line;
            for (int column = 0; column < columns; ++column)
                line += (column ? "|" : "") + view.cell(row, column);
            std::printf("%s%s\n", line.c_str(), view.isSelected(row) ? " *" : "");
        }
        return Success;
    });
}

// Selects exactly the given rows (none when no row is given).
int listSelect(const Arguments& a)
{
    return onControl(a, 2, [&](HWND list) {
        RemoteListView view(list);
        if (!view.ready())
            return Failure;
        bool ok = view.select(-1, false);
        for (std::size_t i = 2; i < a.size(); ++i)
            ok = view.select(toInt(a[i]), true) && ok;
        return ok ? Success : Failure;
    });
}

const Registration registrations[] = {
    {"sheet-select", "SHEET_TITLE PAGE_INDEX", sheetSelect},
    {"control-text", "DIALOG_TITLE CONTROL_ID  (controls of a sheet's current page too)", controlText},
    {"set-control-text", "DIALOG_TITLE CONTROL_ID TEXT", setControlText},
    {"click-control", "DIALOG_TITLE CONTROL_ID", clickControl},
    {"check-control", "DIALOG_TITLE CONTROL_ID 0|1", checkControl},
    {"combo-select", "DIALOG_TITLE CONTROL_ID ITEM", comboSelect},
    {"combo-items", "DIALOG_TITLE CONTROL_ID  (one line per item; * marks the selection)", comboItems},
    {"control-enabled", "DIALOG_TITLE CONTROL_ID", controlEnabled},
    {"list-rows", "DIALOG_TITLE CONTROL_ID COLUMNS  (cells joined by |; * marks selected rows)", listRows},
    {"list-select", "DIALOG_TITLE CONTROL_ID [ROW...]", listSelect},
};

} // namespace
