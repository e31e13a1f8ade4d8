#include "base/text_fold.h"

#include "base/fold_tables.h"
#include "base/utf8.h"

#include <cstdint>

namespace {

std::string_view pooled(const unsigned char* bytes, const std::uint16_t* starts, std::uint16_t number)
{
    const char* text = reinterpret_cast<const char*>(bytes);
    return std::string_view(text + starts[number], static_cast<std::size_t>(starts[number + 1] - starts[number]));
}

} // namespace

const char* foldDataVersion()
{
    return fold_tables::DataVersion;
}

FoldedCodePoint foldCodePoint(char32_t codePoint)
{
    using namespace fold_tables;
    FoldedCodePoint folded;
    if (codePoint >= FoldLimit)
        return folded;
    const std::uint16_t number = FoldBlocks[FoldBlockOf[codePoint >> BlockBits]][codePoint & (BlockSize - 1)];
    if (number == 0)
        return folded;
    folded.unchanged = false;
    folded.text = pooled(FoldBytes, FoldStarts, number);
    return folded;
}

void appendFolded(std::string& out, std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const DecodedCodePoint decoded = byte < 0x80 ? DecodedCodePoint{byte, 1} : decodeUtf8(text.substr(at));
        if (decoded.length == 0) { // not well-formed: the byte stands for itself
            out += text[at++];
            continue;
        }
        const FoldedCodePoint folded = foldCodePoint(decoded.codePoint);
        if (folded.unchanged)
            out.append(text.substr(at, decoded.length));
        else
            out.append(folded.text);
        at += decoded.length;
    }
}

std::string foldedText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    appendFolded(out, text);
    return out;
}

std::string_view hanReadings(char32_t codePoint)
{
    using namespace fold_tables;
    if (codePoint >= ReadingLimit)
        return std::string_view();
    const std::uint16_t number = ReadingBlocks[ReadingBlockOf[codePoint >> BlockBits]][codePoint & (BlockSize - 1)];
    return number == 0 ? std::string_view() : pooled(ReadingBytes, ReadingStarts, number);
}
