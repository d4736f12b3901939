#pragma once

#include <string>

class QWidget;

namespace tqr {

// Tells the user that a save into `folder` is done (`text`, in their
// language). When the folder is on a removable volume that the disk
// service UDisks2 manages, the message has an "Eject" button beside OK,
// which ejects the card and says whether `card_name` can be removed now,
// or why not (offering Eject again where trying again can help).
void show_saved(QWidget* owner, const std::string& text, const std::string& folder, const std::string& card_name);

} // namespace tqr
