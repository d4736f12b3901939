#include "settings/value_rules.h"

#include <gtest/gtest.h>

using namespace tqr::rules;

namespace {
std::optional<std::string_view> said(const Refusal& refusal)
{
    return refusal ? std::optional(refusal->message) : std::nullopt;
}
} // namespace

TEST(ValueRules, RangesAndTheirMessages)
{
    EXPECT_FALSE(check_instant_max(0));
    EXPECT_FALSE(check_instant_max(99));
    EXPECT_EQ(said(check_instant_max(100)), kInstantRange);
    EXPECT_EQ(said(check_instant_max(-1)), kInstantRange);
    EXPECT_FALSE(check_daily_time(23, 59));
    EXPECT_EQ(said(check_daily_time(24, 0)), kDailyTime);
    EXPECT_EQ(said(check_daily_time(0, -1)), kDailyTime);
    EXPECT_EQ(said(check_max_size(34)), kMaxSizeRange);
    EXPECT_FALSE(check_max_size(35));
    EXPECT_FALSE(check_max_size(120));
    EXPECT_EQ(said(check_max_size(121)), kMaxSizeRange);
}

TEST(ValueRules, RenameTakesLettersAndDigitsOnly)
{
    EXPECT_FALSE(check_rename(""));
    EXPECT_FALSE(check_rename("cam01"));
    EXPECT_FALSE(check_rename("CAM01xy"));
    EXPECT_EQ(said(check_rename("cam-1")), kRenameChars);
    EXPECT_EQ(said(check_rename("a b")), kRenameChars);
    EXPECT_EQ(said(check_rename("\xE4")), kRenameChars);
}

TEST(ValueRules, SplittingKeepsEmptyPiecesInTheirPlace)
{
    using P = std::array<std::string, 4>;
    EXPECT_EQ(split_recipients(""), (P{"", "", "", ""}));
    EXPECT_EQ(split_recipients("a;c;"), (P{"a", "c", "", ""}));
    EXPECT_EQ(split_recipients("a;;c"), (P{"a", "", "c", ""}));
    EXPECT_EQ(split_recipients("1;2;3;4;5"), (P{"1", "2", "3", "4"}));
    EXPECT_EQ(split_recipients("a\r\nb"), (P{"a\r\nb", "", "", ""}));
    EXPECT_EQ(remove_blanks(" +49 170\t1 "), "+49170\t1");
}

TEST(ValueRules, PhonePieces)
{
    EXPECT_FALSE(check_phone_piece(""));
    EXPECT_FALSE(check_phone_piece("+"));
    EXPECT_FALSE(check_phone_piece("+4917012345"));
    EXPECT_EQ(said(check_phone_piece("49+17")), kPhoneInvalid);
    EXPECT_EQ(said(check_phone_piece("++49")), kPhoneInvalid);
    EXPECT_EQ(said(check_phone_piece("0170\r\n0171")), kPhoneInvalid);
    EXPECT_EQ(said(check_phone_piece("12\xB3")), kPhoneInvalid);
    EXPECT_FALSE(check_phone_piece(std::string(23, '1')));
    EXPECT_EQ(said(check_phone_piece(std::string(24, '1'))), kPhoneTooLong);
    // The character check comes first, whatever the length.
    EXPECT_EQ(said(check_phone_piece(std::string(30, '1') + "x")), kPhoneInvalid);
    EXPECT_FALSE(piece_is_stored("+"));
    EXPECT_TRUE(piece_is_stored("12"));
}

TEST(ValueRules, EmailPieces)
{
    EXPECT_FALSE(check_email_piece(""));
    EXPECT_FALSE(check_email_piece("a@b"));
    EXPECT_EQ(said(check_email_piece("@example.org")), kEmailFormat);
    EXPECT_EQ(said(check_email_piece("x")), kEmailFormat);
    EXPECT_EQ(said(check_email_piece("no-at-sign")), kEmailFormat);
    const std::string at47 = "a@" + std::string(45, 'b');
    EXPECT_FALSE(check_email_piece(at47));
    EXPECT_EQ(said(check_email_piece(at47 + "c")), kEmailTooLong);
    EXPECT_EQ(said(check_email_piece(std::string(60, 'x'))), kEmailTooLong);
    // Two addresses on two lines, or anything the mail dialogue would read
    // as a command or an address bracket, are one malformed piece.
    for (const std::string bad : {"a@b\r\nc@d", "a@b\n", "a@\tb", "a@b\x7f", "<a@b>", "a@b>", "a@\x01b"})
        EXPECT_EQ(said(check_email_piece(bad)), kEmailFormat) << bad;
}

TEST(ValueRules, EmailSetSenderAndPort)
{
    EXPECT_FALSE(check_sender("me@example.org"));
    for (const char* bad : {"me", "me@x\r\nRCPT TO:<x@y>", "<me@x>", "me@x\x1b"})
        EXPECT_EQ(said(check_sender(bad)), kSenderInvalid) << bad;
    for (const char* good : {"1", "25", "00587", "65535"})
        EXPECT_FALSE(check_smtp_port(good)) << good;
    for (const char* bad : {"", "0", "00000", "65536", "70000", "999999", "2 5"})
        EXPECT_EQ(said(check_smtp_port(bad)), kPortRange) << bad;
}

TEST(ValueRules, AFifthRecipientIsRefusedNotDropped)
{
    EXPECT_FALSE(has_fifth_recipient("1;2;3;4"));
    EXPECT_FALSE(has_fifth_recipient("1;2;3;4;"));
    EXPECT_FALSE(has_fifth_recipient("1;2;3;4;  ;;"));
    EXPECT_TRUE(has_fifth_recipient("1;2;3;4;5"));
    EXPECT_TRUE(has_fifth_recipient(";;;; x"));
    tqr::GsmBlock block{};
    EXPECT_EQ(said(store_recipients(block, "11;22;33;44;55", "", 0, 0)), kPhoneTooMany);
    EXPECT_EQ(said(store_recipients(block, "11", "a@b;c@d;e@f;g@h;i@j", 2, 0)), kEmailTooMany);
    // The pieces are checked first, the demands of Send To come after it.
    EXPECT_EQ(said(store_recipients(block, "11;22;33;x4;55", "", 0, 0)), kPhoneInvalid);
    EXPECT_EQ(said(store_recipients(block, ";;;;55", "", 0, 0)), kPhoneTooMany);
    EXPECT_FALSE(store_recipients(block, "11;22;33;44;", "", 0, 0));
}

TEST(ValueRules, WhatSendToDemands)
{
    EXPECT_TRUE(phone_required(0, 0));
    EXPECT_FALSE(phone_required(1, 0));
    EXPECT_TRUE(phone_required(1, 1));
    EXPECT_TRUE(phone_required(2, 0));
    EXPECT_FALSE(email_required(0));
    EXPECT_TRUE(email_required(1));
    EXPECT_TRUE(email_required(2));
}
