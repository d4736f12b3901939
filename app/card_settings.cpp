#include "app/card_settings.h"

#include "framework/message_box.h"
#include "framework/removable_volumes.h"
#include "framework/translation.h"
#include "settings/factory_defaults.h"
#include "settings/profile_document.h"
#include "settings/record_schema.h"
#include "settings/settings_files.h"
#include "settings/translatable.h"
#include "tables/operator_table.h"
#include "tables/profile_check.h"

#include <cstring>
#include <filesystem>

namespace tqr {

namespace fs = std::filesystem;

CardFile read_card(const std::string& folder)
{
    CardFile card;
    const fs::path file = fs::path(folder) / kProfileFileName;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec)))
        return card;
    const auto refuse = [&](const std::string& why) {
        card.state = CardFile::State::refused;
        card.refusal = fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "The card's settings cannot be opened: %1"), {why});
        return card;
    };
    try {
        card.record = read_card_file(file);
    } catch (const ProfileError& e) {
        return refuse(fw::translated_utf8(e.phrase()));
    }
    const auto faults = values_no_control_produces(card.record);
    if (!faults.empty())
        return refuse(
            fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "%1 holds a value this tool cannot have written (%2: %3)"),
                                {file.string(), faults.front().key, faults.front().message}));
    card.state = CardFile::State::readable;
    return card;
}

std::string take_card(const ProfileRecord& card, QWidget* owner)
{
    current_profile.camera = card.camera;
    current_profile.gsm = card.gsm;
    GsmBlock& g = current_profile.gsm;
    std::string notes;
    const auto note = [&](const char* text, const std::vector<std::string>& args) {
        notes += (notes.empty() ? "" : "\r\n") + fw::translated_utf8(text, args);
    };

    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    if (sel.country_index == kCustomerCountry) {
        OperatorEntry& stored = CustomOperators[sel.operator_index];
        if (std::memcmp(&stored, &g.operator_entry, sizeof stored) != 0) {
            std::string name = read_text(stored.name);
            if (name.empty())
                name = read_text(operator_row(sel.country_index, sel.operator_index).name);
            if (fw::message_box(owner,
                                TQR_TR_NOOP("TQRSetup", "The card uses different parameters for %1. Use the card's?"),
                                {name}, fw::MB_ICONQUESTION | fw::MB_YESNO) == fw::IDYES) {
                stored = g.operator_entry;
            } else {
                g.operator_entry = stored;
                note(TQR_TR_NOOP("TQRSetup", "The card's parameters for %1 were not taken; the stored ones are used."),
                     {name});
            }
        }
    } else {
        const OperatorEntry& row = operator_row(sel.country_index, sel.operator_index);
        if (std::memcmp(&row, &g.operator_entry, sizeof row) != 0) {
            g.operator_entry = row;
            note(TQR_TR_NOOP("TQRSetup", "The card's parameters for %1 (%2) were replaced by the table's."),
                 {read_text(row.name), std::string(country_name(sel.country_index))});
        }
    }
    using schema::Id;
    for (const Id id : {Id::band, Id::cmd_log, Id::qmm_dbg})
        if (schema::number(card, schema::field(id)) != schema::factory_number(id)) {
            note(
                TQR_TR_NOOP("TQRSetup",
                            "The card's hidden band, command log and debug settings are written as this tool's on OK."),
                {});
            break;
        }
    return notes;
}

bool same_card_file(const ProfileRecord& a, const ProfileRecord& b)
{
    constexpr std::size_t from = offsetof(ProfileRecord, camera);
    return std::memcmp(reinterpret_cast<const char*>(&a) + from, reinterpret_cast<const char*>(&b) + from,
                       sizeof(ProfileRecord) - from) == 0;
}

std::string card_label(const std::string& folder)
{
    if (const auto volume = fw::removable_volume_of(fw::current_mount_table(), folder))
        return volume->label;
    const fs::path p = fs::path(folder).lexically_normal();
    const std::string name = (p.has_filename() ? p : p.parent_path()).filename().string();
    return name.empty() ? folder : name;
}

} // namespace tqr
