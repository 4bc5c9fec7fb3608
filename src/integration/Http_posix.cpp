#include "integration/CurlLibrary_posix.h"
#include "integration/Http.h"
#include "integration/TransferBeside.h"

#include <chrono>
#include <cstdlib>

namespace integration {

namespace {

using Clock = std::chrono::steady_clock;

struct Transfer {
    const HttpOptions& options;
    TransferState& state;
    std::string body;
    bool tooLong = false;
    curl_off_t lastReceived = -1;
    Clock::time_point lastData = Clock::now();
};

size_t Receive(char* data, size_t size, size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    const size_t bytes = size * count;
    if (static_cast<std::int64_t>(transfer.body.size() + bytes) > transfer.options.maxBodyBytes) {
        transfer.tooLong = true;
        return 0; // ends the transfer as failed
    }
    transfer.body.append(data, bytes);
    return bytes;
}

// Called for every piece that arrives and about once a second while none does, so an abort
// ends the transfer within a second. libcurl's own low-speed check averages over several
// seconds, so a stall is timed here.
int Progress(void* context, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(context);
    const Clock::time_point now = Clock::now();
    if (received != transfer.lastReceived) {
        transfer.lastReceived = received;
        transfer.lastData = now;
        transfer.state.received = received;
    }
    return transfer.state.aborted ||
                   now - transfer.lastData >= std::chrono::seconds(transfer.options.stallSeconds)
               ? 1
               : 0;
}

// Without a bundle of its own, the system's as OpenSSL finds it: SSL_CERT_FILE when set, which
// libcurl would leave unread for the path it was built with.
std::string TrustedCertificates(const HttpOptions& options) {
    if (!options.trustedCertificates.empty()) {
        return options.trustedCertificates;
    }
    const char* file = std::getenv("SSL_CERT_FILE");
    return file != nullptr ? file : "";
}

class CurlClient : public HttpClient {
  public:
    explicit CurlClient(const HttpOptions& options) : options_(options) {}

    HttpResponse Head(const std::string& url, const HttpProgress& progress) override {
        return Beside(url, true, progress);
    }
    HttpResponse Get(const std::string& url, const HttpProgress& progress) override {
        return Beside(url, false, progress);
    }

  private:
    // libcurl looks at the state at least once a second, so an abort needs nothing else.
    HttpResponse Beside(const std::string& url, bool head, const HttpProgress& progress) {
        return RunBeside([options = options_, url,
                          head](TransferState& state) { return Run(options, url, head, state); },
                         [] {}, progress, options_.totalSeconds);
    }

    static HttpResponse Run(const HttpOptions& options, const std::string& url, bool head,
                            TransferState& state) {
        HttpResponse response;
        const CurlLibrary* lib = Curl();
        CURL* curl = lib != nullptr ? lib->easyInit() : nullptr;
        if (curl == nullptr) {
            return response;
        }
        Transfer transfer{options, state, {}};
        curl_slist* headers =
            lib->slistAppend(nullptr, (std::string("Accept: ") + kHttpAccept).c_str());
        lib->easySetopt(curl, CURLOPT_URL, url.c_str());
        lib->easySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        // As WinHTTP, never from https down to plain http; and no plain http reached by a redirect.
        lib->easySetopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
        if (const std::string bundle = TrustedCertificates(options); !bundle.empty()) {
            lib->easySetopt(curl, CURLOPT_CAINFO, bundle.c_str());
        }
        lib->easySetopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        lib->easySetopt(curl, CURLOPT_MAXREDIRS, 5L);
        lib->easySetopt(curl, CURLOPT_NOBODY, head ? 1L : 0L);
        lib->easySetopt(curl, CURLOPT_USERAGENT, kHttpUserAgent);
        lib->easySetopt(curl, CURLOPT_HTTPHEADER, headers);
        lib->easySetopt(curl, CURLOPT_COOKIEFILE, ""); // cookies kept for the transfer
        lib->easySetopt(curl, CURLOPT_NOPROXY, "*");
        lib->easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
        lib->easySetopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(options.stallSeconds));
        lib->easySetopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                        static_cast<curl_off_t>(options.maxBodyBytes));
        lib->easySetopt(curl, CURLOPT_WRITEFUNCTION, Receive);
        lib->easySetopt(curl, CURLOPT_WRITEDATA, &transfer);
        lib->easySetopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
        lib->easySetopt(curl, CURLOPT_XFERINFODATA, &transfer);
        lib->easySetopt(curl, CURLOPT_NOPROGRESS, 0L);

        const CURLcode result = lib->easyPerform(curl);
        long status = 0;
        lib->easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        curl_off_t length = -1;
        lib->easyGetinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        lib->slistFreeAll(headers);
        lib->easyCleanup(curl);

        response.status = static_cast<int>(status);
        response.contentLength = length;
        response.body = std::move(transfer.body);
        response.ok = result == CURLE_OK && !transfer.tooLong && status >= 200 && status < 300 &&
                      (length < 0 || length <= options.maxBodyBytes);
        return response;
    }

    HttpOptions options_;
};

} // namespace

std::unique_ptr<HttpClient> NewHttpClient(const HttpOptions& options) {
    return std::make_unique<CurlClient>(options);
}

} // namespace integration
