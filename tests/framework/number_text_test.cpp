#include "framework/number_text.h"

#include <gtest/gtest.h>

using namespace tqr::fw;

namespace {
struct IntCase {
    const char* text;
    std::optional<std::int32_t> value;
};
struct UIntCase {
    const char* text;
    std::optional<std::uint32_t> value;
};
} // namespace

TEST(NumberText, SignedTextsAcceptedAndRefused)
{
    const IntCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"  42\t", 42},
        {"\t-7 ", -7},
        {"+5", 5},
        {"007", 7},
        {"-0", std::nullopt}, // zero must begin with the digit 0
        {"+0", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"12a", std::nullopt},
        {"a12", std::nullopt},
        {"1 2", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_int_text(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, UnsignedTextsAcceptedAndRefused)
{
    const UIntCase cases[] = {
        {"0", 0u},
        {" 10000 ", 10000u},
        {"+12", 12u},
        {"-1", std::nullopt},
        {" -0", std::nullopt},
        {"", std::nullopt},
        {"12x", std::nullopt},
        {"4294967295", 4294967295u},
        {"4294967296", 4294967295u},
        {"123456789012345", 4294967295u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse_uint_text(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, OnlyTheFirst31CharactersAreRead)
{
    const std::string padded = "5" + std::string(30, ' ') + "x";
    EXPECT_EQ(parse_int_text(padded), 5);
    EXPECT_EQ(parse_uint_text(padded), 5u);
    const std::string cut_digits = std::string(30, ' ') + "12";
    EXPECT_EQ(parse_int_text(cut_digits), 1);
}

TEST(NumberText, MessagesGetTheirArguments)
{
    EXPECT_EQ(format_message("Please enter an integer between %1 and %2.", "0", "10000"),
              "Please enter an integer between 0 and 10000.");
    EXPECT_EQ(format_message("Please enter no more than %1 characters.", "8"),
              "Please enter no more than 8 characters.");
    EXPECT_EQ(format_message("100% sure", "x"), "100% sure");
}
