#include "installhelpers/line_piece_reader.h"

namespace {
constexpr int CarriageReturn = '\r';
constexpr int LineFeed = '\n';
} // namespace

std::string LinePieceReader::readPiece()
{
    std::string piece;
    while (piece.size() < LinePieceLength) {
        const int character = nextTranslated();
        if (character == ByteSource::End)
            break;
        piece.push_back(static_cast<char>(character));
        if (character == LineFeed)
            break;
    }
    return piece;
}

// Text-mode translation: CR LF becomes LF; a CR before anything else stays as it is.
int LinePieceReader::nextTranslated()
{
    const int character = nextRaw();
    if (character != CarriageReturn)
        return character;
    const int following = nextRaw();
    if (following == LineFeed)
        return LineFeed;
    if (following != ByteSource::End)
        pushedBack_ = following;
    return CarriageReturn;
}

int LinePieceReader::nextRaw()
{
    if (pushedBack_ != NoByte) {
        const int character = pushedBack_;
        pushedBack_ = NoByte;
        return character;
    }
    if (atEnd_)
        return ByteSource::End;
    const int character = source_.next();
    if (character == ByteSource::End)
        atEnd_ = true;
    return character;
}
