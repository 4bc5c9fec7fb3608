#include "support/RedirectingTlsServer_posix.h"

#include "support/Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace testing_support {

RedirectingTlsServer::RedirectingTlsServer(const std::string& target,
                                           const std::map<std::string, std::string>& served) {
    const std::string cert = folder_.Path("cert.pem");
    const std::string key = folder_.Path("key.pem");
    const std::string made =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
        "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
        key + "' -out '" + cert + "' 2>/dev/null";
    EXPECT_EQ(std::system(made.c_str()), 0);
    std::string started = "/usr/bin/python3 '" TIPPOMAT_TLS_REDIRECT "' '" + cert + "' '" + key +
                          "' '" + target + "' '" + folder_.Path("port") + "'";
    for (const auto& [path, body] : served) {
        started += " '" + path + "=" + body + "'";
    }
    started += " & echo $! > '" + folder_.Path("pid") + "'";
    EXPECT_EQ(std::system(started.c_str()), 0);
    port_ = std::atoi(WaitForContent(folder_.Path("port"), "\n").c_str());
    trusted_ = cert;
}

RedirectingTlsServer::~RedirectingTlsServer() {
    ::kill(std::atoi(WaitForContent(folder_.Path("pid"), "\n").c_str()), SIGTERM);
}

std::string RedirectingTlsServer::Url(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(port_) + path;
}

} // namespace testing_support
