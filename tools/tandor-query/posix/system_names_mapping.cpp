#include "names_mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

// The file's pages as they stand in the page cache, with a page of zeros mapped after them:
// nothing is copied.
bool mapNamesFile(const std::string& path, NamesMapping& mapping)
{
    const int file = open(path.c_str(), O_RDONLY);
    if (file < 0)
        return false;
    struct stat status;
    bool mapped = false;
    if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t length = static_cast<std::size_t>(status.st_size);
        const std::size_t areaSize = (length + page - 1) / page * page + page;
        void* area = mmap(nullptr, areaSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (area != MAP_FAILED) {
            mapped = mmap(area, length, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, file, 0) != MAP_FAILED;
            if (mapped) {
                mapping.area = area;
                mapping.areaSize = areaSize;
                mapping.size = length;
            } else {
                munmap(area, areaSize);
            }
        }
    }
    close(file);
    return mapped;
}

void unmapNamesFile(const NamesMapping& mapping)
{
    if (mapping.area != nullptr)
        munmap(mapping.area, mapping.areaSize);
}
