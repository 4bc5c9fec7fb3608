#include "integration/CurlLibrary_posix.h"

#include <dlfcn.h>

namespace integration {

namespace {

template <typename Function> bool Take(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Never closed: libcurl and its TLS library keep process-wide state until the end.
const CurlLibrary* Open() {
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    static CurlLibrary curl;
    decltype(&::curl_global_init) globalInit = nullptr;
    const bool complete = Take(library, "curl_global_init", globalInit) &&
                          Take(library, "curl_easy_init", curl.easyInit) &&
                          Take(library, "curl_easy_setopt", curl.easySetopt) &&
                          Take(library, "curl_easy_perform", curl.easyPerform) &&
                          Take(library, "curl_easy_getinfo", curl.easyGetinfo) &&
                          Take(library, "curl_easy_cleanup", curl.easyCleanup) &&
                          Take(library, "curl_slist_append", curl.slistAppend) &&
                          Take(library, "curl_slist_free_all", curl.slistFreeAll);
    // Done once and before any handle, as libcurl requires: curl_easy_init would otherwise do
    // it, unguarded, in whichever thread comes first.
    if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        return nullptr;
    }
    return &curl;
}

} // namespace

const CurlLibrary* Curl() {
    static const CurlLibrary* const curl = Open();
    return curl;
}

} // namespace integration
