#include "integration/Http.h"

#include "platform/WinText.h"

#include <windows.h>

#include <winhttp.h>

#include <cwchar>

namespace integration {

namespace {

class Handle {
  public:
    explicit Handle(HINTERNET handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != nullptr) {
            WinHttpCloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return handle_; }

  private:
    HINTERNET handle_;
};

DWORD NumberHeader(HINTERNET request, DWORD query) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!WinHttpQueryHeaders(request, query | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
        return 0;
    }
    return value;
}

// Read as text: the number form holds 32 bits only.
std::int64_t ContentLength(HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof text;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX,
                             text, &size, WINHTTP_NO_HEADER_INDEX)) {
        return -1;
    }
    wchar_t* end = nullptr;
    const long long length = std::wcstoll(text, &end, 10);
    return end != text && *end == L'\0' && length >= 0 ? length : -1;
}

class WinHttpClient : public HttpClient {
  public:
    explicit WinHttpClient(const HttpOptions& options) : options_(options) {}

    HttpResponse Head(const std::string& url) override { return Run(url, L"HEAD", nullptr); }
    HttpResponse Get(const std::string& url, const HttpProgress& progress) override {
        return Run(url, L"GET", &progress);
    }

  private:
    HttpResponse Run(const std::string& url, const wchar_t* verb, const HttpProgress* progress) {
        HttpResponse response;
        const std::wstring wideUrl = platform::Wide(url);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = static_cast<DWORD>(-1);
        parts.dwUrlPathLength = static_cast<DWORD>(-1);
        parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts) ||
            (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
            return response;
        }
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);

        Handle session(WinHttpOpen(platform::Wide(kHttpUserAgent).c_str(),
                                   WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                   WINHTTP_NO_PROXY_BYPASS, 0));
        if (session.get() == nullptr) {
            return response;
        }
        const int stall = options_.stallSeconds * 1000;
        WinHttpSetTimeouts(session.get(), stall, stall, stall, stall);
        Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
        const std::wstring accept = platform::Wide(kHttpAccept);
        const wchar_t* acceptTypes[] = {accept.c_str(), nullptr};
        Handle request(connection.get() == nullptr
                           ? nullptr
                           : WinHttpOpenRequest(
                                 connection.get(), verb, path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 acceptTypes,
                                 parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
        if (request.get() == nullptr ||
            !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(request.get(), nullptr)) {
            return response;
        }
        response.status = static_cast<int>(NumberHeader(request.get(), WINHTTP_QUERY_STATUS_CODE));
        response.contentLength = ContentLength(request.get());
        const bool statusOk = response.status >= 200 && response.status < 300;
        if (!statusOk || response.contentLength > options_.maxBodyBytes) {
            return response;
        }
        if (progress == nullptr) {
            response.ok = true;
            return response;
        }
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!WinHttpReadData(request.get(), buffer, sizeof buffer, &got)) {
                return response;
            }
            if (got == 0) {
                break;
            }
            // Never more than announced, never more than the limit.
            const std::int64_t total = static_cast<std::int64_t>(response.body.size()) + got;
            if (total > options_.maxBodyBytes ||
                (response.contentLength >= 0 && total > response.contentLength)) {
                return response;
            }
            response.body.append(buffer, got);
            if (*progress) {
                (*progress)(total);
            }
        }
        response.ok = response.contentLength < 0 ||
                      static_cast<std::int64_t>(response.body.size()) == response.contentLength;
        return response;
    }

    HttpOptions options_;
};

} // namespace

std::unique_ptr<HttpClient> NewHttpClient(const HttpOptions& options) {
    return std::make_unique<WinHttpClient>(options);
}

} // namespace integration
