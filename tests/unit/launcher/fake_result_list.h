// A list control in memory for the fill tests: rows of fixed height stacked from the top.
#pragma once

#include "launcher/result_list.h"

#include <string>
#include <vector>

struct FakeRow {
    CatalogueEntry* entry = nullptr;
    bool withImage = false;
};

class FakeResultList : public ResultListView {
public:
    ClientSize client{200, 100};
    int spacing = 16;
    bool imageList = false;
    int imageListAttachments = 0;
    int writes = 0;
    int announced = -1;
    int selectedRow = -1;
    std::vector<FakeRow> rows;

    ClientSize clientSize() override { return client; }
    int rowSpacing() override { return spacing; }
    bool hasImageList() override { return imageList; }
    void attachSystemImageList(const std::string&) override
    {
        imageList = true;
        ++imageListAttachments;
    }
    void announceRowCount(int count) override { announced = count; }
    void writeRow(int row, CatalogueEntry& entry, bool withImage, bool replace) override
    {
        ++writes;
        if (replace)
            rows.at(row) = FakeRow{&entry, withImage};
        else
            rows.insert(rows.begin() + row, FakeRow{&entry, withImage});
    }
    RowOrigin rowOrigin(int row) override { return RowOrigin{0, row * spacing}; }
    void deleteRow(int row) override { rows.erase(rows.begin() + row); }
    void deleteAllRows() override { rows.clear(); }
    void selectFirstRow() override { selectedRow = 0; }
    void update() override {}

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const FakeRow& row : rows)
            result.push_back(row.entry->name);
        return result;
    }
};

// Counts how often the lock is taken and that it is never taken twice.
class CountingLock : public Lock {
public:
    int entered = 0;
    bool held = false;
    bool nested = false;
    void enter() override
    {
        nested = nested || held;
        held = true;
        ++entered;
    }
    void leave() override { held = false; }
};
