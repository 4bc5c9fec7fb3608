#include "support/RedirectingTlsServer.h"

#include "support/TestFolder.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace testing_support {

RedirectingTlsServer::RedirectingTlsServer(const std::string& target,
                                           const std::map<std::string, std::string>& served) {
    char name[] = "/tmp/tippomat-tls-XXXXXX";
    folder_ = ::mkdtemp(name) != nullptr ? name : "/nonexistent";
    WriteBytes(folder_ + "/start.sh", StartScript(folder_, target, served));
    EXPECT_EQ(std::system(("sh '" + folder_ + "/start.sh'").c_str()), 0);
    port_ = std::atoi(WaitForContent(folder_ + "/port", "\n").c_str());
    trusted_ = folder_ + "/cert.pem";
}

RedirectingTlsServer::~RedirectingTlsServer() {
    ::kill(std::atoi(WaitForContent(folder_ + "/pid", "\n").c_str()), SIGTERM);
    std::system(("rm -r '" + folder_ + "'").c_str());
}

} // namespace testing_support
