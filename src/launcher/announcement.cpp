#include "launcher/announcement.h"

#include "base/ascii.h"
#include "launcher/row_text.h"

namespace {

struct KindOfExtension {
    const char* extension; // upper case, with the dot
    EntryKind kind;
};

const KindOfExtension KindsOfExtensions[] = {
    {".EXE", EntryKind::Program},   {".COM", EntryKind::Program},  {".BAT", EntryKind::Program},
    {".CMD", EntryKind::Program},   {".MSC", EntryKind::Program},  {".CPL", EntryKind::Program},
    {".LNK", EntryKind::Shortcut},  {".PIF", EntryKind::Shortcut}, {".URL", EntryKind::Favourite},
};

// The last component's extension, upper-cased; empty when it has none.
std::string upperExtension(const std::string& path)
{
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return std::string();
    return upperCasedAscii(path.substr(dot));
}

} // namespace

EntryKind entryKindOf(const std::string& path)
{
    const std::string extension = upperExtension(path);
    if (extension.empty())
        return EntryKind::Folder;
    for (const KindOfExtension& known : KindsOfExtensions)
        if (extension == known.extension)
            return known.kind;
    return EntryKind::Document;
}

std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& values)
{
    std::string text;
    text.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c == '%' && next == '%') {
            text += '%';
            ++i;
        } else if (c == '%' && next >= '1' && next <= '9') {
            const std::size_t place = static_cast<std::size_t>(next - '1');
            if (place < values.size())
                text += values[place];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string rowAnnouncement(const AnnouncementTexts& texts, const CatalogueEntry& entry,
                            const std::vector<ScanDirectory>& directories, int row, int count)
{
    const std::string& kind = texts.kinds[static_cast<int>(entryKindOf(entry.path))];
    const std::string position = std::to_string(row + 1);
    const std::string total = std::to_string(count);
    const char* directory = directoryNameOf(entry, directories);
    if (directory == nullptr || directory[0] == '\0')
        return fillPlaces(texts.rowWithoutDirectory, {entry.name, kind, position, total});
    return fillPlaces(texts.row, {entry.name, kind, directory, position, total});
}

std::string rowItemText(const std::string& pattern, const CatalogueEntry& entry,
                        const std::vector<ScanDirectory>& directories)
{
    const char* directory = directoryNameOf(entry, directories);
    if (directory == nullptr || directory[0] == '\0')
        return entry.name;
    return fillPlaces(pattern, {entry.name, directory});
}
