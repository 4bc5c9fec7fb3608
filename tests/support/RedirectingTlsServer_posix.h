// An https server on 127.0.0.1 with a certificate of its own, made for the test: it sends every
// request on to a target address, but for the paths it serves itself.
#pragma once

#include "support/TestFolder.h"

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
    TestFolder folder_;
    int port_ = 0;
    std::string trusted_;
};

} // namespace testing_support
