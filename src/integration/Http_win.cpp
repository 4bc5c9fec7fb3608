#include "integration/Http.h"

#include "integration/TransferBeside.h"
#include "platform/WinText.h"

#include <windows.h>

#include <winhttp.h>

#include <atomic>
#include <cwchar>
#include <memory>

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
    void reset(HINTERNET handle) {
        Handle old(handle_);
        handle_ = handle;
    }

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

// The request's handle, closed by whichever comes first: the end of the transfer, or an abort
// from the calling thread, which makes the transfer's pending call fail at once.
class RequestHandle {
  public:
    RequestHandle() = default;
    ~RequestHandle() { Close(); }
    RequestHandle(const RequestHandle&) = delete;
    RequestHandle& operator=(const RequestHandle&) = delete;
    void reset(HINTERNET handle) { handle_ = handle; }
    void Close() {
        if (HINTERNET handle = handle_.exchange(nullptr); handle != nullptr) {
            WinHttpCloseHandle(handle);
        }
    }

  private:
    std::atomic<HINTERNET> handle_{nullptr};
};

// What one transfer holds, until both it and its caller are done with it: after an abort the
// transfer may outlive the call.
struct Handles {
    explicit Handles(HINTERNET opened) : session(opened) {}
    Handle session;
    Handle connection{nullptr};
    RequestHandle request; // closed first, so its parents are still open then
};

class WinHttpClient : public HttpClient {
  public:
    explicit WinHttpClient(const HttpOptions& options) : options_(options) {}

    HttpResponse Head(const std::string& url, const HttpProgress& progress) override {
        return Run(url, L"HEAD", progress);
    }
    HttpResponse Get(const std::string& url, const HttpProgress& progress) override {
        return Run(url, L"GET", progress);
    }

  private:
    HttpResponse Run(const std::string& url, const wchar_t* verb, const HttpProgress& progress) {
        const std::wstring wideUrl = platform::Wide(url);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = static_cast<DWORD>(-1);
        parts.dwUrlPathLength = static_cast<DWORD>(-1);
        parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts) ||
            (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
            return {};
        }
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
        path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);

        auto handles = std::make_shared<Handles>(
            WinHttpOpen(platform::Wide(kHttpUserAgent).c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY,
                        WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
        if (handles->session.get() == nullptr) {
            return {};
        }
        const int stall = options_.stallSeconds * 1000;
        WinHttpSetTimeouts(handles->session.get(), stall, stall, stall, stall);
        handles->connection.reset(
            WinHttpConnect(handles->session.get(), host.c_str(), parts.nPort, 0));
        const std::wstring accept = platform::Wide(kHttpAccept);
        const wchar_t* acceptTypes[] = {accept.c_str(), nullptr};
        const HINTERNET request =
            handles->connection.get() == nullptr
                ? nullptr
                : WinHttpOpenRequest(handles->connection.get(), verb, path.c_str(), nullptr,
                                     WINHTTP_NO_REFERER, acceptTypes,
                                     parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE
                                                                            : 0);
        if (request == nullptr) {
            return {};
        }
        handles->request.reset(request);
        const bool head = wcscmp(verb, L"HEAD") == 0;
        return RunBeside(
            [handles, request, head, options = options_](TransferState& state) {
                return Exchange(request, head, options, state);
            },
            [handles] { handles->request.Close(); }, progress, options_.totalSeconds);
    }

    // Runs beside the calling thread; request may be closed under it by an abort.
    static HttpResponse Exchange(HINTERNET request, bool head, const HttpOptions& options,
                                 TransferState& state) {
        HttpResponse response;
        if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA,
                                0, 0, 0) ||
            !WinHttpReceiveResponse(request, nullptr)) {
            return response;
        }
        response.status = static_cast<int>(NumberHeader(request, WINHTTP_QUERY_STATUS_CODE));
        response.contentLength = ContentLength(request);
        const bool statusOk = response.status >= 200 && response.status < 300;
        if (!statusOk || response.contentLength > options.maxBodyBytes) {
            return response;
        }
        if (head) {
            response.ok = true;
            return response;
        }
        char buffer[65536];
        while (!state.aborted) {
            DWORD got = 0;
            if (!WinHttpReadData(request, buffer, sizeof buffer, &got)) {
                return response;
            }
            if (got == 0) {
                response.ok =
                    response.contentLength < 0 ||
                    static_cast<std::int64_t>(response.body.size()) == response.contentLength;
                return response;
            }
            // Never more than announced, never more than the limit.
            const std::int64_t total = static_cast<std::int64_t>(response.body.size()) + got;
            if (total > options.maxBodyBytes ||
                (response.contentLength >= 0 && total > response.contentLength)) {
                return response;
            }
            response.body.append(buffer, got);
            state.received = total;
        }
        return response;
    }

    HttpOptions options_;
};

} // namespace

std::unique_ptr<HttpClient> NewHttpClient(const HttpOptions& options) {
    return std::make_unique<WinHttpClient>(options);
}

} // namespace integration
