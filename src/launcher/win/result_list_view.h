// The result list control: the fill's view of it, row selection, and drawing one row.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "launcher/result_list.h"

#include <string>
#include <utility>
#include <vector>

class Win32ResultListView : public ResultListView {
public:
    // A view that writes rows needs the directories and the item text's pattern.
    explicit Win32ResultListView(HWND list, const std::vector<ScanDirectory>* directories = nullptr,
                                 std::string itemPattern = std::string())
        : list_(list), directories_(directories), itemPattern_(std::move(itemPattern))
    {
    }
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
    const std::vector<ScanDirectory>* directories_;
    std::string itemPattern_;
};

// Gives a fresh list control the launcher's look: no background, one column wider than any screen.
void setUpResultList(HWND list);
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

// Draws a row's icon (unless `image` is -1 or there is no list), its name in the bold font and,
// when there is one, the directory name after it in the italic font.
void drawRowContents(HDC dc, const RECT& area, int dpi, HIMAGELIST images, int image, const char* name,
                     const char* directory, const RowFonts& fonts);
struct RowLook {
    bool launching = false;      // the selected row in the launching colours
    bool keyboardFocus = false;  // the focused row gets the focus rectangle
};

void drawResultRow(HWND window, const DRAWITEMSTRUCT& item, const RowFonts& fonts, RowLook look,
                   const std::vector<ScanDirectory>& directories);
