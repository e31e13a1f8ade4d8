// Whole-file reading and crash-safe replacement, shared by every file the launcher keeps.
#pragma once

#include <string>

// Reads the whole file; false when it cannot be opened.
bool readWholeFile(const std::string& path, std::string& contents);

// Writes the bytes to a temporary file beside `path`, then moves it over `path`, so that a
// failed or interrupted save leaves the previous file as it was. False when nothing was replaced.
bool replaceFileAtomically(const std::string& path, const std::string& contents);

// Appends the bytes to the file, creating it when missing.
bool appendToFile(const std::string& path, const std::string& contents);
