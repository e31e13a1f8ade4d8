#include "base/legacy_text.h"

#include "base/utf8.h"

#include <atomic>

namespace {

// Set once at start; the scanning thread reads it too.
std::atomic<const LegacyCodePage*> codePageInUse{nullptr};

} // namespace

void useLegacyCodePage(const LegacyCodePage* codePage)
{
    codePageInUse.store(codePage);
}

const LegacyCodePage* legacyCodePageInUse()
{
    return codePageInUse.load();
}

bool needsLegacyDecoding(std::string_view text, const LegacyCodePage* codePage)
{
    return codePage != nullptr && !isValidUtf8(text);
}

std::string textFromDataFile(std::string_view text)
{
    const LegacyCodePage* codePage = legacyCodePageInUse();
    if (!needsLegacyDecoding(text, codePage))
        return std::string(text);
    return codePage->toUtf8(text);
}
