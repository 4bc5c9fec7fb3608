// An https server on 127.0.0.1 with a certificate of its own, made for the test: it sends every
// request on to a target address, but for the paths it serves itself. On Windows (under Wine)
// its certificate is trusted as a root of the user's store while it runs.
#pragma once

#include <map>
#include <string>

namespace testing_support {

class RedirectingTlsServer {
  public:
    RedirectingTlsServer(const std::string& target,
                         const std::map<std::string, std::string>& served = {});
    ~RedirectingTlsServer();
    RedirectingTlsServer(const RedirectingTlsServer&) = delete;
    RedirectingTlsServer& operator=(const RedirectingTlsServer&) = delete;

    std::string Url(const std::string& path) const;
    // The certificate to trust, as a PEM file.
    const std::string& Trusted() const { return trusted_; }

  private:
    // Run by sh in folder: makes the certificate (also as cert.der) and starts the server in
    // the background, its process number in the file pid and its port in the file port.
    static std::string StartScript(const std::string& folder, const std::string& target,
                                   const std::map<std::string, std::string>& served);

    std::string folder_; // a new folder under /tmp, as Linux names it
    int port_ = 0;
    std::string trusted_;
};

} // namespace testing_support
