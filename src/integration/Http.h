// An HTTP client for the update: HEAD and GET of an http or https address, with the answer's
// Content-Length, the body as bytes and the bytes received so far. Certificates are checked, and
// a redirect is followed only to https.
// Every failure is a result, never an exception.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace integration {

struct HttpOptions {
    // A transfer that receives nothing for this long has failed.
    int stallSeconds = 30;
    // A transfer that takes longer than this in all has failed, even while bytes still come.
    int totalSeconds = 600;
    // A larger body, announced or received, makes the transfer fail.
    std::int64_t maxBodyBytes = std::int64_t{256} << 20;
    // The certificates of the authorities trusted for https, as a PEM file; empty: the system's.
    std::string trustedCertificates;
};

struct HttpResponse {
    bool ok = false;                 // reached the server, a 2xx status, the body complete
    int status = 0;                  // 0 when no answer came
    std::int64_t contentLength = -1; // as announced; -1 when none
    std::string body;                // the bytes of a GET
};

// A transfer runs beside the calling thread, which meanwhile calls this about ten times a second
// with the body's bytes received so far, so that it can handle its messages. Answering false
// cancels the transfer, which then fails.
using HttpProgress = std::function<bool(std::int64_t received)>;

class HttpClient {
  public:
    virtual ~HttpClient() = default;
    virtual HttpResponse Head(const std::string& url, const HttpProgress& progress) = 0;
    virtual HttpResponse Get(const std::string& url, const HttpProgress& progress) = 0;
};

// WinHTTP on Windows, libcurl on Linux.
std::unique_ptr<HttpClient> NewHttpClient(const HttpOptions& options);

// How the client names itself and what it accepts.
constexpr const char* kHttpUserAgent = "Tippomat-Update/1.0 (Orvanta)";
constexpr const char* kHttpAccept = "text/html, */*";

} // namespace integration
