#include "launcher/result_list.h"

int listCapacity(int clientHeight, int rowSpacing)
{
    // A list without height (or a control that reports no spacing) still gets a sensible batch.
    if (clientHeight <= 0 || rowSpacing <= 0)
        return FallbackCapacity;
    return clientHeight / rowSpacing + ExtraCapacityRows;
}

bool rowFits(RowOrigin origin, ClientSize client, int dpi)
{
    return origin.top + scaleToDpi(RowBottomMargin, dpi) < client.height &&
           origin.left + scaleToDpi(RowRightMargin, dpi) < client.width;
}

namespace {

void emptyList(const FillContext& context)
{
    context.view.deleteAllRows();
    context.listed.count = 0;
    context.shared.rowsShown = 0;
}

// Writes the slots into the rows, reusing rows that already show the same entry, and returns how
// many rows stay. Every row is measured, also a reused one, so that rows a smaller window no
// longer shows completely are dropped as well.
int writeRows(const FillContext& context, int slotCount, ClientSize client)
{
    ResultListView& view = context.view;
    ListedRows& listed = context.listed;
    const bool withImage = context.shared.showIcons;
    const int dpi = view.dpi();
    if (static_cast<int>(listed.entries.size()) < slotCount)
        listed.entries.resize(slotCount, nullptr);

    for (int row = 0; row < slotCount; ++row) {
        CatalogueEntry& entry = *context.shared.resultSlots[row].entry;
        const bool reused = row < listed.count && listed.entries[row] == &entry;
        if (!reused) {
            const bool replace = row < listed.count;
            view.writeRow(row, entry, withImage, replace);
            if (!replace)
                ++listed.count;
            listed.entries[row] = &entry;
        }
        if (!rowFits(view.rowOrigin(row), client, dpi)) {
            view.deleteRow(row);
            --listed.count;
            return row;
        }
    }
    return slotCount;
}

} // namespace

void refreshResults(const FillContext& context, const std::string& upperQuery)
{
    SharedResultList& shared = context.shared;
    ResultListView& view = context.view;
    shared.iconLoaderPaused = 1;
    const std::size_t matched = matchCatalogue(context.catalogue, upperQuery, context.directories);
    {
        HeldLock held(context.lock);
        shared.resultSlots.clear();
        if (matched == 0) {
            emptyList(context);
            return;
        }
        if (shared.showIcons && !view.hasImageList())
            view.attachSystemImageList(context.catalogue.entries.front().path);

        const ClientSize client = view.clientSize();
        const int capacity = listCapacity(client.height, view.rowSpacing());
        shared.resultSlots = selectResults(context.catalogue, static_cast<std::size_t>(capacity));
        const int slotCount = static_cast<int>(shared.resultSlots.size());
        shared.rowsShown = slotCount;
        view.announceRowCount(slotCount);

        shared.rowsShown = writeRows(context, slotCount, client);
        while (context.listed.count > shared.rowsShown)
            view.deleteRow(--context.listed.count);

        view.selectFirstRow();
        shared.iconLoaderPaused = 0;
        ++shared.listGeneration;
    }
    view.update();
}
