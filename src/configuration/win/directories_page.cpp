// The Directories page: the working copy of the scanned directories in a list, with Add, Delete and Modify.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "base/win/texts.h"
#include "catalogue/directory_moves.h"
#include "catalogue/win/program_catalogue.h"
#include "configuration/definition_edits.h"
#include "configuration/directory_edits.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/directory_editor.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"
#include "scanning/win/change_monitor.h"
#include "settings/win/settings_store.h"

namespace {

struct DirectoryColumn {
    int width;
    UINT headerStringId;
};

const DirectoryColumn DirectoryColumns[] = {
    {100, IDS_COLUMN_NAME},
    {70, IDS_COLUMN_RECURSIVE},
    {140, IDS_COLUMN_DEFINITION},
    {300, IDS_COLUMN_DIRECTORY},
};

HWND directoryList(HWND page)
{
    return GetDlgItem(page, IDC_DIRECTORIES_LIST);
}

void insertColumns(HWND list)
{
    int index = 0;
    for (const DirectoryColumn& column : DirectoryColumns) {
        LVCOLUMNA header = {};
        header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        header.fmt = LVCFMT_LEFT;
        header.cx = column.width;
        std::string headerText = loadText(column.headerStringId);
        header.pszText = &headerText[0];
        ListView_InsertColumn(list, index++, &header);
    }
}

// Rows refer to their position in the working copy, which stays right because the list is rebuilt
// after every change of the copy.
void fillList(HWND page)
{
    HWND list = directoryList(page);
    ListView_DeleteAllItems(list);
    const std::string yes = loadText(IDS_YES);
    const std::string no = loadText(IDS_NO);
    int row = 0;
    for (const ScanDirectory& directory : configuration.editDirectories) {
        const auto cells = directoryRowCells(directory, settings.definitions, yes, no);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        item.pszText = const_cast<char*>(cells[0].c_str());
        ListView_InsertItem(list, &item);
        for (int column = 1; column < static_cast<int>(cells.size()); ++column)
            ListView_SetItemText(list, row, column, const_cast<char*>(cells[column].c_str()));
        ++row;
    }
}

std::vector<int> selectedRows(HWND list)
{
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row != -1;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void markChanged(HWND page)
{
    fillList(page);
    notifySheetChanged(page);
    configuration.changedSinceOpen = true;
}

void onAdd(HWND page)
{
    addScanDirectory(configuration.editDirectories, "", 0);
    DimmedSheet dimmed(page);
    // The element's address is stable while the editor runs: nothing else changes the list meanwhile.
    if (editDirectory(page, configuration.editDirectories.back()) == IDOK) {
        markChanged(page);
    } else {
        configuration.editDirectories.pop_back();
        fillList(page);
    }
}

void onDelete(HWND page)
{
    removeDirectoriesAt(configuration.editDirectories, selectedRows(directoryList(page)));
    markChanged(page);
}

void onModify(HWND page)
{
    const std::vector<int> rows = selectedRows(directoryList(page));
    if (rows.empty() || static_cast<std::size_t>(rows.front()) >= configuration.editDirectories.size())
        return;
    DimmedSheet dimmed(page);
    if (editDirectory(page, configuration.editDirectories[rows.front()]) == IDOK)
        markChanged(page);
}

BOOL onInitDialog(HWND page)
{
    insertColumns(directoryList(page));
    fillList(page);
    return TRUE;
}

void onCommand(HWND page, int id, HWND, UINT notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDC_DIRECTORIES_ADD:
        onAdd(page);
        break;
    case IDC_DIRECTORIES_DELETE:
        onDelete(page);
        break;
    case IDC_DIRECTORIES_MODIFY:
        onModify(page);
        break;
    }
}

void onApply(HWND)
{
    const std::vector<ScanDirectory> before = settings.directories;
    {
        // The change monitor thread reads the list while arming its watches.
        DirectoryListLock lock;
        commitWorkingCopy(settings.directories, configuration.editDirectories, configuration.changedSinceOpen,
                          configuration.rescanRecommended);
    }
    // The catalogue stays consistent with the new list even when the offered rescan is declined.
    followDirectoryList(catalogue, before, settings.directories);
    saveSettings();
}

} // namespace

const SheetPage DirectoriesPage = {onInitDialog, onCommand, onApply, "config1.html", nullptr, nullptr};
