// The schema against the record's published layout and factory table, and
// the built-in operator rows pinned byte for byte.

#include "settings/factory_defaults.h"
#include "settings/record_schema.h"
#include "tables/operator_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace tqr;
using schema::Id;

TEST(RecordSchema, EveryFieldHasItsPlaceWidthChoicesAndFactoryValue)
{
    struct Expected {
        Id id;
        std::size_t offset, width;
        std::size_t choices; // 0: a range or a text
        long factory;        // -1: left alone
    };
    // Record bytes, list lengths and values as the camera's settings table
    // gives them.
    const Expected table[] = {
        {Id::model_index, 16, 2, 0, 6},
        {Id::header_reserved, 18, 2, 0, -1},
        {Id::camera_mode, 20, 2, 2, 0},
        {Id::photo_size, 22, 2, 4, 1},
        {Id::photo_burst, 24, 2, 3, 0},
        {Id::video_size, 26, 2, 2, 1},
        {Id::video_length, 28, 2, 56, 5},
        {Id::sensitivity, 30, 2, 4, 2},
        {Id::interval, 32, 2, 72, 12},
        {Id::start_stop_on, 34, 2, 2, 0},
        {Id::start_hour, 36, 2, 0, 0},
        {Id::start_minute, 38, 2, 0, 0},
        {Id::stop_hour, 40, 2, 0, 0},
        {Id::stop_minute, 42, 2, 0, 0},
        {Id::time_lapse, 44, 2, 79, 0},
        {Id::camera_reserved, 46, 12, 0, -1},
        {Id::time_stamp_on, 58, 2, 2, 1},
        {Id::flash_range, 60, 2, 2, 1},
        {Id::password_on, 62, 2, 2, 0},
        {Id::send_mode, 72, 4, 3, 0},
        {Id::instant_max, 72, 4, 0, 99},
        {Id::daily_hour, 72, 4, 0, 0},
        {Id::daily_minute, 72, 4, 0, 0},
        {Id::send_via, 76, 2, 2, 1},
        {Id::send_to, 78, 2, 3, 1},
        {Id::country_index, 80, 2, 0, 7},
        {Id::operator_index, 80, 2, 0, 0},
        {Id::max_size, 82, 2, 0, 40},
        {Id::rename_on, 84, 2, 2, 0},
        {Id::sms_switch, 86, 2, 2, 1},
        {Id::gsm_reserved, 88, 2, 0, -1},
        {Id::band, 106, 2, 6, 5},
        {Id::cmd_log, 108, 2, 0, 0},
        {Id::qmm_dbg, 110, 2, 0, 0},
        {Id::email_secure_type, 446, 1, 3, 0x40},
        {Id::email_reserved, 447, 1, 0, 0},
    };
    for (const auto& e : table) {
        const schema::Field& f = schema::field(e.id);
        SCOPED_TRACE(f.key);
        EXPECT_EQ(f.offset, e.offset);
        EXPECT_EQ(f.width, e.width);
        EXPECT_EQ(f.choices != nullptr ? f.choices->size() : 0u, e.choices);
        if (e.factory < 0)
            EXPECT_FALSE(f.factory_number);
        else
            EXPECT_EQ(f.factory_number, static_cast<unsigned>(e.factory));
    }

    struct Text {
        Id id;
        std::size_t offset, width, max_chars;
        const char* factory;
    };
    const Text texts[] = {
        {Id::password_text, 64, 8, 4, "8146"},
        {Id::rename_text, 90, 16, 8, ""},
        {Id::operator_name, 112, 32, 31, "Kavetta"},
        {Id::mms_url, 144, 64, 63, ""},
        {Id::mms_gateway, 208, 16, 15, "0.0.0.0"},
        {Id::mms_port, 224, 8, 7, "0"},
        {Id::mms_apn, 232, 32, 31, ""},
        {Id::mms_account, 264, 24, 23, ""},
        {Id::mms_password, 288, 16, 15, ""},
        {Id::gprs_apn, 304, 32, 31, "kavettanet.eu"},
        {Id::gprs_account, 336, 24, 23, "bwc"},
        {Id::gprs_password, 360, 16, 15, "bwc"},
        {Id::email_server, 376, 64, 63, "birchwatch.eu"},
        {Id::email_port, 440, 6, 5, "25"},
        {Id::email_account, 448, 48, 47, "cam@birchwatch.eu"},
        {Id::email_password, 496, 24, 23, "2468"},
        {Id::email_address, 520, 48, 47, "cam@birchwatch.eu"},
        {Id::email_user_name, 568, 24, 23, "cam"},
        {Id::phone_0, 592, 24, 23, ""},
        {Id::phone_3, 664, 24, 23, ""},
        {Id::email_0, 688, 48, 47, "cam@birchwatch.eu"},
        {Id::email_3, 832, 48, 47, ""},
    };
    for (const auto& e : texts) {
        const schema::Field& f = schema::field(e.id);
        SCOPED_TRACE(f.key);
        EXPECT_EQ(f.kind, schema::Kind::text);
        EXPECT_EQ(f.offset, e.offset);
        EXPECT_EQ(f.width, e.width);
        EXPECT_EQ(f.max_chars, e.max_chars);
        EXPECT_EQ(f.factory_text, e.factory);
    }

    // Every byte of the record after the magic text belongs to exactly one
    // field (packed numbers share their word).
    std::set<std::size_t> covered;
    for (const schema::Field& f : schema::fields())
        for (std::size_t i = 0; i < f.width; ++i)
            covered.insert(f.offset + i);
    EXPECT_EQ(covered.size(), sizeof(ProfileRecord) - kMagicSize);
    EXPECT_EQ(*covered.begin(), kMagicSize);
    EXPECT_EQ(*covered.rbegin(), sizeof(ProfileRecord) - 1);
}

