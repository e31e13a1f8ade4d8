// The Scan definitions page: names, patterns and the folder-names option of the working copy's definitions.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <string>

#include "base/win/message_boxes.h"
#include "base/win/texts.h"
#include "configuration/definition_edits.h"
#include "configuration/directory_edits.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

namespace {

// Set while the page writes a definition into its boxes, so that the EN_CHANGE this causes is
// not taken for a user's edit.
bool loadingDefinition = true;

HWND definitionList(HWND page)
{
    return GetDlgItem(page, IDC_DEFINITIONS_LIST);
}

ScanDefinition* currentDefinition()
{
    const int index = configuration.currentDefinition;
    if (index < 0 || static_cast<std::size_t>(index) >= configuration.editDefinitions.size())
        return nullptr;
    return &configuration.editDefinitions[index];
}

void showDefinition(HWND page, int item)
{
    const auto id = static_cast<std::int32_t>(ComboBox_GetItemData(definitionList(page), item));
    configuration.currentDefinition = item < 0 ? -1 : indexOfDefinition(configuration.editDefinitions, id);
    const ScanDefinition* definition = currentDefinition();
    if (definition == nullptr)
        return;
    loadingDefinition = true;
    SetDlgItemTextA(page, IDC_DEFINITIONS_INCLUDE, definition->include.c_str());
    SetDlgItemTextA(page, IDC_DEFINITIONS_EXCLUDE, definition->exclude.c_str());
    SetDlgItemTextA(page, IDC_DEFINITIONS_NAME, definition->name.c_str());
    PostMessageA(GetDlgItem(page, IDC_DEFINITIONS_FOLDER_NAMES), BM_SETCHECK,
                 addsFolderNames(*definition) ? BST_CHECKED : BST_UNCHECKED, 0);
    loadingDefinition = false;
}

// The last definition can never be deleted.
void updateDeleteButton(HWND page)
{
    EnableWindow(GetDlgItem(page, IDC_DEFINITIONS_DELETE), configuration.editDefinitions.size() > 1);
}

void markChanged(HWND page, bool catalogueStale)
{
    notifySheetChanged(page);
    if (catalogueStale)
        configuration.changedSinceOpen = true;
}

BOOL onInitDialog(HWND page)
{
    loadingDefinition = true;
    HWND list = definitionList(page);
    for (const ScanDefinition& definition : configuration.editDefinitions) {
        const int item = ComboBox_AddString(list, definition.name.c_str());
        ComboBox_SetItemData(list, item, definition.id);
    }
    showDefinition(page, 0);
    PostMessageA(list, CB_SETCURSEL, 0, 0);
    updateDeleteButton(page);
    loadingDefinition = false;
    return TRUE;
}

void onAdd(HWND page)
{
    const std::string name = loadText(IDS_NEW_DEFINITION);
    const std::int32_t id = addScanDefinition(configuration.editDefinitions, settings.global.NextScanID, name, "*", "", 0);
    HWND list = definitionList(page);
    const int item = ComboBox_AddString(list, name.c_str());
    ComboBox_SetItemData(list, item, id);
    ComboBox_SetCurSel(list, item);
    showDefinition(page, item);
    updateDeleteButton(page);
}

void refuseDeletion(HWND page)
{
    DimmedSheet dimmed(page);
    tellUser(page, loadText(IDS_DEFINITION_IN_USE), loadText(IDS_CANNOT_DELETE));
}

void onDelete(HWND page)
{
    switch (decideDefinitionDeletion(configuration.editDefinitions, configuration.currentDefinition,
                                     configuration.editDirectories)) {
    case DefinitionDeletion::Impossible:
        return;
    case DefinitionDeletion::InUse:
        refuseDeletion(page);
        return;
    case DefinitionDeletion::Allowed:
        break;
    }
    HWND list = definitionList(page);
    const int deletedItem = ComboBox_GetCurSel(list);
    configuration.editDefinitions.erase(configuration.editDefinitions.begin() + configuration.currentDefinition);
    configuration.currentDefinition = -1;
    if (deletedItem != CB_ERR)
        ComboBox_DeleteString(list, deletedItem);
    const int item = itemAfterDeletion(deletedItem, ComboBox_GetCount(list));
    ComboBox_SetCurSel(list, item);
    showDefinition(page, item);
    updateDeleteButton(page);
}

void onFolderNamesClicked(HWND page)
{
    ScanDefinition* definition = currentDefinition();
    if (definition == nullptr)
        return;
    if (isChecked(page, IDC_DEFINITIONS_FOLDER_NAMES))
        definition->flags |= AddFolderNames;
    else
        definition->flags &= ~AddFolderNames;
    markChanged(page, true);
}

// The list box does not re-sort an item put at a given position; the name order comes back the
// next time the page is made.
void renameSelectedItem(HWND page, const ScanDefinition& definition)
{
    HWND list = definitionList(page);
    const int item = ComboBox_GetCurSel(list);
    if (item == CB_ERR)
        return;
    ComboBox_InsertString(list, item, definition.name.c_str());
    ComboBox_DeleteString(list, item + 1);
    ComboBox_SetCurSel(list, item);
    ComboBox_SetItemData(list, item, definition.id);
}

void onTextChanged(HWND page, int controlId)
{
    ScanDefinition* definition = currentDefinition();
    if (definition == nullptr || loadingDefinition)
        return;
    applyDefinitionTexts(*definition, controlText(page, IDC_DEFINITIONS_NAME),
                         controlText(page, IDC_DEFINITIONS_INCLUDE), controlText(page, IDC_DEFINITIONS_EXCLUDE));
    const DefinitionField field = controlId == IDC_DEFINITIONS_NAME      ? DefinitionField::Name
                                  : controlId == IDC_DEFINITIONS_INCLUDE ? DefinitionField::Include
                                                                         : DefinitionField::Exclude;
    markChanged(page, editMakesCatalogueStale(field));
    renameSelectedItem(page, *definition);
}

void onCommand(HWND page, int id, HWND, UINT notification)
{
    switch (id) {
    case IDC_DEFINITIONS_ADD:
        if (notification == BN_CLICKED)
            onAdd(page);
        break;
    case IDC_DEFINITIONS_DELETE:
        if (notification == BN_CLICKED)
            onDelete(page);
        break;
    case IDC_DEFINITIONS_FOLDER_NAMES:
        if (notification == BN_CLICKED)
            onFolderNamesClicked(page);
        break;
    case IDC_DEFINITIONS_LIST:
        if (notification == CBN_SELENDOK)
            showDefinition(page, ComboBox_GetCurSel(definitionList(page)));
        break;
    case IDC_DEFINITIONS_NAME:
    case IDC_DEFINITIONS_INCLUDE:
    case IDC_DEFINITIONS_EXCLUDE:
        if (notification == EN_CHANGE)
            onTextChanged(page, id);
        break;
    }
}

void onApply(HWND)
{
    commitWorkingCopy(settings.definitions, configuration.editDefinitions, configuration.changedSinceOpen,
                      configuration.rescanRecommended);
    saveSettings();
}

} // namespace

const SheetPage ScanDefinitionsPage = {onInitDialog, onCommand, onApply, "config3.html", nullptr, nullptr};
