#include "base/legacy_text.h"

// Native tools take narrow text as UTF-8 and know no legacy code page.
const LegacyCodePage* systemLegacyCodePage()
{
    return nullptr;
}
