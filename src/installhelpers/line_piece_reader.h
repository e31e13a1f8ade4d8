// Reads a text file the way a text-mode C stream hands it out line by line into a fixed
// buffer: a carriage return right before a line feed is dropped, and a line longer than the
// buffer comes in several pieces, each at most `LinePieceLength` characters long.
#pragma once

#include "installhelpers/byte_source.h"

#include <cstddef>
#include <string>

// A buffer of 260 characters holds 259 and the terminator.
constexpr std::size_t LinePieceLength = 259;

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
