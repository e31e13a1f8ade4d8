// The result list control: the fill's view of it, row selection, and drawing one row.
#pragma once

#include <windows.h>

#include "launcher/result_list.h"

#include <vector>

class Win32ResultListView : public ResultListView {
public:
    explicit Win32ResultListView(HWND list) : list_(list) {}
    ClientSize clientSize() override;
    int rowSpacing() override;
    bool hasImageList() override;
    void attachSystemImageList(const std::string& samplePath) override;
    void announceRowCount(int count) override;
    void writeRow(int row, CatalogueEntry& entry, bool withImage, bool replace) override;
    RowOrigin rowOrigin(int row) override;
    void deleteRow(int row) override;
    void deleteAllRows() override;
    void selectFirstRow() override;
    void update() override;
    int dpi() override;

private:
    HWND list_;
};

int rowCount(HWND list);
int selectedRow(HWND list);
// Selects `row` alone and repaints.
void selectRow(HWND list, int row);
// Moves selection and focus from one row to another and scrolls it into view.
void moveSelectedRow(HWND list, int from, int to);
CatalogueEntry* rowEntry(HWND list, int row);
// Empties the row's text, image and entry: a row left on screen while another is launched.
void blankRow(HWND list, int row);
int rowAtCursor(HWND list);
void setRowImage(HWND list, int row, int image);

struct RowFonts {
    HFONT name = nullptr;      // bold
    HFONT directory = nullptr; // italic
};

void drawResultRow(HWND window, const DRAWITEMSTRUCT& item, const RowFonts& fonts, bool launching,
                   const std::vector<ScanDirectory>& directories);
