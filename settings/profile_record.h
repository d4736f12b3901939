#pragma once

// The one settings record of the tool. Its byte image is the camera's file
// format: every struct below is plain data with no padding, and multi-byte
// integers are held as little-endian byte pairs whatever the host, so the
// record can be copied to and from files byte for byte.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tqr {

// A little-endian unsigned 16-bit field.
struct LeU16 {
    std::uint8_t bytes[2];

    constexpr operator std::uint16_t() const { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }
    constexpr LeU16& operator=(std::uint16_t v)
    {
        bytes[0] = static_cast<std::uint8_t>(v & 0xFF);
        bytes[1] = static_cast<std::uint8_t>(v >> 8);
        return *this;
    }
};

// A little-endian unsigned 32-bit field.
struct LeU32 {
    std::uint8_t bytes[4];

    constexpr operator std::uint32_t() const
    {
        return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
               (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
    }
    constexpr LeU32& operator=(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
        return *this;
    }
};

// Access parameters of one mobile operator (264 bytes).
struct OperatorEntry {
    char name[32];
    char mms_url[64];
    char mms_gateway[16];
    char mms_port[8];
    char mms_apn[32];
    char mms_account[24];
    char mms_password[16];
    char gprs_apn[32];
    char gprs_account[24];
    char gprs_password[16];
};

// Transport security of an SMTP account: 0x40 plus the index into
// "NO", "SSL/TLS", "STARTTLS". Readers take the low four bits.
using SecureType = std::uint8_t;
inline constexpr SecureType kSecureBase = 0x40;
inline constexpr int secure_index(SecureType t)
{
    return t & 0x0F;
}

// Server part of an SMTP account (72 bytes).
struct EmailServer {
    char server[64];
    char port[6];
    SecureType secure_type;
    std::uint8_t reserved;
};

// Account part of an SMTP account (144 bytes).
struct EmailAccount {
    char account[48];
    char password[24];
    char email[48];
    char user_name[24];
};

// One SMTP account (216 bytes).
struct EmailBlock {
    EmailServer server;
    EmailAccount account;
};

// Camera capture settings (52 bytes, record bytes 20..71).
struct CameraBlock {
    LeU16 camera_mode;
    LeU16 photo_size;
    LeU16 photo_burst;
    LeU16 video_size;
    LeU16 video_length;
    LeU16 sensitivity;
    LeU16 interval;
    LeU16 start_stop_on;
    LeU16 start_hour;
    LeU16 start_minute;
    LeU16 stop_hour;
    LeU16 stop_minute;
    LeU16 time_lapse;
    LeU16 camera_reserved[6];
    LeU16 time_stamp_on;
    LeU16 flash_range;
    LeU16 password_on;
    char password_text[8];
};

inline constexpr int kPhoneSlots = 4;
inline constexpr int kPhoneWidth = 24;
inline constexpr int kEmailSlots = 4;
inline constexpr int kEmailWidth = 48;

// Transmission settings (808 bytes, record bytes 72..879).
struct GsmBlock {
    LeU32 send_schedule;
    LeU16 send_via;
    LeU16 send_to;
    LeU16 operator_select;
    LeU16 max_size;
    LeU16 rename_on;
    LeU16 sms_switch;
    LeU16 gsm_reserved;
    char rename_text[16];
    LeU16 band;
    LeU16 cmd_log;
    LeU16 qmm_dbg;
    OperatorEntry operator_entry;
    EmailBlock email;
    char phones[kPhoneSlots][kPhoneWidth];
    char emails[kEmailSlots][kEmailWidth];
};

// The camera model whose settings the tool edits: its page is the one shown.
inline constexpr std::uint16_t kGsmModel = 6;

inline constexpr std::size_t kMagicSize = 16;
inline constexpr char kMagicText[kMagicSize] = "TQR Setup V3.28";

// The whole settings record (880 bytes).
struct ProfileRecord {
    char magic[kMagicSize];
    LeU16 model_index;
    LeU16 header_reserved;
    CameraBlock camera;
    GsmBlock gsm;
};

static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);
static_assert(sizeof(LeU32) == 4 && alignof(LeU32) == 1);
static_assert(sizeof(OperatorEntry) == 264);
static_assert(offsetof(OperatorEntry, mms_url) == 32);
static_assert(offsetof(OperatorEntry, mms_gateway) == 96);
static_assert(offsetof(OperatorEntry, mms_port) == 112);
static_assert(offsetof(OperatorEntry, mms_apn) == 120);
static_assert(offsetof(OperatorEntry, mms_account) == 152);
static_assert(offsetof(OperatorEntry, mms_password) == 176);
static_assert(offsetof(OperatorEntry, gprs_apn) == 192);
static_assert(offsetof(OperatorEntry, gprs_account) == 224);
static_assert(offsetof(OperatorEntry, gprs_password) == 248);
static_assert(sizeof(EmailServer) == 72 && sizeof(EmailAccount) == 144 && sizeof(EmailBlock) == 216);
static_assert(offsetof(EmailServer, port) == 64 && offsetof(EmailServer, secure_type) == 70);
static_assert(offsetof(EmailAccount, password) == 48 && offsetof(EmailAccount, email) == 72);
static_assert(offsetof(EmailAccount, user_name) == 120);
static_assert(sizeof(CameraBlock) == 52);
static_assert(offsetof(CameraBlock, time_lapse) == 24 && offsetof(CameraBlock, camera_reserved) == 26);
static_assert(offsetof(CameraBlock, time_stamp_on) == 38 && offsetof(CameraBlock, password_text) == 44);
static_assert(sizeof(GsmBlock) == 808);
static_assert(offsetof(GsmBlock, rename_text) == 18 && offsetof(GsmBlock, band) == 34);
static_assert(offsetof(GsmBlock, operator_entry) == 40 && offsetof(GsmBlock, email) == 304);
static_assert(offsetof(GsmBlock, phones) == 520 && offsetof(GsmBlock, emails) == 616);
static_assert(sizeof(ProfileRecord) == 880);
static_assert(offsetof(ProfileRecord, camera) == 20 && offsetof(ProfileRecord, gsm) == 72);

