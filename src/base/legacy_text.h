// Text in the data files of versions whose narrow text was in the system's ANSI code page.
// Once this process's narrow text is UTF-8, such text is recognised by not being well-formed
// UTF-8 and is read in that legacy code page, so a folder named in an old file is the same
// folder after the upgrade; the next save writes it as UTF-8.
#pragma once

#include <string>
#include <string_view>

// A legacy ANSI code page; Windows asks the system, tests use a table of their own.
class LegacyCodePage {
public:
    virtual ~LegacyCodePage() = default;
    // The UTF-8 form of `text` read in this code page.
    virtual std::string toUtf8(std::string_view text) const = 0;
};

// The code page that data files of older versions hold text in, from the process's active code
// page and the ANSI code page of the system's locale; 0 when text needs no decoding, because
// the process's narrow text is in that legacy code page already.
// (Inline: the systems' own code uses it, and links before the portable library.)
constexpr unsigned Utf8CodePage = 65001;
constexpr unsigned legacyCodePageNumber(unsigned activeCodePage, unsigned systemLocaleCodePage)
{
    return activeCodePage == Utf8CodePage && systemLocaleCodePage != Utf8CodePage ? systemLocaleCodePage : 0;
}

// The system's legacy code page when this process's narrow text is UTF-8 and the system's
// ANSI code page is another one; null when narrow text is in the legacy code page already
// (the manifest was not honoured) or the system has no such thing.
const LegacyCodePage* systemLegacyCodePage();

// Chooses the legacy code page of the process; set once at start, before any file is read.
void useLegacyCodePage(const LegacyCodePage* codePage);
const LegacyCodePage* legacyCodePageInUse();

// Whether text read from a data file must be decoded from the legacy code page: only text that
// is not well-formed UTF-8, and only while a legacy code page is in use.
bool needsLegacyDecoding(std::string_view text, const LegacyCodePage* codePage);

// Text read from a data file as this version keeps it.
std::string textFromDataFile(std::string_view text);
