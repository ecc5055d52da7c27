#include "MemoryConfigStore.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryStore, KeepsEveryTextAndTellsMissingFromEmpty)
{
    MemoryConfigStore store;
    EXPECT_EQ(store.ReadString("Interface", "Caption", "default"), "default");

    store.WriteString("Interface", "Caption", "");
    EXPECT_EQ(store.ReadString("Interface", "Caption", "default"), "") << "an empty text is a value";
    EXPECT_TRUE(store.hasValue("Interface", "Caption"));

    const std::string odd(" =[x]\\;\t\r\n\xC3\xA9\xFF\0end", 17);
    store.WriteString(odd, odd, odd);
    EXPECT_EQ(store.ReadString(odd, odd, ""), odd);
    EXPECT_EQ(store.ReadString(odd, "other", "none"), "none");
    EXPECT_EQ(store.ReadString("other", odd, "none"), "none");
}

TEST(MemoryStore, ListsSectionsAndTheOrderOfWrites)
{
    MemoryConfigStore store;
    store.WriteStrings({{"Stats", "Wrong", "1"}, {"Stats", "Correct", "2"}, {"Quiz", "SpinEdit1", "3"}});
    store.WriteString("Stats", "Wrong", "4");
    EXPECT_EQ(store.section("Stats"), (std::map<std::string, std::string>{{"Correct", "2"}, {"Wrong", "4"}}));
    EXPECT_TRUE(store.hasSection("Quiz"));
    EXPECT_FALSE(store.hasSection("Update"));
    EXPECT_EQ(store.writes(), (std::vector<std::string>{"Stats/Wrong", "Stats/Correct", "Quiz/SpinEdit1", "Stats/Wrong"}));
}

TEST(MemoryStore, ChangeStartsFromEmptyAndWritesNothingWhenItFails)
{
    MemoryConfigStore store;
    store.ChangeString("Stats", "Correct", [](const std::string& text) {
        EXPECT_EQ(text, "");
        return std::string("1");
    });
    store.ChangeString("Stats", "Correct", [](const std::string& text) { return text + "0"; });
    EXPECT_EQ(store.ReadString("Stats", "Correct", ""), "10");

    EXPECT_THROW(store.ChangeString("Stats", "Correct", [](const std::string&) -> std::string {
        throw AppError("refused");
    }), AppError);
    EXPECT_EQ(store.ReadString("Stats", "Correct", ""), "10");
    EXPECT_EQ(store.writes().size(), 2u);
}

} // namespace
