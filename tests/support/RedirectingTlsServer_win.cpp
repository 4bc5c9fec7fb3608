#include "support/RedirectingTlsServer.h"

#include "platform/WinText.h"
#include "support/ChildProcess.h"
#include "support/TestFolder.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include <windows.h>

#include <wincrypt.h>

namespace testing_support {

namespace {

// The folder as Windows sees it, on drive Z:, which is Linux's root under Wine.
std::string OnDriveZ(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

// Wine starts a Linux program without a process to wait for: what it writes is awaited.
void RunScript(const std::string& folder, const std::string& name, const std::string& script) {
    WriteBytes(OnDriveZ(folder + "/" + name), script);
    ChildProcess("Z:\\bin\\sh", {folder + "/" + name});
}

// The user's root store, where WinHTTP looks for the authorities it trusts.
HCERTSTORE UserRoots() {
    return CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
}

} // namespace

RedirectingTlsServer::RedirectingTlsServer(const std::string& target,
                                           const std::map<std::string, std::string>& served) {
    folder_ = "/tmp/tippomat-tls-" +
              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    CreateDirectoryW(platform::Wide(OnDriveZ(folder_)).c_str(), nullptr);
    RunScript(folder_, "start.sh", StartScript(folder_, target, served));
    port_ = std::atoi(WaitForContent(OnDriveZ(folder_ + "/port"), "\n").c_str());
    EXPECT_NE(port_, 0) << "no server";
    trusted_ = OnDriveZ(folder_ + "/cert.der");
    const std::string der = ReadBytes(trusted_);
    HCERTSTORE roots = UserRoots();
    EXPECT_TRUE(CertAddEncodedCertificateToStore(
        roots, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
        static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, nullptr));
    CertCloseStore(roots, 0);
}

RedirectingTlsServer::~RedirectingTlsServer() {
    const std::string der = ReadBytes(trusted_);
    HCERTSTORE roots = UserRoots();
    if (PCCERT_CONTEXT added = CertCreateCertificateContext(
            X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
            static_cast<DWORD>(der.size()))) {
        if (PCCERT_CONTEXT stored = CertFindCertificateInStore(
                roots, X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, added, nullptr)) {
            CertDeleteCertificateFromStore(stored);
        }
        CertFreeCertificateContext(added);
    }
    CertCloseStore(roots, 0);
    RunScript(folder_, "stop.sh", "kill $(cat '" + folder_ + "/pid')\nrm -r '" + folder_ + "'\n");
}

} // namespace testing_support
