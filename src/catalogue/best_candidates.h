// Keeping the best few of many candidates, and merging the best of several parts.
// Better means a higher score, then an earlier place (catalogue order, file order).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

template <typename Candidate>
bool ranksBefore(const Candidate& a, const Candidate& b)
{
    return a.score != b.score ? a.score > b.score : a.place < b.place;
}

// The best `capacity` candidates, best first. Candidates arrive in ascending place, so a later
// one only displaces a kept one with a strictly higher score and goes after every kept one of
// equal score: the same candidates, in the same order, as picking the strictly best remaining
// one `capacity` times. `kept` is the caller's, so that its storage is reused.
template <typename Candidate>
class BestOf {
public:
    BestOf(std::vector<Candidate>& kept, std::size_t capacity) : kept_(kept), capacity_(capacity)
    {
        kept_.clear();
    }
    bool wouldTake(std::int32_t score) const
    {
        return kept_.size() < capacity_ || (capacity_ != 0 && score > kept_.back().score);
    }
    void take(const Candidate& candidate)
    {
        if (kept_.size() == capacity_)
            kept_.pop_back();
        auto position = std::upper_bound(kept_.begin(), kept_.end(), candidate.score,
            [](std::int32_t value, const Candidate& kept) { return value > kept.score; });
        kept_.insert(position, candidate);
    }

private:
    std::vector<Candidate>& kept_;
    std::size_t capacity_;
};

// The best `capacity` of several lists that are each best first; `next` is scratch.
template <typename Candidate>
void mergeBest(const std::vector<const std::vector<Candidate>*>& lists, std::size_t capacity,
               std::vector<std::size_t>& next, std::vector<Candidate>& merged)
{
    merged.clear();
    next.assign(lists.size(), 0);
    while (merged.size() < capacity) {
        const Candidate* best = nullptr;
        std::size_t from = 0;
        for (std::size_t l = 0; l < lists.size(); ++l) {
            if (next[l] < lists[l]->size() && (best == nullptr || ranksBefore((*lists[l])[next[l]], *best))) {
                best = &(*lists[l])[next[l]];
                from = l;
            }
        }
        if (best == nullptr)
            return;
        merged.push_back(*best);
        ++next[from];
    }
}
