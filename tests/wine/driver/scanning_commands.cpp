// Reading what the scans leave behind: the records of a catalogue file.
#include "driver.h"

#include <cstdio>
#include <string>

namespace {

bool readZString(std::FILE* file, std::string& text)
{
    text.clear();
    for (;;) {
        const int c = std::fgetc(file);
        if (c == EOF)
            return false;
        if (c == 0)
            return true;
        text.push_back(static_cast<char>(c));
    }
}

// Prints one line per record of a scandb.dat: DIRECTORY_INDEX|PATH|NAME. Fails on a file that
// is missing, lacks the magic or ends inside a record.
int dumpCatalogue(const Arguments& a)
{
    if (a.size() < 1)
        return UsageError;
    std::FILE* file = std::fopen(a[0].c_str(), "rb");
    if (file == nullptr)
        return Failure;
    char magic[4];
    long count = 0;
    unsigned char countBytes[4];
    int result = Failure;
    if (std::fread(magic, 1, 4, file) == 4 && std::string(magic, 4) == "TCF1" &&
        std::fread(countBytes, 1, 4, file) == 4) {
        count = static_cast<long>(static_cast<int>(countBytes[0] | countBytes[1] << 8 | countBytes[2] << 16 |
                                                   static_cast<unsigned>(countBytes[3]) << 24));
        result = Success;
        for (long i = 0; i < count; ++i) {
            const int index = std::fgetc(file);
            std::string path;
            std::string name;
            if (index == EOF || !readZString(file, path) || !readZString(file, name)) {
                result = Failure;
                break;
            }
            std::printf("%d|%s|%s\n", static_cast<signed char>(index), path.c_str(), name.c_str());
        }
    }
    std::fclose(file);
    return result;
}

const Registration registrations[] = {
    {"dump-catalogue", "SCANDB_PATH  (prints DIRECTORY_INDEX|PATH|NAME per record)", dumpCatalogue},
};

} // namespace
