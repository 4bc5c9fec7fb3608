// libcurl, opened at the first transfer rather than linked: linked, every start would map it and
// the dozen libraries it pulls in (TLS, Kerberos, LDAP, SSH, ...), for an update that the user
// may never ask for. The header still gives the types and constants.
#pragma once

#include <curl/curl.h>

namespace integration {

struct CurlLibrary {
    decltype(&::curl_easy_init) easyInit;
    decltype(&::curl_easy_setopt) easySetopt;
    decltype(&::curl_easy_perform) easyPerform;
    decltype(&::curl_easy_getinfo) easyGetinfo;
    decltype(&::curl_easy_cleanup) easyCleanup;
    decltype(&::curl_slist_append) slistAppend;
    decltype(&::curl_slist_free_all) slistFreeAll;
};

// The library, initialised, or nullptr when it cannot be loaded or initialised. The first call
// opens it; any thread may call.
const CurlLibrary* Curl();

} // namespace integration
