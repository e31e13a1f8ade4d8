// Reading the launcher window of the running Tandor: its rows (through memory lent by the
// launcher's process, since list-view texts do not cross processes), its selection, its query,
// and the scores file it writes.
#include "driver.h"

#include "base/win/owners.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int QueryEditId = 1002;
constexpr int ResultListId = 1001;
constexpr int HintTextId = 1035;
constexpr int RowTextSize = 260;

BOOL CALLBACK checkLauncher(HWND window, LPARAM parameter)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    if (!GetDlgItem(window, QueryEditId) || !GetDlgItem(window, ResultListId))
        return TRUE;
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

// The launcher window: a visible dialog with the query edit and the result list.
HWND findLauncher()
{
    HWND found = nullptr;
    EnumWindows(checkLauncher, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND launcherOf(const Arguments&)
{
    return findLauncher();
}

struct Row {
    std::string text;
    int image = -1;
    bool selected = false;
};

// Reads every row with one block of the launcher's own memory for the item and its text.
bool readRows(HWND list, std::vector<Row>& rows)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const OwnedHandle opened(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    HANDLE process = opened.get();
    if (!process)
        return false;
    const SIZE_T blockSize = sizeof(LVITEMA) + RowTextSize;
    const RemoteMemory block(process, blockSize);
    char* remote = block.get();
    bool ok = remote != nullptr;
    const int count = ok ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    for (int row = 0; ok && row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.stateMask = LVIS_SELECTED;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = RowTextSize;
        ok = WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
             SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote));
        char text[RowTextSize] = "";
        ok = ok && ReadProcessMemory(process, remote, &item, sizeof item, nullptr) &&
             ReadProcessMemory(process, remote + sizeof(LVITEMA), text, sizeof text, nullptr);
        if (ok) {
            text[RowTextSize - 1] = '\0';
            rows.push_back(Row{text, item.iImage, (item.state & LVIS_SELECTED) != 0});
        }
    }
    return ok;
}

HWND launcherList()
{
    HWND launcher = findLauncher();
    return launcher ? GetDlgItem(launcher, ResultListId) : nullptr;
}

// Prints one line per row: the text, then " [image N]" with `images`, and " *" for the selected row.
int launcherRows(const Arguments& a)
{
    HWND list = launcherList();
    std::vector<Row> rows;
    if (!list || !readRows(list, rows))
        return Failure;
    const bool images = !a.empty() && a[0] == "images";
    for (const Row& row : rows) {
        std::printf("%s", row.text.c_str());
        if (images)
            std::printf(" [image %d]", row.image);
        std::printf("%s\n", row.selected ? " *" : "");
    }
    return Success;
}

std::string joinedRows(const std::vector<Row>& rows)
{
    std::string joined;
    for (const Row& row : rows)
        joined += row.text + "|";
    return joined;
}

// A row's item text is its name, followed by ", " and the directory's description when it has one.
bool rowShowsName(const std::string& text, const std::string& name)
{
    return text == name || text.rfind(name + ", ", 0) == 0;
}

bool rowsShowNames(const std::vector<Row>& rows, const Arguments& names)
{
    if (rows.size() != names.size())
        return false;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rowShowsName(rows[i].text, names[i]))
            return false;
    return true;
}

// Waits until the list holds exactly the rows of the given names in this order (no name: an empty
// list).
int launcherWaitRows(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const Arguments names(a.begin() + 1, a.end());
    std::string expected;
    for (const std::string& name : names)
        expected += name + "|";
    std::string seen;
    const bool found = waitUntil(
        [&] {
            std::vector<Row> rows;
            HWND list = launcherList();
            if (!list || !readRows(list, rows))
                return false;
            seen = joinedRows(rows);
            return rowsShowNames(rows, names);
        },
        static_cast<DWORD>(toInt(a[0])));
    if (!found)
        std::fprintf(stderr, "rows: %s\nwanted: %s\n", seen.c_str(), expected.c_str());
    return found ? Success : Failure;
}

// Waits until row N is the selected one.
int launcherWaitSelected(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    const int wanted = toInt(a[1]);
    int seen = -1;
    const bool found = waitUntil(
        [&] {
            HWND list = launcherList();
            seen = list ? static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) : -2;
            return seen == wanted;
        },
        static_cast<DWORD>(toInt(a[0])));
    if (!found)
        std::fprintf(stderr, "selected row: %d, wanted %d\n", seen, wanted);
    return found ? Success : Failure;
}

// Waits until the row has an icon from the system image list.
int launcherWaitIcon(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    const std::size_t row = static_cast<std::size_t>(toInt(a[1]));
    return waitUntil(
               [&] {
                   std::vector<Row> rows;
                   HWND list = launcherList();
                   return list && readRows(list, rows) && row < rows.size() && rows[row].image >= 0;
               },
               static_cast<DWORD>(toInt(a[0])))
               ? Success
               : Failure;
}

int launcherWait(const Arguments& a)
{
    const DWORD timeout = a.empty() ? 30000 : static_cast<DWORD>(toInt(a[0]));
    return waitUntil([] { return findLauncher() != nullptr; }, timeout) ? Success : Failure;
}

int launcherWaitGone(const Arguments& a)
{
    const DWORD timeout = a.empty() ? 30000 : static_cast<DWORD>(toInt(a[0]));
    return waitUntil([] { return findLauncher() == nullptr; }, timeout) ? Success : Failure;
}

