#pragma once

#include "Facts.h"
#include "Mastery.h"

#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class RandomSource;

// A missed question comes back: after 2 other questions, then once more after 5 others. A miss
// when it comes back starts over. `Item` is what is asked again (a Fact).
template <class Item>
class ComeBack {
public:
    // Before the next question: the missed one whose turn it is, if any (each call is one
    // question asked, so the others' turns come nearer).
    std::optional<Item> next();
    // After the first press on a question, whether it came back or was new.
    void answered(const Item& item, bool rightAtFirstPress);
    // Whether the item waits to come back, so that nothing else asks it before its turn.
    bool waits(const Item& item) const;

private:
    struct Waiting {
        Item item;
        int questionsLeft;  // others to ask before it; below zero when others held its turn
        bool second;        // the 5-question return, after the 2-question one
    };
    static constexpr int kFirstReturn = 2;
    static constexpr int kSecondReturn = 5;

    std::deque<Waiting> waiting_;       // in the order of the misses
    std::optional<Waiting> cameBack_;   // the one next() gave, until it is answered
};

template <class Item>
std::optional<Item> ComeBack<Item>::next()
{
    // One given back and never answered comes at the turn after this one.
    std::optional<Waiting> unanswered = std::exchange(cameBack_, std::nullopt);

    // Of two whose turns fall together, the one that waited longer, else the earlier miss.
    auto turn = waiting_.end();
    for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
        if (it->questionsLeft <= 0 && (turn == waiting_.end() || it->questionsLeft < turn->questionsLeft))
            turn = it;
    }
    std::optional<Item> item;
    if (turn != waiting_.end()) {
        cameBack_ = *turn;
        item = turn->item;
        waiting_.erase(turn);
    }
    for (Waiting& other : waiting_)
        --other.questionsLeft;
    if (unanswered)
        waiting_.push_back({unanswered->item, 0, unanswered->second});
    return item;
}

template <class Item>
void ComeBack<Item>::answered(const Item& item, bool rightAtFirstPress)
{
    if (cameBack_ && cameBack_->item == item) {
        const bool wasSecond = cameBack_->second;
        cameBack_.reset();
        if (!rightAtFirstPress)
            waiting_.push_back({item, kFirstReturn, false});
        else if (!wasSecond)
            waiting_.push_back({item, kSecondReturn, true});
        return;
    }
    // The one given back was not asked: it keeps its turn.
    if (cameBack_)
        waiting_.push_back({cameBack_->item, 0, cameBack_->second});
    cameBack_.reset();
    if (rightAtFirstPress)
        return;
    // Missed again before its turn: it starts over.
    for (auto it = waiting_.begin(); it != waiting_.end();) {
        if (it->item == item)
            it = waiting_.erase(it);
        else
            ++it;
    }
    waiting_.push_back({item, kFirstReturn, false});
}

template <class Item>
bool ComeBack<Item>::waits(const Item& item) const
{
    if (cameBack_ && cameBack_->item == item)
        return true;
    for (const Waiting& waiting : waiting_) {
        if (waiting.item == item)
            return true;
    }
    return false;
}

// The level-1 facts of one operation in the order a pupil who practises weak facts meets them:
// a fact missed comes back (ComeBack), then the facts due, lowest box and longest due first;
// new facts enter two to four at a time when fewer than two facts are still in the first box,
// and are asked among the ones known; when nothing is due, a fact drawn at random. Never the
// same fact twice in a row while there is another.
class WeakFactPractice {
public:
    // `states`: what is known of the operation's facts (a fact without one is new); `today`.
    WeakFactPractice(int operation, std::map<Fact, FactState> states, Day today);

    // The fact to ask next; `random` breaks ties and draws the size of a batch of new facts.
    Fact next(RandomSource& random);
    // The first press on the fact asked last.
    void answered(const Fact& fact, FirstPress press);

    const std::map<Fact, FactState>& states() const { return states_; }

private:
    // Puts the next new facts into the first box, if it holds fewer than two and some are left.
    void admitNewFacts(RandomSource& random);
    // The due fact to ask: lowest box, then longest due, then drawn; from above the first box
    // only if `aboveFirstBox` and there is one.
    std::optional<Fact> dueFact(RandomSource& random, bool aboveFirstBox) const;
    // Whether a fact may be asked now: not the last one, and not one waiting to come back.
    bool mayAsk(const Fact& fact) const;
    int boxOf(const Fact& fact) const;

    int operation_;
    std::vector<Fact> facts_; // the operation's level-1 facts
    std::map<Fact, FactState> states_;
    Day today_;
    ComeBack<Fact> comeBack_;
    std::optional<Fact> last_;
    bool lastFromFirstBox_ = false;
};