TEST(RecordSchema, ListsHoldTheFormsTexts)
{
    struct Case {
        Id id;
        unsigned code;
        const char* text;
    };
    const Case cases[] = {
        {Id::camera_mode, 1, "Video"},
        {Id::photo_size, 1, "5 MP"},
        {Id::photo_burst, 2, "3 Photos"},
        {Id::video_length, 5, "10 sec"},
        {Id::video_length, 55, "60 sec"},
        {Id::sensitivity, 2, "Normal"},
        {Id::interval, 11, "55 sec"},
        {Id::interval, 12, "1 min"},
        {Id::interval, 71, "60 min"},
        {Id::time_lapse, 0, "Off"},
        {Id::time_lapse, 70, "59 min"},
        {Id::time_lapse, 78, "8 hour"},
        {Id::flash_range, 1, "12m/40ft"},
        {Id::send_mode, 1, "DailyReport"},
        {Id::send_to, 2, "Both"},
        {Id::band, 5, "GSM850_900_1800_1900"},
        {Id::email_secure_type, 0x42, "STARTTLS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(schema::choice_text(schema::field(c.id), c.code), c.text) << schema::field(c.id).key;
    EXPECT_FALSE(schema::choice_text(schema::field(Id::photo_size), 4));
    EXPECT_FALSE(schema::choice_text(schema::field(Id::email_secure_type), 2)) << "codes start at 0x40";
}

TEST(RecordSchema, PackedNumbersReadAndWriteTheirOwnBitsOnly)
{
    ProfileRecord r = initial_profile_image();
    r.gsm.send_schedule = pack_send_schedule({2, 12, 18, 45});
    r.gsm.operator_select = pack_operator_select(11, 2);
    EXPECT_EQ(schema::number(r, schema::field(Id::send_mode)), 2u);
    EXPECT_EQ(schema::number(r, schema::field(Id::instant_max)), 12u);
    EXPECT_EQ(schema::number(r, schema::field(Id::daily_hour)), 18u);
    EXPECT_EQ(schema::number(r, schema::field(Id::daily_minute)), 45u);
    EXPECT_EQ(schema::number(r, schema::field(Id::country_index)), 11u);
    EXPECT_EQ(schema::number(r, schema::field(Id::operator_index)), 2u);
    schema::set_number(r, schema::field(Id::daily_hour), 7);
    EXPECT_EQ(unpack_send_schedule(r.gsm.send_schedule).daily_hour, 7u);
    EXPECT_EQ(unpack_send_schedule(r.gsm.send_schedule).daily_minute, 45u);
    EXPECT_EQ(unpack_send_schedule(r.gsm.send_schedule).send_mode, 2u);
}

namespace {
std::uint64_t fnv1a(const OperatorEntry& e)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const auto b : bytes_of(e)) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}
} // namespace

