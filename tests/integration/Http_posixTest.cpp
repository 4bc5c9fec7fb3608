// The update's HTTP client against a real TLS server on 127.0.0.1 with a certificate of its own.
#include "integration/Http.h"
#include "support/LocalHttpServer.h"
#include "support/RedirectingTlsServer.h"

#include <gtest/gtest.h>

using testing_support::LocalHttpServer;
using testing_support::RedirectingTlsServer;

namespace {

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
