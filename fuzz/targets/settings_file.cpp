// Settings.ini: any bytes parse; what is written from them reads back to the same file.
#include "fuzz_target.h"

#include "settings/settings_file.h"

TANDOR_FUZZ_TARGET(settings_file)
{
    Settings first;
    parseSettingsText(std::string(reinterpret_cast<const char*>(data), size), first);
    const std::string written = formatSettingsText(first);
    Settings second;
    parseSettingsText(written, second);
    FUZZ_CHECK(second.definitions.size() == first.definitions.size());
    FUZZ_CHECK(second.directories.size() == first.directories.size());
    FUZZ_CHECK(formatSettingsText(second) == written);
}
