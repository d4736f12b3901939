#include "settings/factory_defaults.h"

#include <cstring>

namespace tqr {

namespace {
constexpr OperatorEntry kInitialCustom[kCustomOperatorCount] = {
    make_operator_row({"Customer1", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
    make_operator_row({"Customer2", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
    make_operator_row({"Customer3", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
};
} // namespace

constinit OperatorEntry CustomOperators[kCustomOperatorCount] = {kInitialCustom[0], kInitialCustom[1],
                                                                 kInitialCustom[2]};

OperatorEntry initial_custom_operator(int index)
{
    return kInitialCustom[index];
}

void apply_factory_defaults()
{
    ProfileRecord& r = current_profile;
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = 6;

    CameraBlock& c = r.camera;
    c.camera_mode = 0;
    c.photo_size = 1;
    c.photo_burst = 0;
    c.video_size = 1;
    c.video_length = 5;
    c.sensitivity = 2;
    c.interval = 12;
    c.start_stop_on = 0;
    c.start_hour = 0;
    c.start_minute = 0;
    c.stop_hour = 0;
    c.stop_minute = 0;
    c.time_lapse = 0;
    c.time_stamp_on = 1;
    c.flash_range = 1;
    c.password_on = 0;
    // Only the four characters: byte 4, the terminator, belongs to the part
    // of the field that the defaults leave alone.
    std::memcpy(c.password_text, "8146", 4);

    GsmBlock& g = r.gsm;
    g.send_schedule = pack_send_schedule({0, 99, 0, 0});
    g.send_via = 1;
    g.send_to = 1;
    g.operator_select = pack_operator_select(7, 0);
    g.max_size = 40;
    g.rename_on = 0;
    g.sms_switch = 1;
    std::memset(g.rename_text, 0, sizeof g.rename_text);
    g.band = 5;
    g.cmd_log = 0;
    g.qmm_dbg = 0;
    g.operator_entry = kDefaultOperatorRow;
    g.email = kDefaultEmailRow;
    std::memset(g.phones, 0, sizeof g.phones);
    std::memset(g.emails, 0, sizeof g.emails);
    std::memcpy(g.emails[0], kDefaultRecipient.data(), kDefaultRecipient.size());
}

} // namespace tqr
