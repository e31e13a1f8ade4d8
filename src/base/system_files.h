// Whole-file reading and crash-safe replacement, shared by every file the launcher keeps.
#pragma once

#include <cstddef>
#include <string>

// Added to a file's name while a save of it is under way; a killed process may leave it behind.
constexpr char UnfinishedSaveSuffix[] = ".new";

// True when the file can be opened for reading.
bool fileExists(const std::string& path);

// Reads the whole file; false when it cannot be opened.
bool readWholeFile(const std::string& path, std::string& contents);

// Writes the bytes to `path`, creating it or cutting it to zero length, and returns only once
// they are on the disk. False when any of that failed; `failure` then says why, in the
// system's words. A file cut short may remain.
bool writeFileDurably(const std::string& path, const char* bytes, std::size_t size, std::string* failure = nullptr);

// Moves a finished file over `to`, replacing it in one step. False when `to` stays as it was.
bool moveFileReplacing(const std::string& from, const std::string& to, std::string* failure = nullptr);

// Writes the bytes to `<path>.new`, flushes them to the disk, then moves that file over `path`,
// so that a failed save or a power cut leaves either the previous file or the new one, whole.
// False when nothing was replaced; `failure` then says why.
bool replaceFileAtomically(const std::string& path, const std::string& contents, std::string* failure = nullptr);

// Removes the `<path>.new` that a save cut short by a killed process left behind.
void discardUnfinishedSave(const std::string& path);

// Appends the bytes to the file, creating it when missing. Asks only for the right to append,
// which is all a shared list may grant, and every write lands at the file's end, so that
// writers at once never overwrite each other.
bool appendToFile(const std::string& path, const std::string& contents);
