#include "support/RedirectingTlsServer.h"

namespace testing_support {

std::string RedirectingTlsServer::StartScript(const std::string& folder, const std::string& target,
                                              const std::map<std::string, std::string>& served) {
    std::string script =
        "set -e\ncd '" + folder +
        "'\nopenssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
        "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1,DNS:127.0.0.1 -keyout key.pem "
        "-out cert.pem 2>/dev/null\nopenssl x509 -in cert.pem -outform DER -out cert.der\n"
        "/usr/bin/python3 '" TIPPOMAT_TLS_REDIRECT "' cert.pem key.pem '" +
        target + "' port";
    for (const auto& [path, body] : served) {
        script += " '" + path + "=" + body + "'";
    }
    return script + " &\necho $! > pid\n";
}

std::string RedirectingTlsServer::Url(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(port_) + path;
}

} // namespace testing_support
