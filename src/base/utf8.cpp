#include "base/utf8.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length a lead byte announces, and the smallest code point that needs that length.
struct LeadByte {
    std::size_t length;
    char32_t bits;
    char32_t smallest;
};

LeadByte readLead(unsigned char byte)
{
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, static_cast<char32_t>(byte & 0x1F), 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, static_cast<char32_t>(byte & 0x0F), 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, static_cast<char32_t>(byte & 0x07), 0x10000};
    return {0, 0, 0};
}

} // namespace

DecodedCodePoint decodeUtf8(std::string_view text)
{
    if (text.empty())
        return {};
    LeadByte lead = readLead(static_cast<unsigned char>(text[0]));
    if (lead.length == 0 || lead.length > text.size())
        return {};
    char32_t codePoint = lead.bits;
    for (std::size_t i = 1; i < lead.length; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return {};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    bool surrogate = codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate;
    if (codePoint < lead.smallest || codePoint > kLastCodePoint || surrogate)
        return {};
    return {codePoint, lead.length};
}

bool isValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        std::size_t length = decodeUtf8(text).length;
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::size_t firstBeyondAscii(std::string_view text)
{
    // Eight bytes at a time: a names file of a million lines is searched in a few milliseconds.
    constexpr std::uint64_t HighBits = 0x8080808080808080ULL;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if ((word & HighBits) != 0)
            break;
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at;
}

bool isAscii(std::string_view text)
{
    return firstBeyondAscii(text) == text.size();
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint > kLastCodePoint || (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate))
        codePoint = kReplacementCharacter;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::size_t utf16Length(std::string_view text)
{
    constexpr char32_t FirstSupplementary = 0x10000;
    std::size_t units = 0;
    while (!text.empty()) {
        const DecodedCodePoint decoded = decodeUtf8(text);
        units += decoded.codePoint >= FirstSupplementary ? 2 : 1;
        text.remove_prefix(decoded.length == 0 ? 1 : decoded.length);
    }
    return units;
}

std::size_t utf8CharactersPrefixLength(std::string_view text, std::size_t maxCharacters)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < maxCharacters && end < text.size(); ++characters) {
        const std::size_t length = decodeUtf8(text.substr(end)).length;
        end += length == 0 ? 1 : length;
    }
    return end;
}

std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t end = maxBytes;
    // Step back over continuation bytes to the start of the sequence the cut falls into.
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end])))
        --end;
    return end;
}
