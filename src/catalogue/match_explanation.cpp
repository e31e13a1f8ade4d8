#include "catalogue/match_explanation.h"

#include "base/ascii.h"
#include "catalogue/key_walk.h"
#include "catalogue/match_rules.h"
#include "catalogue/search_keys.h"

namespace {

std::string signedText(int value)
{
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

std::string hitLine(const char* name, const char* p, bool firstHit)
{
    std::string line = "hit '" + std::string(1, *p) + "' at " + std::to_string(p - name + 1) + ": " +
                       signedText(HitScore);
    const int bonus = hitBonus(name, p);
    if (bonus == WordStartBonus)
        line += ", " + signedText(bonus) + " word start";
    else if (bonus == CamelCaseBonus)
        line += ", " + signedText(bonus) + " capital after lower case";
    if (firstHit && p == name)
        line += ", " + signedText(NameStartBonus) + " name start";
    return line;
}

std::string directoryLine(std::int32_t directoryIndex, const std::vector<ScanDirectory>& directories)
{
    if (directoryIndex < 0 || static_cast<std::size_t>(directoryIndex) >= directories.size())
        return "directory: none, +0";
    const ScanDirectory& directory = directories[static_cast<std::size_t>(directoryIndex)];
    return "directory " + std::to_string(directoryIndex) + " \"" + directory.name + "\", priority " +
           std::to_string(directory.priority) + ": " + signedText(priorityWeight(directory.priority));
}

// The launch and directory terms, explained; returns their sum.
std::int32_t explainTerms(const CatalogueEntry& entry, const std::vector<ScanDirectory>& directories,
                          std::vector<std::string>& lines)
{
    const int launchTerm = LaunchScoreFactor * entry.launchScore;
    lines.push_back("launch score " + std::to_string(entry.launchScore) + " x " + std::to_string(LaunchScoreFactor) +
                    ": " + signedText(launchTerm));
    const bool known = entry.directoryIndex >= 0 &&
                       static_cast<std::size_t>(entry.directoryIndex) < directories.size();
    const int weight = known ? priorityWeight(directories[static_cast<std::size_t>(entry.directoryIndex)].priority) : 0;
    lines.push_back(directoryLine(entry.directoryIndex, directories));
    return launchTerm + weight;
}

// A key as people read it: a reading break shows as a space.
std::string shownKey(const std::string& text)
{
    std::string shown;
    bool afterBreak = false;
    for (char c : text) {
        if (c == ReadingBreak || (c == ' ' && afterBreak)) {
            if (!shown.empty() && shown.back() != ' ')
                shown += ' ';
        } else {
            shown += c;
        }
        afterBreak = c == ReadingBreak;
    }
    while (!shown.empty() && shown.back() == ' ')
        shown.pop_back();
    return shown;
}

std::string keyHitLine(const char* key, const char* p, std::size_t characterNumber)
{
    std::string line = "hit '" + std::string(p, keyCharacterLength(p)) + "' at " + std::to_string(characterNumber) +
                       ": " + signedText(HitScore);
    const int bonus = hitBonus(key, p);
    if (bonus == WordStartBonus)
        line += ", " + signedText(bonus) + " word start";
    else if (bonus == CamelCaseBonus)
        line += ", " + signedText(bonus) + " capital after lower case";
    if (p == key)
        line += ", " + signedText(NameStartBonus) + " name start";
    return line;
}

// The best key of a name that has search keys, the first of equal ones; nullptr when none matches.
const SearchKey* bestKey(const std::vector<SearchKey>& keys, const std::string& query)
{
    const SearchKey* best = nullptr;
    std::int32_t bestScore = 0;
    for (const SearchKey& key : keys) {
        std::int32_t score = 0;
        if (!walkKey(key.text.c_str(), query.c_str(), score))
            continue;
        score -= isPhoneticKey(key.kind) ? PhoneticKeyCost : 0;
        if (best == nullptr || score > bestScore) {
            best = &key;
            bestScore = score;
        }
    }
    return best;
}

// The walk over a key, hit by hit, as walkKey makes it; `total` starts with the other terms.
void explainKeyWalk(const SearchKey& key, const std::string& query, std::int32_t& total, std::vector<std::string>& lines)
{
    const char* text = key.text.c_str();
    const char* p = text;
    std::size_t characterNumber = 1;
    int steps = 0; // the move off the last hit is a step too
    for (const char* q = query.c_str(); *q != 0;) {
        const std::size_t wantedLength = keyCharacterLength(q);
        while (!keyCharacterHits(p, keyCharacterLength(p), q, wantedLength)) {
            p += keyCharacterLength(p);
            ++characterNumber;
            steps += q != query.c_str() ? 1 : 0;
        }
        if (q != query.c_str()) {
            total -= StepCost * steps;
            lines.push_back(std::to_string(steps) + (steps == 1 ? " step: " : " steps: ") + signedText(-StepCost * steps));
        }
        total += (p == text ? NameStartBonus : 0) + HitScore + hitBonus(text, p);
        lines.push_back(keyHitLine(text, p, characterNumber));
        q += wantedLength;
        if (*q != 0) {
            p += keyCharacterLength(p);
            ++characterNumber;
            steps = 1;
        }
    }
}

MatchExplanation explainKeyMatch(const CatalogueEntry& entry, const std::vector<SearchKey>& keys,
                                 const std::string& upperQuery, const std::vector<ScanDirectory>& directories)
{
    MatchExplanation explanation;
    const std::string query = foldedQuery(upperQuery.c_str());
    const SearchKey* key = query.empty() ? nullptr : bestKey(keys, query);
    if (key == nullptr)
        return explanation;
    std::int32_t total = explainTerms(entry, directories, explanation.lines);
    explanation.lines.push_back(std::string("on the ") + searchKeyKindName(key->kind) + " key \"" + shownKey(key->text) +
                                "\"");
    explainKeyWalk(*key, query, total, explanation.lines);
    if (isPhoneticKey(key->kind)) {
        total -= PhoneticKeyCost;
        explanation.lines.push_back("phonetic key: " + signedText(-PhoneticKeyCost));
    }
    explanation.lines.push_back("total " + std::to_string(total));
    explanation.matched = true;
    explanation.total = total;
    return explanation;
}

} // namespace

MatchExplanation explainMatch(const CatalogueEntry& entry, const std::string& upperQuery,
                              const std::vector<ScanDirectory>& directories)
{
    const std::vector<SearchKey> keys = searchKeysOf(entry.name);
    if (!keys.empty())
        return explainKeyMatch(entry, keys, upperQuery, directories);
    MatchExplanation explanation;
    const char* name = entry.name.c_str();
    const char* query = upperQuery.c_str();
    if (*query == 0)
        return explanation;
    const char* p = name;
    while (*p != 0 && toUpperAscii(*p) != *query)
        ++p;
    if (*p == 0)
        return explanation;

    std::int32_t total = explainTerms(entry, directories, explanation.lines) + (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
    explanation.lines.push_back(hitLine(name, p, true));
    for (const char* q = query + 1; *q != 0; ++q) {
        int steps = 0;
        do {
            ++steps;
            ++p;
            if (*p == 0) {
                explanation.lines.clear();
                return explanation;
            }
        } while (toUpperAscii(*p) != *q);
        total += -StepCost * steps + HitScore + hitBonus(name, p);
        explanation.lines.push_back(std::to_string(steps) + (steps == 1 ? " step: " : " steps: ") +
                                    signedText(-StepCost * steps));
        explanation.lines.push_back(hitLine(name, p, false));
    }
    explanation.lines.push_back("total " + std::to_string(total));
    explanation.matched = true;
    explanation.total = total;
    return explanation;
}
