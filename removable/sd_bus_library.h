#pragma once

// sd-bus from libsystemd, loaded when a card is first looked up or ejected
// rather than when the program starts: with the compression and crypto
// libraries it brings, it costs every start of tqrprofile about 3 ms.

#include <systemd/sd-bus.h>

namespace tqr::removable {

struct SdBusLibrary {
    decltype(&sd_bus_open_system) open_system;
    decltype(&sd_bus_flush_close_unref) flush_close_unref;
    decltype(&sd_bus_message_new_method_call) message_new_method_call;
    decltype(&sd_bus_message_append) message_append;
    decltype(&sd_bus_message_set_allow_interactive_authorization) message_set_allow_interactive_authorization;
    decltype(&sd_bus_call) call;
    decltype(&sd_bus_message_unref) message_unref;
    decltype(&sd_bus_error_free) error_free;
    decltype(&sd_bus_message_enter_container) message_enter_container;
    decltype(&sd_bus_message_exit_container) message_exit_container;
    decltype(&sd_bus_message_peek_type) message_peek_type;
    decltype(&sd_bus_message_read_basic) message_read_basic;
    decltype(&sd_bus_message_read_array) message_read_array;
    decltype(&sd_bus_message_skip) message_skip;
};

// The loaded library, or nullptr when it is not installed.
const SdBusLibrary* sd_bus_library();

} // namespace tqr::removable
