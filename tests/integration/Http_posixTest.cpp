// The update's HTTP client against a real TLS server on 127.0.0.1 with a certificate of its own.
#include "integration/Http.h"
#include "support/LocalHttpServer.h"
#include "support/TestFolder.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

using testing_support::LocalHttpServer;
using testing_support::TestFolder;
using testing_support::WaitForContent;

namespace {

// An https server that sends every request on to target.
class RedirectingTlsServer {
  public:
    explicit RedirectingTlsServer(const std::string& target) {
        const std::string cert = folder_.Path("cert.pem");
        const std::string key = folder_.Path("key.pem");
        const std::string made =
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
            "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
            key + "' -out '" + cert + "' 2>/dev/null";
        EXPECT_EQ(std::system(made.c_str()), 0);
        const std::string started = "/usr/bin/python3 '" TIPPOMAT_TLS_REDIRECT "' '" + cert +
                                    "' '" + key + "' '" + target + "' '" + folder_.Path("port") +
                                    "' & echo $! > '" + folder_.Path("pid") + "'";
        EXPECT_EQ(std::system(started.c_str()), 0);
        port_ = std::atoi(WaitForContent(folder_.Path("port"), "\n").c_str());
        trusted_ = cert;
    }
    ~RedirectingTlsServer() {
        ::kill(std::atoi(WaitForContent(folder_.Path("pid"), "\n").c_str()), SIGTERM);
    }
    RedirectingTlsServer(const RedirectingTlsServer&) = delete;
    RedirectingTlsServer& operator=(const RedirectingTlsServer&) = delete;

    std::string Url(const std::string& path) const {
        return "https://127.0.0.1:" + std::to_string(port_) + path;
    }
    const std::string& Trusted() const { return trusted_; }

  private:
    TestFolder folder_;
    int port_ = 0;
    std::string trusted_;
};

TEST(HttpClient, RedirectFromHttpsToPlainHttpIsRefused) {
    LocalHttpServer plain;
    plain.Serve("/download/tippomat.zip", {200, "untrusted bytes"});
    const RedirectingTlsServer tls(plain.Url("/download/tippomat.zip"));
    integration::HttpOptions options;
    options.trustedCertificates = tls.Trusted();
    auto client = integration::NewHttpClient(options);
    const auto get = client->Get(tls.Url("/download/tippomat.zip"), nullptr);
    EXPECT_FALSE(get.ok);
    EXPECT_TRUE(get.body.empty());
    EXPECT_TRUE(plain.Requests().empty());
}

} // namespace
