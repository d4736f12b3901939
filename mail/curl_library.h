#pragma once

// libcurl, loaded when the first check runs rather than when the program
// starts: it brings two dozen libraries (TLS, Kerberos, LDAP, ...) that the
// dialog does not need until the user tries the mail account, and loading
// them at start-up made the dialog open noticeably later.

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

namespace tqr::mail {

struct CurlLibrary {
    CURLcode (*global_init)(long flags);
    CURL* (*easy_init)();
    CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
    CURLcode (*easy_perform)(CURL* handle);
    void (*easy_cleanup)(CURL* handle);
    const char* (*easy_strerror)(CURLcode code);
    curl_slist* (*slist_append)(curl_slist* list, const char* text);
    void (*slist_free_all)(curl_slist* list);
};

// The loaded and initialised library, or nullptr when it is not installed.
// Safe to call from any thread; the loading happens once.
const CurlLibrary* curl_library();

} // namespace tqr::mail
