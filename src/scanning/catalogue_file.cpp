#include "scanning/catalogue_file.h"

#include "base/legacy_text.h"
#include "base/system_files.h"

#include <algorithm>
#include <cstring>
#include <limits>

// The file gives each entry's directory one signed byte, so only directories 0 to 127 can be
// named there. An entry of a later directory is stored as -1 (no directory), never as a
// truncated number that would name another directory and take its priority. When loading
// with the directory list, such entries are given back to the directory beyond 127 whose
// path begins their path (the longest such path), so that a rescan of that directory still
// removes them and its priority applies again.

namespace {

const char CatalogueMagic[4] = {'T', 'C', 'F', '1'};
constexpr std::size_t CountSize = 4;
constexpr std::size_t SmallestRecordSize = 3; // directory byte and two empty strings
constexpr std::int32_t LastStorableDirectory = std::numeric_limits<signed char>::max();
constexpr std::int32_t NoDirectory = -1;

void appendInt32(std::string& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

std::int32_t readInt32(const char* bytes)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(bits);
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return !prefix.empty() && text.size() >= prefix.size() &&
           text.compare(0, prefix.size(), prefix) == 0;
}

std::int32_t directoryBeyondStorableByPath(const std::vector<ScanDirectory>& directories,
                                           const std::string& path)
{
    std::int32_t found = NoDirectory;
    std::size_t foundLength = 0;
    for (std::size_t i = LastStorableDirectory + 1; i < directories.size(); ++i) {
        const std::string& prefix = directories[i].path;
        if (prefix.size() > foundLength && startsWith(path, prefix)) {
            found = static_cast<std::int32_t>(i);
            foundLength = prefix.size();
        }
    }
    return found;
}

} // namespace

signed char storedDirectoryIndex(std::int32_t directoryIndex)
{
    if (directoryIndex < std::numeric_limits<signed char>::min() || directoryIndex > LastStorableDirectory)
        return static_cast<signed char>(NoDirectory);
    return static_cast<signed char>(directoryIndex);
}

bool readZString(ByteCursor& cursor, std::string& text)
{
    const std::size_t available = static_cast<std::size_t>(cursor.end - cursor.at);
    const void* zero = std::memchr(cursor.at, '\0', available);
    if (zero == nullptr) {
        text.assign(cursor.at, available);
        cursor.at = cursor.end;
        return false;
    }
    const char* stop = static_cast<const char*>(zero);
    text.assign(cursor.at, static_cast<std::size_t>(stop - cursor.at));
    cursor.at = stop + 1;
    return true;
}

bool saveCatalogueFile(const Catalogue& catalogue, const std::string& path)
{
    return replaceFileAtomically(path, formatCatalogueFile(catalogue));
}

std::string formatCatalogueFile(const Catalogue& catalogue)
{
    std::size_t size = sizeof CatalogueMagic + CountSize;
    for (const CatalogueEntry& entry : catalogue.entries)
        size += SmallestRecordSize + entry.path.size() + entry.name.size();
    std::string out;
    out.reserve(size);
    out.append(CatalogueMagic, sizeof CatalogueMagic);
    appendInt32(out, static_cast<std::int32_t>(catalogue.entries.size()));
    for (const CatalogueEntry& entry : catalogue.entries) {
        out.push_back(static_cast<char>(storedDirectoryIndex(entry.directoryIndex)));
        out.append(entry.path.c_str(), entry.path.size() + 1);
        out.append(entry.name.c_str(), entry.name.size() + 1);
    }
    return out;
}

bool loadCatalogueFile(Catalogue& catalogue, const ScoreStore& scores, const std::string& path)
{
    return loadCatalogueFile(catalogue, scores, path, std::vector<ScanDirectory>());
}

bool loadCatalogueFile(Catalogue& catalogue, const ScoreStore& scores, const std::string& path,
                       const std::vector<ScanDirectory>& directories)
{
    std::string bytes;
    return readWholeFile(path, bytes) && loadCatalogueBytes(catalogue, scores, bytes, directories);
}

bool loadCatalogueBytes(Catalogue& catalogue, const ScoreStore& scores, const std::string& bytes,
                        const std::vector<ScanDirectory>& directories)
{
    if (bytes.size() < sizeof CatalogueMagic ||
        std::memcmp(bytes.data(), CatalogueMagic, sizeof CatalogueMagic) != 0)
        return false;
    clearCatalogue(catalogue);
    if (bytes.size() < sizeof CatalogueMagic + CountSize)
        return true; // the count itself is cut off: no complete record
    const std::int32_t count = readInt32(bytes.data() + sizeof CatalogueMagic);
    ByteCursor cursor{bytes.data() + sizeof CatalogueMagic + CountSize, bytes.data() + bytes.size()};
    if (count <= 0)
        return true;
    // Reserve no more than the bytes can hold, whatever the count promises.
    const std::size_t backed = static_cast<std::size_t>(cursor.end - cursor.at) / SmallestRecordSize;
    catalogue.entries.reserve(std::min(static_cast<std::size_t>(count), backed));
    const bool reattribute = directories.size() > static_cast<std::size_t>(LastStorableDirectory) + 1;
    for (std::int32_t i = 0; i < count && cursor.at < cursor.end; ++i) {
        CatalogueEntry entry;
        entry.directoryIndex = static_cast<signed char>(*cursor.at++);
        if (!readZString(cursor, entry.path) || !readZString(cursor, entry.name))
            break; // the file ends inside this record
        entry.path = textFromDataFile(entry.path);
        entry.name = textFromDataFile(entry.name);
        entry.charMask = computeCharMask(entry.name.c_str());
        if (reattribute && entry.directoryIndex == NoDirectory)
            entry.directoryIndex = directoryBeyondStorableByPath(directories, entry.path);
        entry.launchScore = storedLaunchScore(scores, entry.path);
        catalogue.entries.push_back(std::move(entry));
    }
    noteCatalogueChanged(catalogue);
    return true;
}
