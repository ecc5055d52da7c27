#include "QuestionGenerator.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace {

// FNV-1a over every text of every question, in order.
class Fingerprint {
public:
    void add(std::string_view text)
    {
        for (const char c : text) {
            value_ ^= static_cast<unsigned char>(c);
            value_ *= 0x100000001B3ull;
        }
        value_ ^= 0xFF; // a byte no text holds, so that "12" "3" differs from "1" "23"
        value_ *= 0x100000001B3ull;
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// A seeded generator gives the same questions wherever the program is built: the Linux and
// the Windows builds both check these values, so a difference in the random source's
// arithmetic or in the order of draws on either shows here.
TEST(QuestionFingerprint, ASeedGivesTheSameQuestionsOnEveryPlatform)
{
    SeededRandom random(2001);
    Fingerprint fingerprint;
    TQuestion first;
    int questions = 0;
    for (int round = 0; round < 250; ++round) {
        for (int operation = 1; operation <= 4; ++operation) {
            for (int level = 1; level <= 3; ++level) {
                const TQuestion question = generateQuestion(operation, level, random);
                if (questions++ == 0)
                    first = question;
                fingerprint.add(question.Text);
                for (const std::string& choice : question.Choices)
                    fingerprint.add(choice);
                fingerprint.add(question.RightAnswer);
            }
        }
    }
    ASSERT_EQ(questions, 3000);
    EXPECT_EQ(first.Text, "4 + 8 = ?");
    EXPECT_EQ(first.Choices, (std::array<std::string, 4>{"4", "12", "14", "8"}));
    EXPECT_EQ(fingerprint.value(), 0x85D67EF2A7D5A794u);
}

} // namespace
