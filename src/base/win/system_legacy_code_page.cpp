#include "base/legacy_text.h"

#include <windows.h>

#include <climits>

namespace {

class WindowsLegacyCodePage : public LegacyCodePage {
public:
    // Text that cannot be converted stays as it is.
    std::string toUtf8(std::string_view text) const override
    {
        std::string utf8(text);
        if (!text.empty() && text.size() <= static_cast<std::size_t>(INT_MAX))
            convert(text.data(), static_cast<int>(text.size()), utf8);
        return utf8;
    }

    UINT codePage = 0;

private:
    void convert(const char* text, int length, std::string& utf8) const
    {
        const int wideLength = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
        if (wideLength <= 0)
            return;
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(codePage, 0, text, length, &wide[0], wideLength);
        const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
        if (utf8Length <= 0)
            return;
        utf8.assign(static_cast<std::size_t>(utf8Length), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], utf8Length, nullptr, nullptr);
    }
};

WindowsLegacyCodePage systemCodePage;

// The ANSI code page of the system's locale, which is what the process's would be without
// the manifest's UTF-8.
UINT systemLocaleAnsiCodePage()
{
    DWORD codePage = 0;
    const int units = static_cast<int>(sizeof codePage / sizeof(WCHAR));
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), units) == 0)
        return 0;
    return codePage;
}

} // namespace

const LegacyCodePage* systemLegacyCodePage()
{
    const UINT legacy = legacyCodePageNumber(GetACP(), systemLocaleAnsiCodePage());
    if (legacy == 0)
        return nullptr;
    systemCodePage.codePage = legacy;
    return &systemCodePage;
}