// Every built-in row as the camera owners' operators publish it; a typo in
// any field of any row changes its digest.
TEST(OperatorRows, BuiltInRowsAreExactlyTheirPublishedBytes)
{
    struct Golden {
        int country, op;
        std::uint64_t digest;
    };
    const Golden rows[] = {
        {0, 0, 0x5d7012735a54271eull},  // Optus
        {0, 1, 0x6bddbf9ca8f80f24ull},  // Telstra
        {1, 0, 0xd33f1dd376a44e58ull},  // A1
        {2, 0, 0xb076d2bb0604e3b5ull},  // Rogers
        {3, 0, 0x905e7ad5e955000full},  // China Mobile
        {3, 1, 0xb56d9956e71eb76dull},  // China Unicom
        {4, 0, 0x39226581b42eeb2full},  // MTN
        {5, 0, 0xf00b5023c23c553bull},  // O2
        {5, 1, 0x52a8fd7a54b6ed8full},  // T-mobile
        {5, 2, 0xba4615470679910dull},  // Vodafone
        {6, 0, 0x9ba5c78477e8d55aull},  // 3.
        {6, 1, 0xc96132d1dd582cf1ull},  // Tovexa
        {6, 2, 0xc735f14d68f600eaull},  // Tovexa1
        {6, 3, 0x6f618221c8bb8c35ull},  // Tovexa2
        {6, 4, 0xf2551720b2ccb15dull},  // callme
        {6, 5, 0x35e986eedd4e08dbull},  // Cbb
        {6, 6, 0x6809ead56631b8f0ull},  // Greentel
        {6, 7, 0xd9ce1f07725d916dull},  // M1
        {6, 8, 0x556e7e0f36552e83ull},  // TDC
        {6, 9, 0x15b24a0d6350a312ull},  // Telenor
        {6, 10, 0xca275f7a3154fcfeull}, // Telia
        {6, 11, 0xd6748eedfcd624eeull}, // Telmore
        {8, 0, 0xa23fc35a5e632685ull},  // EMT PrePaid
        {9, 0, 0xaa2b0588f0f3a8f7ull},  // DNA
        {9, 1, 0x81fdd7db5a29af56ull},  // Elisa
        {9, 2, 0xf0ae89e785391f05ull},  // Saunalahti
        {9, 3, 0x85c95f23feadfd35ull},  // Saunalahti PrePaid
        {9, 4, 0x7c9897d6f805920eull},  // Sonera
        {9, 5, 0x725a1f7479b74b19ull},  // Sonera NEW
        {9, 6, 0xb8a24295b5f319f1ull},  // Sonera Open G
        {10, 0, 0xbd8f6d2e467c92c4ull}, // Orange
        {10, 1, 0x9435c8d3aaff8e6dull}, // Bouygues
        {10, 2, 0x134400ff977c3acaull}, // SFR
        {11, 0, 0x4ce3c88cc3cbd6faull}, // T-Mobile
        {11, 1, 0x624dd30171e8aff0ull}, // T-Mobile2
        {11, 2, 0x2bf549d4e2e6d56eull}, // Vodafone
        {12, 0, 0x6139c807850202ebull}, // CSL
        {12, 1, 0xc11103379336f8b6ull}, // Peoples
        {12, 2, 0x41bee3331e90d795ull}, // SmartOne
        {13, 0, 0xd48c5ee14d406788ull}, // Cellcom
        {13, 1, 0x3b1cda7faabc45fcull}, // Golantelecom
        {13, 2, 0x64f8de13117a8ec0ull}, // Hot mobile
        {13, 3, 0x997a00b2288d7091ull}, // Orange
        {13, 4, 0x265b461c895886ebull}, // youphone
        {14, 0, 0x396e89d66be9119aull}, // TIM
        {14, 1, 0xb0f75ed433e5b8ecull}, // Vodafone
        {14, 2, 0x87296d66f5f1170cull}, // WIND
        {15, 0, 0x26c3b22c08d247e3ull}, // KPN
        {16, 0, 0x8d18911c290eeb18ull}, // 2Degrees
        {16, 1, 0x4572e20d3468ef11ull}, // Vodafone
        {17, 0, 0x4492589910b2d217ull}, // Netcom
        {17, 1, 0x7332edd0d6f08f28ull}, // Tele2
        {17, 2, 0x01011d655b6dc809ull}, // telenor
        {18, 0, 0x6c7dd20cb6b1252aull}, // Beeline
        {18, 1, 0xaeb2682ac20f8f62ull}, // Megafon
        {18, 2, 0x42eacd50b52211c6ull}, // MTS
        {19, 0, 0x67285b9cf86ce2b0ull}, // O2
        {19, 1, 0x76fe4a693aaa61c5ull}, // Orange
        {19, 2, 0xf2c319ac4eaf872cull}, // T-mobile
        {20, 0, 0x3d9e89b8494f4b39ull}, // Telia
        {21, 0, 0xb8894d6283ca46e6ull}, // Orange
        {21, 1, 0x167d8d053cc325c5ull}, // Swisscom
        {22, 0, 0x30efe57ca19b47d4ull}, // Vodafone
        {22, 1, 0xb6690b851e9d4469ull}, // Vodafone(Contract)
        {22, 2, 0x32d241e7f3608b1full}, // Vodafone(Prepay)
        {23, 0, 0xed773134a9f4d298ull}, // AT&T/Cingular
        {23, 1, 0x0495fe32e16b94dcull}, // T-Mobile
    };
    std::size_t built_in = 0;
    for (int c = 0; c < kCountryCount; ++c)
        for (int o = 0; o < CountryTable[c].operator_count; ++o)
            built_in += c != 24 && std::memcmp(&operator_row(c, o), &kDefaultOperatorRow, sizeof(OperatorEntry)) != 0;
    EXPECT_EQ(built_in, std::size(rows));
    for (const auto& g : rows)
        EXPECT_EQ(fnv1a(operator_row(g.country, g.op)), g.digest) << read_text(operator_row(g.country, g.op).name);
}
