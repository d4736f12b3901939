#pragma once

// A card's PROFILE.BIN brought into the dialog: read as strictly as
// tqrprofile reads it, refused when it holds what the dialog cannot have
// written, and put into the record beside the stored custom operators.

#include "settings/profile_record.h"

#include <string>

class QWidget;

namespace tqr {

struct CardFile {
    enum class State { none, refused, readable };
    State state = State::none;
    ProfileRecord record{};
    std::string refusal; // why it cannot be opened, naming the file
};

// What `folder`'s PROFILE.BIN holds; State::none when there is none.
CardFile read_card(const std::string& folder);

// Puts the card's blocks into current_profile. A custom operator row that
// differs from the stored one of that name is taken only when the user
// says so; a built-in row that differs gives way to the table's. Returns
// what the user should be told afterwards, or nothing.
std::string take_card(const ProfileRecord& card, QWidget* owner);

// Whether both records give the same PROFILE.BIN.
bool same_card_file(const ProfileRecord& a, const ProfileRecord& b);

// The card's file-system label, or the folder's name.
std::string card_label(const std::string& folder);

} // namespace tqr
