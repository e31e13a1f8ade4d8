#include "names_file.h"

#include "parallel.h"

#include "catalogue/match_rules.h"
#include "catalogue/matcher.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numeric>

bool readNamesFile(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    bytes.clear();
    // One read into a buffer of the file's size: for a million lines, reading is a good
    // part of what a query costs.
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) {
            bytes.reserve(static_cast<std::size_t>(size) + MatchIndexPadding);
            bytes.resize(static_cast<std::size_t>(size));
            std::rewind(file);
            bytes.resize(std::fread(&bytes[0], 1, bytes.size(), file));
        }
    }
    if (bytes.empty())
        std::rewind(file);
    char chunk[1 << 16]; // whatever the size did not tell (a pipe, a growing file)
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

namespace {

void addNameEntry(const char* text, std::size_t length, const ScoreStore& scores, Catalogue& catalogue)
{
    catalogue.entries.emplace_back();
    CatalogueEntry& entry = catalogue.entries.back();
    entry.name.assign(text, length);
    entry.charMask = computeCharMask(entry.name.c_str());
    entry.path = entry.name;
    entry.directoryIndex = -1;
    if (!scores.records.empty())
        entry.launchScore = storedLaunchScore(scores, entry.path);
}

// Packs the lines into `index`: each line's end becomes a NUL, empty lines are left out. One
// pass finds the lines and their signatures together; a CR before the LF or a NUL inside a
// line only adds bits, which lets more names through to the walk, and the walk decides.
void indexLines(MatchIndex& index)
{
    char* const start = &index.names[0];
    char* const end = start + index.names.size();
    index.items.reserve(static_cast<std::size_t>(std::count(start, end, '\n')) + 1);
    auto endLine = [&](char* lineStart, char* lineEnd, std::uint32_t mask) {
        if (lineEnd > lineStart && lineEnd[-1] == '\r')
            --lineEnd;
        if (lineEnd == lineStart)
            return;
        *lineEnd = '\0'; // at the very end this is the string's own terminator
        index.items.push_back(MatchIndex::Item{mask, static_cast<std::uint32_t>(lineStart - start)});
    };
    char* lineStart = start;
    std::uint32_t mask = 0;
    for (char* p = start; p < end; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            endLine(lineStart, p, mask);
            lineStart = p + 1;
            mask = 0;
        } else {
            mask |= 1u << (c & 31u);
        }
    }
    endLine(lineStart, end, mask);
    index.names.append(MatchIndexPadding, '\0');
}

struct Candidate {
    const char* name;   // NUL-terminated in its half's packed buffer
    std::int32_t score; // final: lines belong to no directory, so no weight
};

// One part of the file, packed and matched on its own thread.
struct FilePart {
    MatchIndex index;
    std::vector<Candidate> found;
};

void matchPart(FilePart& part, const std::string& upperQuery, const ScoreStore& scores)
{
    indexLines(part.index);
    markMatchingNames(part.index, upperQuery);
    part.found.reserve(part.index.marked.size());
    for (std::size_t k = 0; k < part.index.marked.size(); ++k) {
        const char* name = part.index.names.data() + part.index.items[part.index.marked[k]].nameOffset;
        std::int32_t score = part.index.markedScores[k];
        if (!scores.records.empty())
            score += LaunchScoreFactor * storedLaunchScore(scores, name);
        part.found.push_back(Candidate{name, storedMatchScore(score)});
    }
}

// The best `limit` candidates by (score descending, file order), in file order. The order is
// total, so exactly these are the ones any ranking of the whole file shows.
std::vector<const Candidate*> bestCandidates(const std::vector<const Candidate*>& all, std::size_t limit)
{
    std::vector<std::size_t> order(all.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (limit < all.size()) {
        auto better = [&](std::size_t a, std::size_t b) {
            return all[a]->score != all[b]->score ? all[a]->score > all[b]->score : a < b;
        };
        std::nth_element(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(limit), order.end(), better);
        order.resize(limit);
        std::sort(order.begin(), order.end());
    }
    std::vector<const Candidate*> chosen;
    chosen.reserve(order.size());
    for (std::size_t k : order)
        chosen.push_back(all[k]);
    return chosen;
}

} // namespace

void appendNames(const std::string& bytes, const ScoreStore& scores, Catalogue& catalogue)
{
    const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    catalogue.entries.reserve(catalogue.entries.size() + lines);
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    while (at < end) {
        const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        const char* lineEnd = found != nullptr ? static_cast<const char*>(found) : end;
        const char* textEnd = (lineEnd > at && lineEnd[-1] == '\r') ? lineEnd - 1 : lineEnd;
        if (textEnd > at)
            addNameEntry(at, static_cast<std::size_t>(textEnd - at), scores, catalogue);
        at = lineEnd + 1;
    }
    noteCatalogueChanged(catalogue);
}

void appendNamesRanking(std::string bytes, const std::string& upperQuery, std::size_t limit,
                        const ScoreStore& scores, Catalogue& catalogue, std::size_t smallestSplit)
{
    if (bytes.size() >= std::numeric_limits<std::uint32_t>::max()) {
        appendNames(bytes, scores, catalogue); // too big for the packed offsets
        return;
    }
    // Two parts, split after a line end near the middle, are packed and matched at once.
    FilePart parts[2];
    std::size_t split = bytes.size();
    if (bytes.size() >= smallestSplit) {
        const std::size_t lineEnd = bytes.find('\n', bytes.size() / 2);
        if (lineEnd != std::string::npos)
            split = lineEnd + 1;
    }
    parts[1].index.names.reserve(bytes.size() - split + MatchIndexPadding);
    parts[1].index.names.assign(bytes, split, std::string::npos);
    bytes.resize(split);
    parts[0].index.names = std::move(bytes);
    if (parts[1].index.names.empty())
        matchPart(parts[0], upperQuery, scores);
    else
        runBoth([&]() { matchPart(parts[0], upperQuery, scores); },
                [&]() { matchPart(parts[1], upperQuery, scores); });

    std::vector<const Candidate*> all;
    all.reserve(parts[0].found.size() + parts[1].found.size());
    for (const FilePart& part : parts)
        for (const Candidate& candidate : part.found)
            all.push_back(&candidate);
    const std::vector<const Candidate*> chosen = bestCandidates(all, limit);
    catalogue.entries.reserve(catalogue.entries.size() + chosen.size());
    for (const Candidate* candidate : chosen)
        addNameEntry(candidate->name, std::strlen(candidate->name), scores, catalogue);
    noteCatalogueChanged(catalogue);
}
