#include "launcher/icon_loader.h"

#include <algorithm>

std::uint32_t packIconMessage(std::uint16_t generation, int row)
{
    return (static_cast<std::uint32_t>(generation) << 16) | (static_cast<std::uint32_t>(row) & 0xFFFFu);
}

std::uint16_t iconMessageGeneration(std::uint32_t packed)
{
    return static_cast<std::uint16_t>(packed >> 16);
}

int iconMessageRow(std::uint32_t packed)
{
    return static_cast<int>(packed & 0xFFFFu);
}

namespace {

struct PendingIcon {
    int row = -1;
    CatalogueEntry* entry = nullptr;
    std::string path;
    std::int32_t knownIndex = IconIndexUnknown;
};

bool hasWork(const SharedResultList& shared)
{
    return shared.rowsShown > 0 && !shared.resultSlots.empty() && shared.showIcons && !shared.iconLoaderPaused;
}

// Under the lock: the first shown row whose icon was not posted. The path is copied so that the
// lookup outside the lock never reads an entry that a closing window no longer guards.
bool takePendingIcon(SharedResultList& shared, PendingIcon& pending)
{
    if (!hasWork(shared))
        return false;
    const int shown = std::min<int>(shared.rowsShown, static_cast<int>(shared.resultSlots.size()));
    for (int row = 0; row < shown; ++row) {
        const ResultSlot& slot = shared.resultSlots[row];
        if (slot.iconPosted == 0) {
            pending.row = row;
            pending.entry = slot.entry;
            pending.path = slot.entry->path;
            pending.knownIndex = slot.entry->iconIndex;
            return true;
        }
    }
    return false;
}

std::int32_t lookUp(IconSource& source, const PendingIcon& pending)
{
    if (pending.knownIndex != IconIndexUnknown)
        return pending.knownIndex;
    const int found = source.smallIconIndex(pending.path);
    return found < 0 ? IconIndexNone : found;
}

} // namespace

void loadNextIcon(SharedResultList& shared, Lock& lock, IconSource& source, IconPoster& poster)
{
    PendingIcon pending;
    {
        HeldLock held(lock);
        if (!takePendingIcon(shared, pending)) {
            shared.iconLoaderPaused = 1;
            return;
        }
    }

    const std::int32_t index = lookUp(source, pending);

    HeldLock held(lock);
    // Entries stay in place until the window asks the loader to stop; after that they may be gone.
    if (shared.loaderStopRequested)
        return;
    pending.entry->iconIndex = index;
    if (shared.iconLoaderPaused)
        return; // a fill is under way; its own slots will be posted afresh
    if (pending.row >= shared.rowsShown || pending.row >= static_cast<int>(shared.resultSlots.size()))
        return;
    ResultSlot& slot = shared.resultSlots[pending.row];
    if (slot.entry != pending.entry)
        return;
    poster.postIcon(packIconMessage(shared.listGeneration, pending.row), index < 0 ? NoImage : index);
    slot.iconPosted = 1;
}
