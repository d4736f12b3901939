#include "removable/sd_bus_library.h"

#include <dlfcn.h>

namespace tqr::removable {

namespace {

template <typename F> bool resolve(void* handle, const char* name, F& fn)
{
    fn = reinterpret_cast<F>(dlsym(handle, name));
    return fn != nullptr;
}

const SdBusLibrary* load()
{
    void* handle = dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
    static SdBusLibrary lib{};
    if (handle == nullptr || !resolve(handle, "sd_bus_open_system", lib.open_system) ||
        !resolve(handle, "sd_bus_flush_close_unref", lib.flush_close_unref) ||
        !resolve(handle, "sd_bus_message_new_method_call", lib.message_new_method_call) ||
        !resolve(handle, "sd_bus_message_append", lib.message_append) ||
        !resolve(handle, "sd_bus_message_set_allow_interactive_authorization",
                 lib.message_set_allow_interactive_authorization) ||
        !resolve(handle, "sd_bus_call", lib.call) || !resolve(handle, "sd_bus_message_unref", lib.message_unref) ||
        !resolve(handle, "sd_bus_error_free", lib.error_free) ||
        !resolve(handle, "sd_bus_message_enter_container", lib.message_enter_container) ||
        !resolve(handle, "sd_bus_message_exit_container", lib.message_exit_container) ||
        !resolve(handle, "sd_bus_message_peek_type", lib.message_peek_type) ||
        !resolve(handle, "sd_bus_message_read_basic", lib.message_read_basic) ||
        !resolve(handle, "sd_bus_message_read_array", lib.message_read_array) ||
        !resolve(handle, "sd_bus_message_skip", lib.message_skip))
        return nullptr;
    return &lib;
}

} // namespace

const SdBusLibrary* sd_bus_library()
{
    static const SdBusLibrary* lib = load();
    return lib;
}

} // namespace tqr::removable
