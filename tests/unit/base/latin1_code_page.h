// A legacy code page for tests: Latin-1, where every byte is the code point of its value (the
// letters of cp1252 that paths hold are the same), chosen for the process while it lives.
#pragma once

#include "base/legacy_text.h"
#include "base/utf8.h"

class Latin1CodePage : public LegacyCodePage {
public:
    Latin1CodePage() { useLegacyCodePage(this); }
    ~Latin1CodePage() override { useLegacyCodePage(nullptr); }
    Latin1CodePage(const Latin1CodePage&) = delete;
    Latin1CodePage& operator=(const Latin1CodePage&) = delete;

    std::string toUtf8(std::string_view text) const override
    {
        std::string utf8;
        for (char c : text)
            appendUtf8(utf8, static_cast<unsigned char>(c));
        return utf8;
    }
};
