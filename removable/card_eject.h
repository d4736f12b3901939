#pragma once

// Ejecting a card the way the desktop's own eject buttons do: through the
// disk service UDisks2 on the system bus, which unmounts the file system
// (so its last writes reach the card) and powers the drive off where it
// can. Used by the dialog and by tqrprofile alike; no Qt here.

#include "settings/translatable.h"

#include <optional>
#include <string>

namespace tqr::removable {

// A mounted file system as UDisks2 reports it.
struct Volume {
    std::string object;      // the block device's object on the bus
    std::string mount_point; // the mount that holds the folder asked about
    std::string name;        // the file system's label, else the mount folder's name
    // On a drive UDisks2 calls removable, or mounted where desktops mount
    // cards (in_media_folder).
    bool removable = false;
};

struct Lookup {
    std::optional<Volume> volume;
    Phrase why_not; // when there is no volume
};

// The file system UDisks2 manages that holds `folder`. Connects to the
// system bus for this question only; without UDisks2 there, or for a
// folder on a file system it does not manage, `volume` is empty and
// `why_not` says which.
Lookup volume_holding(const std::string& folder);

struct EjectOutcome {
    enum class Kind { removable_now, busy, not_allowed, gone, no_service, failed };
    Kind kind = Kind::failed;
    // "%1 can be removed now." or why not, with the volume's name in it.
    Phrase message;
    bool ok() const { return kind == Kind::removable_now; }
};

// Unmounts the volume's file system through UDisks2 and then powers its
// drive off where the drive allows; a drive that cannot be powered off is
// safe to pull once its file system is unmounted. Connects to the system
// bus for this only.
EjectOutcome eject(const Volume& volume);

} // namespace tqr::removable