int launcherQuery(const Arguments& a)
{
    return withWindow(a, 0, launcherOf, [](HWND launcher) {
        char text[256] = "";
        SendMessageTimeoutA(GetDlgItem(launcher, QueryEditId), WM_GETTEXT, sizeof text,
                            reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
        std::printf("%s\n", text);
        return Success;
    });
}

// Exit 0 when the hint shows and the list is hidden, 1 when it is the other way round.
int launcherHintShown(const Arguments&)
{
    HWND launcher = findLauncher();
    if (!launcher)
        return UsageError;
    const bool hint = IsWindowVisible(GetDlgItem(launcher, HintTextId));
    const bool list = IsWindowVisible(GetDlgItem(launcher, ResultListId));
    return hint && !list ? Success : Failure;
}

// Prints the launcher window's outer rectangle: left top width height.
int launcherRect(const Arguments&)
{
    HWND launcher = findLauncher();
    RECT rect{};
    if (!launcher || !GetWindowRect(launcher, &rect))
        return Failure;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return Success;
}

// Prints the records of a scores file as "SCORE PATH" lines; fails on a wrong magic.
int scoresFile(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    FILE* file = std::fopen(a[0].c_str(), "rb");
    if (!file)
        return Failure;
    unsigned char magic[4] = {};
    bool ok = std::fread(magic, 1, 4, file) == 4 && magic[0] == 'S' && magic[1] == 'C' && magic[2] == 'O' && magic[3] == '0';
    unsigned char head[3];
    while (ok && std::fread(head, 1, 3, file) == 3) {
        const int length = (head[1] | (head[2] << 8)) & 0x0FFF;
        std::string path(static_cast<std::size_t>(length), '\0');
        if (length > 0 && std::fread(&path[0], 1, path.size(), file) != path.size()) {
            ok = false;
            break;
        }
        path.resize(path.find('\0') == std::string::npos ? path.size() : path.find('\0'));
        std::printf("%d %s\n", static_cast<signed char>(head[0]), path.c_str());
    }
    std::fclose(file);
    return ok ? Success : Failure;
}

// The height of the list's first row, read through memory lent by the launcher's process.
int firstRowHeight(HWND list)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const OwnedHandle opened(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    HANDLE process = opened.get();
    if (!process)
        return -1;
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    const RemoteMemory remote(process, sizeof rect);
    const bool ok = remote.get() && WriteProcessMemory(process, remote.get(), &rect, sizeof rect, nullptr) &&
                    SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(remote.get())) &&
                    ReadProcessMemory(process, remote.get(), &rect, sizeof rect, nullptr);
    return ok ? rect.bottom - rect.top : -1;
}

// Prints what display scaling changes: "row H" (the first row's height) and "minimum W H" (the
// smallest size the user can give the window).
int launcherMetrics(const Arguments& a)
{
    return withWindow(a, 0, launcherOf, [](HWND launcher) {
        MINMAXINFO limits{};
        SendMessageA(launcher, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        std::printf("row %d\nminimum %ld %ld\n", firstRowHeight(GetDlgItem(launcher, ResultListId)),
                    limits.ptMinTrackSize.x, limits.ptMinTrackSize.y);
        return Success;
    });
}

// Tells the launcher window that it moved to a display of DPI, with the rectangle LEFT TOP WIDTH
// HEIGHT suggested, as Windows does when the window crosses to another monitor. The rectangle
// goes through memory lent by the launcher's process.
int launcherDpiChanged(const Arguments& a)
{
    HWND launcher = findLauncher();
    if (a.size() < 5 || !launcher)
        return UsageError;
    const WORD dpi = static_cast<WORD>(toInt(a[0]));
    const RECT suggested{toInt(a[1]), toInt(a[2]), toInt(a[1]) + toInt(a[3]), toInt(a[2]) + toInt(a[4])};
    DWORD processId = 0;
    GetWindowThreadProcessId(launcher, &processId);
    const OwnedHandle opened(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    HANDLE process = opened.get();
    if (!process)
        return Failure;
    const RemoteMemory remote(process, sizeof suggested);
    const bool ok = remote.get() && WriteProcessMemory(process, remote.get(), &suggested, sizeof suggested, nullptr);
    if (ok)
        SendMessageA(launcher, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(remote.get()));
    return ok ? Success : Failure;
}

const Registration registrations[] = {
    {"launcher-wait", "[TIMEOUT_MS]  (the launcher window is open)", launcherWait},
    {"launcher-wait-gone", "[TIMEOUT_MS]", launcherWaitGone},
    {"launcher-rows", "[images]  (one line per row; * marks the selection)", launcherRows},
    {"launcher-wait-rows", "TIMEOUT_MS [NAME...]  (exactly rows of these names, in order)", launcherWaitRows},
    {"launcher-wait-selected", "TIMEOUT_MS ROW", launcherWaitSelected},
    {"launcher-wait-icon", "TIMEOUT_MS ROW", launcherWaitIcon},
    {"launcher-query", "", launcherQuery},
    {"launcher-hint-shown", "", launcherHintShown},
    {"launcher-rect", "", launcherRect},
    {"launcher-metrics", "  (row height; minimum window size)", launcherMetrics},
    {"launcher-dpi-changed", "DPI LEFT TOP WIDTH HEIGHT  (the suggested rectangle)", launcherDpiChanged},
    {"scores-file", "PATH  (SCORE PATH per record)", scoresFile},
};

} // namespace
