#include "scanning/packaged_apps.h"

#include <algorithm>
#include <set>

#include "base/ascii.h"
#include "base/utf8.h"
#include "scanning/folder_walk.h"
#include "settings/apps_source.h"

namespace {

// The limits the system puts on a package's name, its publisher's hash and an application's ID.
constexpr std::size_t MinPackageNameChars = 3;
constexpr std::size_t MaxPackageNameChars = 50;
constexpr std::size_t PublisherIdChars = 13;
constexpr std::size_t MaxApplicationIdChars = 64;

constexpr std::size_t MaxAppNameBytes = MaxPathChars - 1;
const char* const UnresolvedNamePrefixes[] = {"ms-resource:", "@{"};

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isPackageNameChar(char c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '.' || c == '-';
}

bool isPublisherIdChar(char c)
{
    return isLowerAscii(c) || isAsciiDigit(c);
}

bool isApplicationIdChar(char c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '.';
}

bool allOf(const std::string& text, bool (*test)(char))
{
    return std::all_of(text.begin(), text.end(), test);
}

bool startsWithAscii(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() &&
           upperCasedAscii(text.substr(0, prefix.size())) == upperCasedAscii(prefix);
}

bool hasControlByte(const std::string& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A catalogued shortcut's name: its file name without the extension, in upper case.
std::string shortcutNameKey(const std::string& path)
{
    const std::string upper = upperCasedAscii(path);
    for (const char* extension : ShortcutExtensions) {
        const std::string suffix = upperCasedAscii(extension);
        if (upper.size() > suffix.size() && upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0) {
            const std::size_t start = upper.find_last_of('\\') + 1;
            return upper.substr(start, upper.size() - suffix.size() - start);
        }
    }
    return std::string();
}

std::set<std::string> shortcutNames(const Catalogue& catalogue)
{
    std::set<std::string> names;
    for (const CatalogueEntry& entry : catalogue.entries) {
        std::string key = shortcutNameKey(entry.path);
        if (!key.empty())
            names.insert(std::move(key));
    }
    return names;
}

} // namespace

bool isAppUserModelId(const std::string& parsingName)
{
    const std::size_t bang = parsingName.find('!');
    if (bang == std::string::npos)
        return false;
    const std::string family = parsingName.substr(0, bang);
    const std::string application = parsingName.substr(bang + 1);
    const std::size_t underscore = family.find('_');
    if (underscore == std::string::npos)
        return false;
    const std::string package = family.substr(0, underscore);
    const std::string publisher = family.substr(underscore + 1);
    return package.size() >= MinPackageNameChars && package.size() <= MaxPackageNameChars &&
           allOf(package, isPackageNameChar) && publisher.size() == PublisherIdChars &&
           allOf(publisher, isPublisherIdChar) && !application.empty() &&
           application.size() <= MaxApplicationIdChars && isAsciiLetter(application[0]) &&
           allOf(application, isApplicationIdChar);
}

bool isShowableAppName(const std::string& name)
{
    if (name.empty() || name.size() > MaxAppNameBytes || !isValidUtf8(name) || hasControlByte(name))
        return false;
    for (const char* prefix : UnresolvedNamePrefixes) {
        if (startsWithAscii(name, prefix))
            return false;
    }
    return true;
}

void addPackagedApps(Catalogue& catalogue, const ScoreStore& scores, std::size_t directoryIndex,
                     const std::vector<AppsFolderItem>& items)
{
    const std::set<std::string> covered = shortcutNames(catalogue);
    std::set<std::string> added;
    for (const AppsFolderItem& item : items) {
        if (!isAppUserModelId(item.parsingName) || !isShowableAppName(item.displayName))
            continue;
        if (covered.count(upperCasedAscii(item.displayName)) != 0)
            continue;
        if (!added.insert(upperCasedAscii(item.parsingName)).second)
            continue;
        CatalogueEntry entry;
        entry.path = appsFolderEntryPath(item.parsingName);
        setName(entry, item.displayName);
        entry.launchScore = storedLaunchScore(scores, entry.path);
        entry.directoryIndex = static_cast<std::int32_t>(directoryIndex);
        appendEntry(catalogue, entry);
    }
}
