#pragma once

#include "Facts.h"
#include "Mastery.h"

#include <deque>
#include <map>
#include <optional>

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

private:
    struct Waiting {
        Item item;
        int questionsLeft;  // others to ask before it
        bool second;        // the 5-question return, after the 2-question one
    };
    std::deque<Waiting> waiting_;
    std::optional<Waiting> cameBack_;
};

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
    int operation_;
    std::map<Fact, FactState> states_;
    Day today_;
    ComeBack<Fact> comeBack_;
    std::optional<Fact> last_;
};
