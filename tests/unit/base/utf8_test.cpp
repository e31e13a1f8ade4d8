#include "base/utf8.h"

#include <gtest/gtest.h>

namespace {

std::size_t lengthOf(std::string_view bytes)
{
    return decodeUtf8(bytes).length;
}

} // namespace

TEST(Utf8, DecodesEveryLength)
{
    EXPECT_EQ(decodeUtf8("A").codePoint, U'A');
    EXPECT_EQ(decodeUtf8("\xC3\xA9").codePoint, U'\u00E9');
    EXPECT_EQ(decodeUtf8("\xE6\x97\xA5").codePoint, U'\u65E5');
    DecodedCodePoint emoji = decodeUtf8("\xF0\x9F\x98\x80!");
    EXPECT_EQ(emoji.codePoint, U'\U0001F600');
    EXPECT_EQ(emoji.length, 4u);
}

TEST(Utf8, RejectsMalformedSequences)
{
    EXPECT_EQ(lengthOf(""), 0u);
    EXPECT_EQ(lengthOf("\x80"), 0u);             // a lone continuation byte
    EXPECT_EQ(lengthOf("\xC3"), 0u);             // truncated
    EXPECT_EQ(lengthOf("\xE6\x97"), 0u);         // truncated
    EXPECT_EQ(lengthOf("\xC3\x41"), 0u);         // continuation missing
    EXPECT_EQ(lengthOf("\xC0\xAF"), 0u);         // overlong '/'
    EXPECT_EQ(lengthOf("\xE0\x80\xAF"), 0u);     // overlong '/'
    EXPECT_EQ(lengthOf("\xF0\x82\x82\xAC"), 0u); // overlong euro sign
    EXPECT_EQ(lengthOf("\xED\xA0\x80"), 0u);     // a surrogate
    EXPECT_EQ(lengthOf("\xF4\x90\x80\x80"), 0u); // past U+10FFFF
    EXPECT_EQ(lengthOf("\xF8\x88\x80\x80\x80"), 0u);
    EXPECT_EQ(lengthOf("\xFF"), 0u);
}

TEST(Utf8, ValidatesWholeTexts)
{
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("C:\\Users\\Jos\xC3\xA9\\Documents\\"));
    EXPECT_FALSE(isValidUtf8("C:\\Users\\Jos\xE9\\Documents\\")); // cp1252
    EXPECT_FALSE(isValidUtf8("\x93\xFA\x96\x7B"));                // cp932
    EXPECT_TRUE(isAscii("plain note.bat"));
    EXPECT_FALSE(isAscii("Caf\xC3\xA9"));
}

TEST(Utf8, EncodesWhatItDecodesAndReplacesTheUnencodable)
{
    for (char32_t codePoint : {U'A', U'\u00E9', U'\u07FF', U'\u0800', U'\uFFFF', U'\U00010000', U'\U0010FFFF'}) {
        std::string text;
        appendUtf8(text, codePoint);
        DecodedCodePoint decoded = decodeUtf8(text);
        EXPECT_EQ(decoded.codePoint, codePoint);
        EXPECT_EQ(decoded.length, text.size());
    }
    std::string replaced;
    appendUtf8(replaced, 0xD800);
    appendUtf8(replaced, 0x110000);
    EXPECT_EQ(replaced, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8, PrefixNeverCutsASequence)
{
    std::string_view text = "ab\xE6\x97\xA5\xF0\x9F\x98\x80";
    EXPECT_EQ(utf8PrefixLength(text, 100), text.size());
    EXPECT_EQ(utf8PrefixLength(text, 2), 2u);
    EXPECT_EQ(utf8PrefixLength(text, 3), 2u);
    EXPECT_EQ(utf8PrefixLength(text, 4), 2u);
    EXPECT_EQ(utf8PrefixLength(text, 5), 5u);
    EXPECT_EQ(utf8PrefixLength(text, 8), 5u);
    EXPECT_EQ(utf8PrefixLength(text, 0), 0u);
}

TEST(Utf8, CharacterPrefixCountsSequencesAndStrayBytesAsOneEach)
{
    std::string_view text = "ab\xE6\x97\xA5\xF0\x9F\x98\x80";
    EXPECT_EQ(utf8CharactersPrefixLength(text, 0), 0u);
    EXPECT_EQ(utf8CharactersPrefixLength(text, 3), 5u);
    EXPECT_EQ(utf8CharactersPrefixLength(text, 4), text.size());
    EXPECT_EQ(utf8CharactersPrefixLength(text, 100), text.size());
    EXPECT_EQ(utf8CharactersPrefixLength("\xE9\xE6\x97x", 2), 2u); // cp1252 bytes, a cut sequence
    EXPECT_EQ(utf8CharactersPrefixLength("\xE6\x97", 1), 1u);
}

TEST(Utf8, Utf16LengthCountsPairsBeyondTheFirstPlaneAndStrayBytes)
{
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length("C:\\a"), 4u);
    EXPECT_EQ(utf16Length("Jos\xC3\xA9 \xE6\x97\xA5"), 6u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);
    EXPECT_EQ(utf16Length("Jos\xE9"), 4u);     // cp1252
    EXPECT_EQ(utf16Length("\xE6\x97"), 2u);    // a cut sequence
    EXPECT_EQ(utf16Length("\xC0\xAF"), 2u);    // overlong
}
