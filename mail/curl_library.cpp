#include "mail/curl_library.h"

#include <dlfcn.h>

#include <mutex>

namespace tqr::mail {

namespace {

template <typename F> bool resolve(void* handle, const char* name, F& fn)
{
    fn = reinterpret_cast<F>(dlsym(handle, name));
    return fn != nullptr;
}

const CurlLibrary* load()
{
    // The run-time name of the library the development package builds for.
    void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return nullptr;
    static CurlLibrary lib{};
    const bool complete = resolve(handle, "curl_global_init", lib.global_init) &&
                          resolve(handle, "curl_easy_init", lib.easy_init) &&
                          resolve(handle, "curl_easy_setopt", lib.easy_setopt) &&
                          resolve(handle, "curl_easy_perform", lib.easy_perform) &&
                          resolve(handle, "curl_easy_cleanup", lib.easy_cleanup) &&
                          resolve(handle, "curl_easy_strerror", lib.easy_strerror) &&
                          resolve(handle, "curl_slist_append", lib.slist_append) &&
                          resolve(handle, "curl_slist_free_all", lib.slist_free_all);
    if (!complete || lib.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;
    return &lib;
}

} // namespace

const CurlLibrary* curl_library()
{
    // Global initialisation is not thread-safe in every libcurl, and the
    // first check may run on a worker thread.
    static std::once_flag once;
    static const CurlLibrary* lib = nullptr;
    std::call_once(once, [] { lib = load(); });
    return lib;
}

} // namespace tqr::mail
