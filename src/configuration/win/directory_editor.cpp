#include "configuration/win/directory_editor.h"

#include <windowsx.h>
#include <shlobj.h>

#include <string>

#include "base/win/narrow_text.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "configuration/directory_edits.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

namespace {

ScanDirectory& editedDirectory(HWND editor)
{
    return *reinterpret_cast<ScanDirectory*>(GetWindowLongPtrA(editor, DWLP_USER));
}

DriveKind driveKindOf(const std::string& root)
{
    switch (GetDriveTypeA(root.c_str())) {
    case DRIVE_REMOVABLE:
        return DriveKind::Removable;
    case DRIVE_FIXED:
        return DriveKind::Fixed;
    case DRIVE_REMOTE:
        return DriveKind::Remote;
    case DRIVE_CDROM:
        return DriveKind::CdRom;
    case DRIVE_RAMDISK:
        return DriveKind::RamDisk;
    case DRIVE_NO_ROOT_DIR:
        return DriveKind::NoRoot;
    default:
        return DriveKind::Unknown;
    }
}

// ---- Warning about network and removable directories ----

INT_PTR CALLBACK WarningDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_WARNING_TEXT, loadText(static_cast<UINT>(lParam)).c_str());
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

// Warns once about a directory that scans slowly or goes away; the second button (and Escape)
// switches that warning off for good, outside the working copies.
void warnAboutLocation(HWND editor, const std::string& path)
{
    const DirectoryLocation location = locateDirectory(path, driveKindOf);
    const int textId = warningTextFor(location, settings.global.GlobalScanFlags);
    if (textId == 0)
        return;
    const INT_PTR answer = DialogBoxParamA(app.appInstance, MAKEINTRESOURCEA(IDD_DIRECTORY_WARNING), editor,
                                           WarningDialogProc, static_cast<LPARAM>(textId));
    if (answer == IDC_WARNING_NEVER_AGAIN || answer == IDCANCEL)
        settings.global.GlobalScanFlags |= warningBitFor(location);
}

// ---- The editor ----

void fillDefinitions(HWND editor, std::int32_t definitionId)
{
    HWND list = GetDlgItem(editor, IDC_EDITOR_DEFINITION);
    for (const ScanDefinition& definition : configuration.editDefinitions) {
        const int item = ComboBox_AddString(list, definition.name.c_str());
        ComboBox_SetItemData(list, item, definition.id);
    }
    const int count = ComboBox_GetCount(list);
    for (int item = 0; item < count; ++item) {
        if (static_cast<std::int32_t>(ComboBox_GetItemData(list, item)) == definitionId) {
            ComboBox_SetCurSel(list, item);
            return;
        }
    }
}

void fillPriorities(HWND editor, int priority)
{
    HWND list = GetDlgItem(editor, IDC_EDITOR_PRIORITY);
    for (const PriorityLevel& level : PriorityLevels)
        ComboBox_AddString(list, loadText(level.stringId).c_str());
    ComboBox_SetCurSel(list, priorityItemOf(priority));
}

BOOL onEditorInit(HWND editor, HWND, LPARAM parameter)
{
    auto* directory = reinterpret_cast<ScanDirectory*>(parameter);
    SetWindowLongPtrA(editor, DWLP_USER, parameter);
    SetDlgItemTextA(editor, IDC_EDITOR_PATH, directory->path.c_str());
    SetDlgItemTextA(editor, IDC_EDITOR_NAME, directory->name.c_str());
    setChecked(editor, IDC_EDITOR_RECURSIVE, isRecursive(*directory));
    setChecked(editor, IDC_EDITOR_IGNORE_HIDDEN, ignoresHidden(*directory));
    fillDefinitions(editor, directory->definitionId);
    fillPriorities(editor, directory->priority);
    SetFocus(GetDlgItem(editor, IDC_EDITOR_PATH));
    return FALSE;
}

int CALLBACK browseCallback(HWND browser, UINT message, LPARAM, LPARAM currentPath)
{
    // Sent, not posted: the path lives in the caller's frame only while the browser runs.
    if (message == BFFM_INITIALIZED)
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, currentPath);
    return 0;
}

void onBrowse(HWND editor)
{
    const std::string currentPath = controlText(editor, IDC_EDITOR_PATH);
    const std::string title = loadText(IDS_BROWSE_TITLE);
    char displayName[MAX_PATH] = "";
    BROWSEINFOA browse = {};
    browse.hwndOwner = editor;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE;
    browse.lpfn = browseCallback;
    browse.lParam = reinterpret_cast<LPARAM>(currentPath.c_str());
    const TaskMemory<LPITEMIDLIST> chosen(SHBrowseForFolderA(&browse));
    if (chosen.get() == nullptr)
        return;
    // Asked in UTF-16: the narrow call's buffer holds MAX_PATH bytes, not characters.
    WCHAR widePath[MAX_PATH] = L"";
    if (SHGetPathFromIDListW(chosen.get(), widePath)) {
        const std::string path = narrowFromWide(widePath);
        SetDlgItemTextA(editor, IDC_EDITOR_PATH, path.c_str());
        if (GetWindowTextLengthA(GetDlgItem(editor, IDC_EDITOR_NAME)) == 0)
            SetDlgItemTextA(editor, IDC_EDITOR_NAME, displayNameFromPath(path).c_str());
    }
}

DirectoryEditorValues readEditorValues(HWND editor)
{
    DirectoryEditorValues values;
    values.path = controlText(editor, IDC_EDITOR_PATH);
    values.name = controlText(editor, IDC_EDITOR_NAME);
    values.recursive = isChecked(editor, IDC_EDITOR_RECURSIVE);
    values.ignoreHidden = isChecked(editor, IDC_EDITOR_IGNORE_HIDDEN);
    values.priorityItem = ComboBox_GetCurSel(GetDlgItem(editor, IDC_EDITOR_PRIORITY));
    HWND definitions = GetDlgItem(editor, IDC_EDITOR_DEFINITION);
    int item = ComboBox_GetCurSel(definitions);
    // A directory whose definition is gone would be skipped by every scan: OK without a choice
    // takes the first definition offered rather than keep a dangling id.
    if (item == CB_ERR && ComboBox_GetCount(definitions) > 0)
        item = 0;
    if (item != CB_ERR) {
        values.hasDefinition = true;
        values.definitionId = static_cast<std::int32_t>(ComboBox_GetItemData(definitions, item));
    }
    return values;
}

void onEditorOk(HWND editor)
{
    ScanDirectory& directory = editedDirectory(editor);
    applyEditorValues(directory, readEditorValues(editor));
    ShowWindow(editor, SW_HIDE);
    warnAboutLocation(editor, directory.path);
    EndDialog(editor, IDOK);
}

void onEditorCommand(HWND editor, int id, HWND, UINT notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDOK:
        onEditorOk(editor);
        break;
    case IDCANCEL:
        EndDialog(editor, IDCANCEL);
        break;
    case IDC_EDITOR_BROWSE:
        onBrowse(editor);
        break;
    }
}

INT_PTR CALLBACK DirectoryEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return HANDLE_WM_INITDIALOG(editor, wParam, lParam, onEditorInit);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(editor, wParam, lParam, onEditorCommand);
        return TRUE;
    }
    return FALSE;
}

} // namespace

INT_PTR editDirectory(HWND page, ScanDirectory& directory)
{
    return DialogBoxParamA(app.appInstance, MAKEINTRESOURCEA(IDD_DIRECTORY_EDITOR), page, DirectoryEditorProc,
                           reinterpret_cast<LPARAM>(&directory));
}
