// Reads a text file the way a text-mode C stream hands it out line by line into a fixed
// buffer: a carriage return right before a line feed is dropped, and a line longer than the
// buffer comes in several pieces, each at most `LinePieceLength` bytes long.
#pragma once

#include "base/utf8.h"
#include "installhelpers/byte_source.h"

#include <cstddef>
#include <string>

// Room for the longest line whose path can be within the system's classic limit, counted in
// UTF-16 units as the system counts it (up to three bytes each in UTF-8), and its line feed:
// a piece that fills it without a line feed belongs to a line too long for any such path.
constexpr std::size_t LinePieceLength = kLongestClassicPathBytes + 1;

class LinePieceReader {
public:
    explicit LinePieceReader(ByteSource& source) : source_(source) {}

    // The next piece: characters up to and including a line feed, or up to the piece length,
    // or up to the end of the bytes. Empty once nothing is left.
    std::string readPiece();

    // True once a read has run into the end of the bytes.
    bool atEnd() const { return atEnd_; }

private:
    int nextTranslated();
    int nextRaw();

    static constexpr int NoByte = -2;

    ByteSource& source_;
    int pushedBack_ = NoByte;
    bool atEnd_ = false;
};
