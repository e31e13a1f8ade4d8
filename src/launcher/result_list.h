// Filling the launcher's result list after every change of the query: match, take as many results
// as the list can show, rewrite only the rows whose entry changed, keep only rows that fit.
#pragma once

#include "base/dpi_scale.h"
#include "base/lock.h"
#include "catalogue/catalogue.h"
#include "catalogue/matcher.h"
#include "launcher/launcher_limits.h"
#include "settings/settings_model.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The result list as the window and the icon loader share it. `resultSlots`, `rowsShown` and
// the slots' `iconPosted` are guarded by the launcher lock; the two flags are polled without it.
struct SharedResultList {
    std::vector<ResultSlot> resultSlots;
    int rowsShown = 0;
    std::uint16_t listGeneration = 0;
    std::atomic<int> iconLoaderPaused{1};
    std::atomic<int> loaderStopRequested{0};
    bool showIcons = true; // fixed while a window is open
};

// For each row of the list control, the entry written into it last. User-interface thread only.
struct ListedRows {
    std::vector<const CatalogueEntry*> entries;
    int count = 0;

    ListedRows() { entries.reserve(InitialListedCapacity); }
};

struct ClientSize {
    int width = 0;
    int height = 0;
};

struct RowOrigin {
    int left = 0;
    int top = 0;
};

// What a fill needs of the list control.
class ResultListView {
public:
    virtual ~ResultListView() = default;
    virtual ClientSize clientSize() = 0;
    virtual int rowSpacing() = 0;
    virtual bool hasImageList() = 0;
    virtual void attachSystemImageList(const std::string& samplePath) = 0;
    virtual void announceRowCount(int count) = 0;
    // Writes name, entry and (with `withImage`) no image yet; replaces row `row` or appends it.
    virtual void writeRow(int row, CatalogueEntry& entry, bool withImage, bool replace) = 0;
    virtual RowOrigin rowOrigin(int row) = 0;
    virtual void deleteRow(int row) = 0;
    virtual void deleteAllRows() = 0;
    virtual void selectFirstRow() = 0;
    virtual void update() = 0;
    // The DPI the list is shown at; the fill's margins are given at 96 DPI.
    virtual int dpi() { return DefaultDpi; }
};

// Results to take for a list of this client height and row spacing.
int listCapacity(int clientHeight, int rowSpacing);

// Whether a row starting at `origin` shows completely enough to stay in a list of `client` size,
// shown at `dpi`.
bool rowFits(RowOrigin origin, ClientSize client, int dpi = DefaultDpi);

struct FillContext {
    ResultListView& view;
    Lock& lock;
    SharedResultList& shared;
    ListedRows& listed;
    Catalogue& catalogue;
    const std::vector<ScanDirectory>& directories;
};

// Runs the match pass for the upper-cased query and fills the list.
void refreshResults(const FillContext& context, const std::string& upperQuery);
