#include "settings/ansi_text.h"
#include "settings/profile_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

using namespace tqr;

TEST(ProfileRecord, FieldsSitAtTheirFileOffsets)
{
    ProfileRecord r{};
    const auto* base = reinterpret_cast<const char*>(&r);
    EXPECT_EQ(sizeof(ProfileRecord), 880u);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.camera) - base, 20);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm) - base, 72);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.operator_entry) - base, 112);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.email) - base, 376);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.email.account) - base, 448);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.phones) - base, 592);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.emails) - base, 688);
    EXPECT_EQ(reinterpret_cast<const char*>(&r.gsm.emails[3][47]) - base, 879);
}

TEST(ProfileRecord, IntegersAreLittleEndianBytes)
{
    ProfileRecord r{};
    r.gsm.send_schedule = pack_send_schedule({1, 99, 23, 59});
    r.gsm.operator_select = pack_operator_select(24, 2);
    r.model_index = 0x0102;
    const auto b = bytes_of(r);
    EXPECT_EQ(b[72], 59);
    EXPECT_EQ(b[73], 23);
    EXPECT_EQ(b[74], 99);
    EXPECT_EQ(b[75], 1);
    EXPECT_EQ(b[80], 2);
    EXPECT_EQ(b[81], 24);
    EXPECT_EQ(b[16], 0x02);
    EXPECT_EQ(b[17], 0x01);
}

TEST(ProfileRecord, PackingRoundTrips)
{
    const auto s = unpack_send_schedule(pack_send_schedule({2, 7, 13, 45}));
    EXPECT_EQ(s.send_mode, 2u);
    EXPECT_EQ(s.instant_max, 7u);
    EXPECT_EQ(s.daily_hour, 13u);
    EXPECT_EQ(s.daily_minute, 45u);
    // Only the low eight bits of each part reach the word.
    EXPECT_EQ(pack_send_schedule({0, 0x1FF, 0, 0}), 0x00FF0000u);

    const auto o = unpack_operator_select(pack_operator_select(7, 0));
    EXPECT_EQ(o.country_index, 7);
    EXPECT_EQ(o.operator_index, 0);
    EXPECT_EQ(pack_operator_select(24, 2), 0x1802);
}

TEST(ProfileRecord, InitialImageHoldsMagicAndModelThree)
{
    const ProfileRecord r = initial_profile_image();
    EXPECT_EQ(std::memcmp(r.magic, "TQR Setup V3.28", 16), 0);
    EXPECT_EQ(r.model_index, 3);
    const auto b = bytes_of(r);
    for (std::size_t i = 18; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0) << "byte " << i;
}

TEST(TextField, WritingClearsTheFieldAndCutsToWidthMinusOne)
{
    char field[8];
    std::memset(field, 'x', sizeof field);
    write_text(field, "ab");
    EXPECT_EQ(std::string(field, 8), std::string("ab\0\0\0\0\0\0", 8));
    write_text(field, "0123456789");
    EXPECT_EQ(std::string(field, 8), std::string("0123456\0", 8));
}

TEST(TextField, ReadingStopsAtTheNulOrTheFieldEnd)
{
    char field[4] = {'a', '\0', 'b', 'c'};
    EXPECT_EQ(read_text(field), "a");
    char full[4] = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(read_text(full), "wxyz");
}

TEST(AnsiText, EveryByteSurvivesTheWayThroughUnicode)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(ansi::from_utf8(ansi::to_utf8(byte)), byte) << "byte " << b;
    }
}

TEST(AnsiText, WesternCharactersHaveTheirWindowsBytes)
{
    struct Case {
        const char* utf8;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {"\xC3\xA9", "\xE9"},               // é
        {"\xE2\x82\xAC", "\x80"},           // €
        {"\xC5\xA0\xC5\x93", "\x8A\x9C"},   // Š œ
        {"\xC2\x81\xC2\x9D", "\x81\x9D"},   // the undefined bytes as themselves
        {"has\xC5\x82o1", std::nullopt},    // ł
        {"\xE6\x97\xA5", std::nullopt},     // 日
        {"\xF0\x9F\x93\xB7", std::nullopt}, // a camera emoji
        {"\xC3", std::nullopt},             // cut short
        {"\xC0\xAF", std::nullopt},         // overlong "/"
        {"\xC2\x80", std::nullopt},         // U+0080 is not in the code page
    };
    for (const auto& c : cases)
        EXPECT_EQ(ansi::from_utf8(c.utf8), c.bytes) << c.utf8;
}
