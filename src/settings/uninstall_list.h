// uninst.dir: the application-data folders of every user who saved settings, one a line,
// for the user-data remover.
#pragma once

#include <cstddef>
#include <string>

// How much of the list is read at a time.
constexpr std::size_t UninstallListChunkSize = 1u << 16;

// Looks for the line that names one user's folder while the list's bytes come in, holding at
// most one line of the folder's length: every user may write the list, so it can be of any
// size and its lines of any length. Every line is searched, case-insensitively: a repeated
// line would stop the remover before the lines behind it.
class UninstallListSearch {
public:
    explicit UninstallListSearch(const std::string& appDataPath);

    // The next bytes of the list, split anywhere.
    void read(const char* bytes, std::size_t size);
    // Reads the list file a chunk at a time; a missing file is an empty list.
    void readFile(const std::string& path);

    // The bytes to append, after all that was read, so that the list names the folder
    // (upper-cased, CR LF); empty when a line names it already, or the path is empty or holds a
    // line end. A last line without its line end is finished first, so the new line never
    // joins it.
    std::string addition() const;

private:
    void readLinePart(const char* bytes, std::size_t size);
    bool currentLineIsWanted() const;
    void endLine();

    std::string wanted_;
    // The start of the current line, as read, one byte longer than the wanted line
    // at most; a longer line names another folder and is only skipped to its end.
    std::string line_;
    bool lineTooLong_ = false;
    bool found_ = false;
    bool endsWithLineFeed_ = true;
};

// The addition for a list read whole: for tests and small lists.
std::string uninstallListAddition(const std::string& appDataPath, const std::string& listContents);