// The program-wide record. Before loading it holds the magic text,
// model_index 3 and zero everywhere else.
extern ProfileRecord current_profile;
ProfileRecord initial_profile_image();

// send_schedule: mode in bits 24..31, instant limit 16..23, daily hour
// 8..15, daily minute 0..7.
struct SendSchedule {
    std::uint32_t send_mode = 0;
    std::uint32_t instant_max = 0;
    std::uint32_t daily_hour = 0;
    std::uint32_t daily_minute = 0;
};
std::uint32_t pack_send_schedule(const SendSchedule& s);
SendSchedule unpack_send_schedule(std::uint32_t value);

// operator_select: country index in the high byte, operator index in the low.
struct OperatorSelect {
    int country_index = 0;
    int operator_index = 0;
};
std::uint16_t pack_operator_select(int country_index, int operator_index);
OperatorSelect unpack_operator_select(std::uint16_t value);

// Fixed-width text fields. Writing clears the whole field, then copies at
// most width-1 characters; reading stops at the first NUL or at the field's
// end, whatever bytes the field holds.
void write_text(std::span<char> field, std::string_view text);
std::string read_text(std::span<const char> field);

template <std::size_t N> void write_text(char (&field)[N], std::string_view text)
{
    write_text(std::span<char>(field, N), text);
}
template <std::size_t N> std::string read_text(const char (&field)[N])
{
    return read_text(std::span<const char>(field, N));
}

// Raw byte views of record parts, for whole-block copies.
template <typename T> std::span<std::uint8_t, sizeof(T)> bytes_of(T& value)
{
    return std::span<std::uint8_t, sizeof(T)>(reinterpret_cast<std::uint8_t*>(&value), sizeof(T));
}
template <typename T> std::span<const std::uint8_t, sizeof(T)> bytes_of(const T& value)
{
    return std::span<const std::uint8_t, sizeof(T)>(reinterpret_cast<const std::uint8_t*>(&value), sizeof(T));
}

} // namespace tqr
