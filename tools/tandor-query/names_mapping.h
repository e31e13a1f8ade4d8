// The seam to the system for a names file: its pages mapped where the system can, so that a
// query reads them without a copy. One implementation per platform.
#pragma once

#include <cstddef>
#include <string>

struct NamesMapping {
    void* area = nullptr;
    std::size_t areaSize = 0;
    std::size_t size = 0; // the file's bytes, followed in the area by at least a page of zeros
};

// False when the file cannot be mapped (not a plain file, empty, or no mapping here): it is
// then read instead.
bool mapNamesFile(const std::string& path, NamesMapping& mapping);
void unmapNamesFile(const NamesMapping& mapping);
