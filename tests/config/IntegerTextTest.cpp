#include "AppError.h"
#include "IntegerText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(IntegerText, ReadsTheStoresNumbersAndRefusesEverythingElse)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"  \t42", 42},
        {"+7", 7},
        {"-7", -7},
        {"007", 7},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        // Hexadecimal takes all 32 bits, so a colour's high bit reads back.
        {"$7FFFFFFF", kMax},
        {"$80000000", kMin},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"$00000000FF", 255},
        {"0x1f", 31},
        {"0X1F", 31},
        {"x1F", 31},
        {"-$1", -1},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"--1", std::nullopt},
        {"$G0", std::nullopt},
        {"\xD9\xA3", std::nullopt}, // an Arabic-Indic digit is no digit here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToInt(c.text), c.value);
    }
}

TEST(IntegerText, AFailureQuotesTheText)
{
    EXPECT_EQ(StrToInt(" -15"), -15);
    try {
        StrToInt("twelve");
        FAIL() << "accepted";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "'twelve' is not a valid integer value");
    }
}

} // namespace
