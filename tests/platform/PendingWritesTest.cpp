#include "MemoryConfigStore.h"
#include "PendingWrites.h"

#include <gtest/gtest.h>

namespace {

// A store that records each call that reaches it, and can be made to refuse writes.
class RecordingStore final : public ConfigStore {
public:
    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override
    {
        return values.ReadString(section, name, defaultText);
    }
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override
    {
        refuseIfAsked();
        calls.push_back("write " + name);
        values.WriteString(section, name, text);
    }
    void WriteStrings(const std::vector<StoreValue>& batch) override
    {
        refuseIfAsked();
        calls.push_back("write " + std::to_string(batch.size()) + " at once");
        values.WriteStrings(batch);
    }
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override
    {
        calls.push_back("change " + name);
        values.ChangeString(section, name, change);
    }
    std::string Location() const override { return "recorded"; }

    MemoryConfigStore values;
    std::vector<std::string> calls;
    bool refuse = false;

private:
    void refuseIfAsked() const
    {
        if (refuse)
            throw AppError("Failed to set data for 'refused'");
    }
};

TEST(PendingWrites, HoldsWritesBackAndReadsThemMeanwhile)
{
    RecordingStore store;
    store.values.WriteString("Stats", "Correct", "5");
    PendingWrites writes(store);
    writes.WriteString("Interface", "Caption", "first");
    writes.WriteString("Interface", "Caption", "second");
    writes.WriteStrings({{"Stats", "Wrong", "0"}});

    EXPECT_TRUE(store.calls.empty());
    EXPECT_EQ(writes.ReadString("Interface", "Caption", ""), "second");
    EXPECT_EQ(writes.ReadString("Stats", "Correct", ""), "5") << "what is not held back comes from the store";
    EXPECT_EQ(writes.ReadString("Stats", "Missing", "none"), "none");
    EXPECT_EQ(writes.Location(), "recorded");

    writes.commit();
    EXPECT_EQ(store.calls, (std::vector<std::string>{"write 2 at once"})) << "a value written twice is written once";
    EXPECT_EQ(store.values.ReadString("Interface", "Caption", ""), "second");
    EXPECT_TRUE(writes.pending().empty());

    writes.WriteString("Stats", "Wrong", "1");
    writes.commit();
    EXPECT_EQ(store.calls.back(), "write Wrong") << "after the commit a write goes straight through";
}

TEST(PendingWrites, AChangeCommitsWhatIsHeldFirst)
{
    RecordingStore store;
    PendingWrites writes(store);
    writes.WriteString("Stats", "Correct", "1");
    writes.ChangeString("Stats", "Correct", [](const std::string& text) { return text + "1"; });
    EXPECT_EQ(store.calls, (std::vector<std::string>{"write 1 at once", "change Correct"}));
    EXPECT_EQ(store.values.ReadString("Stats", "Correct", ""), "11");
}

TEST(PendingWrites, ACommitThatFailsKeepsTheValuesHeldAndReadable)
{
    RecordingStore store;
    PendingWrites writes(store);
    writes.WriteString("Interface", "Caption", "kept");
    store.refuse = true;
    EXPECT_THROW(writes.commit(), AppError);
    EXPECT_EQ(writes.pending().size(), 1u);
    EXPECT_EQ(writes.ReadString("Interface", "Caption", ""), "kept");

    store.refuse = false;
    writes.commit();
    EXPECT_EQ(store.values.ReadString("Interface", "Caption", ""), "kept");
}

TEST(PendingWrites, CanOwnTheStoreItHoldsWritesFor)
{
    auto owned = std::make_unique<MemoryConfigStore>();
    MemoryConfigStore& store = *owned;
    PendingWrites writes(std::move(owned));
    writes.WriteString("Quiz", "SpinEdit1", "3");
    EXPECT_FALSE(store.hasValue("Quiz", "SpinEdit1"));
    writes.commit();
    EXPECT_EQ(store.ReadString("Quiz", "SpinEdit1", ""), "3");
}

} // namespace
