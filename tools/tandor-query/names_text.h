// A names file's bytes, loaded for the ranking.
#pragma once

#include "catalogue/match_index.h"
#include "names_mapping.h"

#include <cstddef>
#include <memory>
#include <string>

// The whole file, mapped (or read with one call where it cannot be), followed by at least
// MatchIndexPadding NULs so that the walk may read that many bytes from the last line's start.
class NamesText {
public:
    NamesText() = default;
    NamesText(const NamesText&) = delete;
    NamesText& operator=(const NamesText&) = delete;
    ~NamesText();
    const char* bytes() const { return bytes_; }
    std::size_t size() const { return size_; } // without the padding

    // False when the file cannot be read.
    friend bool readNamesFile(const std::string& path, NamesText& text);
    friend void copyNamesText(const std::string& bytes, NamesText& text);

private:
    static const char NoNames[MatchIndexPadding]; // all NULs
    const char* bytes_ = NoNames;
    std::size_t size_ = 0;
    std::unique_ptr<char[]> owned_;
    NamesMapping mapping_;
};

bool readNamesFile(const std::string& path, NamesText& text);
void copyNamesText(const std::string& bytes, NamesText& text);
