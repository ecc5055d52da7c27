#include "Practice.h"

#include "RandomSource.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kFewestInFirstBox = 2;
constexpr int kSmallestBatch = 2;
constexpr int kLargestBatch = 4;

// One of the facts, drawn only when there is a choice.
Fact drawnFrom(const std::vector<Fact>& facts, RandomSource& random)
{
    if (facts.size() == 1)
        return facts.front();
    return facts[static_cast<std::size_t>(random.Random(static_cast<int>(facts.size())))];
}

} // namespace

WeakFactPractice::WeakFactPractice(int operation, std::map<Fact, FactState> states, Day today)
    : operation_(operation)
    , facts_(levelOneFacts(operation))
    , states_(std::move(states))
    , today_(today)
{
}

Fact WeakFactPractice::next(RandomSource& random)
{
    if (facts_.empty())
        return Fact{operation_, 1, 1}; // no operation of the program's: nothing to practise

    std::optional<Fact> chosen = comeBack_.next();
    if (!chosen) {
        admitNewFacts(random);
        chosen = dueFact(random, lastFromFirstBox_);
    }
    if (!chosen) {
        // Nothing due: any fact, though not one waiting to come back nor the last one if
        // there is another.
        std::vector<Fact> free;
        std::copy_if(facts_.begin(), facts_.end(), std::back_inserter(free), [&](const Fact& fact) { return mayAsk(fact); });
        if (free.empty())
            std::copy_if(facts_.begin(), facts_.end(), std::back_inserter(free), [&](const Fact& fact) { return fact != last_; });
        chosen = drawnFrom(free.empty() ? facts_ : free, random);
    }
    lastFromFirstBox_ = boxOf(*chosen) == 1;
    last_ = chosen;
    return *chosen;
}

void WeakFactPractice::answered(const Fact& fact, FirstPress press)
{
    FactState& state = states_[fact];
    state = afterFirstPress(state, press, today_);
    comeBack_.answered(fact, press != FirstPress::Missed);
}

void WeakFactPractice::admitNewFacts(RandomSource& random)
{
    int inFirstBox = 0;
    std::vector<Fact> fresh;
    for (const Fact& fact : facts_) {
        const int box = boxOf(fact);
        if (box == 1)
            ++inFirstBox;
        else if (box <= 0)
            fresh.push_back(fact);
    }
    if (inFirstBox >= kFewestInFirstBox || fresh.empty())
        return;

    // As many as the pupil takes in at once, 2 to 4, each size as likely, and the ones left
    // when there are fewer.
    const int most = std::min(kLargestBatch, static_cast<int>(fresh.size()));
    const int batch = most <= kSmallestBatch ? most : kSmallestBatch + random.Random(most - kSmallestBatch + 1);
    for (int i = 0; i < batch; ++i) {
        FactState& state = states_[fresh[static_cast<std::size_t>(i)]];
        state.box = 1;
        state.due = today_;
    }
}

std::optional<Fact> WeakFactPractice::dueFact(RandomSource& random, bool aboveFirstBox) const
{
    std::vector<const Fact*> due;
    bool anyAbove = false;
    for (const Fact& fact : facts_) {
        const auto found = states_.find(fact);
        if (found == states_.end() || found->second.box < 1 || found->second.due > today_ || !mayAsk(fact))
            continue;
        due.push_back(&fact);
        anyAbove = anyAbove || found->second.box > 1;
    }
    const bool skipFirstBox = aboveFirstBox && anyAbove;

    // The lowest box, then the longest due; the facts alike in both are drawn from.
    std::vector<Fact> best;
    int bestBox = 0;
    Day bestDue = 0;
    for (const Fact* fact : due) {
        const FactState& state = states_.at(*fact);
        if (skipFirstBox && state.box == 1)
            continue;
        const bool better = best.empty() || state.box < bestBox || (state.box == bestBox && state.due < bestDue);
        if (better) {
            best.clear();
            bestBox = state.box;
            bestDue = state.due;
        }
        if (better || (state.box == bestBox && state.due == bestDue))
            best.push_back(*fact);
    }
    if (best.empty())
        return std::nullopt;
    return drawnFrom(best, random);
}

bool WeakFactPractice::mayAsk(const Fact& fact) const
{
    return fact != last_ && !comeBack_.waits(fact);
}

int WeakFactPractice::boxOf(const Fact& fact) const
{
    const auto found = states_.find(fact);
    return found == states_.end() ? 0 : found->second.box;
}
