#include "app/save_message.h"

#include "framework/message_box.h"
#include "framework/removable_volumes.h"
#include "framework/translation.h"
#include "removable/card_eject.h"

#include <QApplication>

#include <optional>

namespace tqr {

namespace {
constexpr const char* kEject = TQR_TR_NOOP("TQRSetup", "Eject");
} // namespace

void show_saved(QWidget* owner, const std::string& text, const std::string& folder, const std::string& card_name)
{
    // The system bus is asked only after a save onto a card, never for a
    // folder on the machine's own disks; and the card the folder browser
    // counts must be the very mount UDisks2 would unmount.
    std::optional<removable::Volume> volume;
    if (const auto card = fw::removable_volume_of(fw::current_mount_table(), folder)) {
        volume = removable::volume_holding(folder).volume;
        if (volume && volume->mount_point != card->root)
            volume.reset();
    }
    if (!volume) {
        fw::message_box(owner, text);
        return;
    }
    volume->name = card_name;
    std::string shown = text;
    unsigned style = fw::MB_OK;
    while (fw::message_box(owner, shown, {}, style, {}, kEject) == fw::IDEXTRA) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const removable::EjectOutcome outcome = removable::eject(*volume);
        QApplication::restoreOverrideCursor();
        shown = fw::translated_utf8(outcome.message);
        if (outcome.ok() || outcome.kind == removable::EjectOutcome::Kind::gone) {
            fw::message_box(owner, shown, outcome.ok() ? fw::MB_OK : fw::MB_ICONEXCLAMATION | fw::MB_OK);
            return;
        }
        style = fw::MB_ICONEXCLAMATION | fw::MB_OK;
    }
}

} // namespace tqr
