// One step of the icon loader: find the first listed row without a posted icon, look its icon up
// outside the lock, and post it to the window when the row still shows the same entry.
#pragma once

#include "base/lock.h"
#include "launcher/result_list.h"

#include <cstdint>
#include <string>

// An entry's icon index while the shell had no icon for its path: not looked up again until the
// window opens anew. Rows show no icon for it.
constexpr std::int32_t IconIndexUnknown = -1;
constexpr std::int32_t IconIndexNone = -2;
constexpr int NoImage = -1;

class IconSource {
public:
    virtual ~IconSource() = default;
    // The index of the path's small icon in the system image list, or a negative number for none.
    virtual int smallIconIndex(const std::string& path) = 0;
};

class IconPoster {
public:
    virtual ~IconPoster() = default;
    virtual void postIcon(std::uint32_t rowAndGeneration, int image) = 0;
};

// The icon message carries the list generation in the high 16 bits and the row in the low 16.
std::uint32_t packIconMessage(std::uint16_t generation, int row);
std::uint16_t iconMessageGeneration(std::uint32_t packed);
int iconMessageRow(std::uint32_t packed);

void loadNextIcon(SharedResultList& shared, Lock& lock, IconSource& source, IconPoster& poster);
