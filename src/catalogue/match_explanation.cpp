#include "catalogue/match_explanation.h"

#include "base/ascii.h"
#include "catalogue/match_rules.h"

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

} // namespace

MatchExplanation explainMatch(const CatalogueEntry& entry, const std::string& upperQuery,
                              const std::vector<ScanDirectory>& directories)
{
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

    const int launchTerm = LaunchScoreFactor * entry.launchScore;
    explanation.lines.push_back("launch score " + std::to_string(entry.launchScore) + " x " +
                                std::to_string(LaunchScoreFactor) + ": " + signedText(launchTerm));
    const bool known = entry.directoryIndex >= 0 &&
                       static_cast<std::size_t>(entry.directoryIndex) < directories.size();
    const int weight = known ? priorityWeight(directories[static_cast<std::size_t>(entry.directoryIndex)].priority) : 0;
    explanation.lines.push_back(directoryLine(entry.directoryIndex, directories));
    std::int32_t total = launchTerm + weight + (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
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
