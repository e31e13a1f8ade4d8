#include "installhelpers/line_piece_reader.h"
#include "text_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> allPieces(const std::string& text)
{
    TextBytes bytes(text);
    LinePieceReader reader(bytes);
    std::vector<std::string> pieces;
    while (!reader.atEnd())
        pieces.push_back(reader.readPiece());
    return pieces;
}

struct PieceCase {
    const char* name;
    std::string text;
    std::vector<std::string> pieces;
};

void PrintTo(const PieceCase& pieceCase, std::ostream* out)
{
    *out << pieceCase.name;
}

const std::string OneShortOfAPiece(LinePieceLength - 1, 'a');
const std::string AWholePiece(LinePieceLength, 'b');

std::string repeated(const std::string& character, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += character;
    return text;
}

// A path at the system's classic limit in characters of three bytes each.
const std::string LongestPathInUtf8 = repeated("\xE2\x82\xAC", kLongestClassicPathCharacters);

const PieceCase PieceCases[] = {
    {"EmptyFileGivesOneEmptyRead", "", {""}},
    {"CrLfBecomesLf", "one\r\ntwo\r\n", {"one\n", "two\n", ""}},
    {"PlainLfLines", "one\ntwo\n", {"one\n", "two\n", ""}},
    {"LastLineWithoutLineEnd", "one\ntwo", {"one\n", "two"}},
    {"BlankLinesComeAsLoneLineFeeds", "\r\n\none\r\n", {"\n", "\n", "one\n", ""}},
    {"CrNotBeforeLfStays", "a\rb\n", {"a\rb\n", ""}},
    {"CrAtTheVeryEndStays", "a\r", {"a\r"}},
    {"OnlyTheCrRightBeforeLfIsDropped", "a\r\r\n", {"a\r\n", ""}},
    {"CrLfRightAfterAPieceLessOneFitsThatPiece", OneShortOfAPiece + "\r\n", {OneShortOfAPiece + "\n", ""}},
    {"LineThatFillsAPieceLeavesItsLineFeedAlone", AWholePiece + "\r\nx\n", {AWholePiece, "\n", "x\n", ""}},
    {"LongLineComesInPieces", AWholePiece + AWholePiece + "cc", {AWholePiece, AWholePiece, "cc"}},
    {"LongestPathInThreeByteCharactersFitsOnePiece", LongestPathInUtf8 + "\r\n", {LongestPathInUtf8 + "\n", ""}},
};

class LinePieces : public testing::TestWithParam<PieceCase> {};

TEST_P(LinePieces, SplitLikeATextModeStream)
{
    EXPECT_EQ(allPieces(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Texts, LinePieces, testing::ValuesIn(PieceCases),
                         [](const testing::TestParamInfo<PieceCase>& info) { return info.param.name; });

TEST(LinePieceReader, EndIsNoticedOnlyByTheReadThatRunsIntoIt)
{
    TextBytes bytes("a\n");
    LinePieceReader reader(bytes);
    EXPECT_EQ(reader.readPiece(), "a\n");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readPiece(), "");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readPiece(), "");
}

TEST(FileByteSource, HighBytesAreNotMistakenForTheEnd)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    const unsigned char written[] = {0xFF, 0xE9, '\r', '\n'};
    std::fwrite(written, 1, sizeof written, file);
    std::rewind(file);
    FileByteSource bytes(file);
    LinePieceReader reader(bytes);
    EXPECT_EQ(reader.readPiece(), "\xFF\xE9\n");
    EXPECT_EQ(reader.readPiece(), "");
    EXPECT_TRUE(reader.atEnd());
    std::fclose(file);
}

} // namespace
