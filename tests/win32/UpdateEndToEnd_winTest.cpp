// The update of Tippomat.exe through its info dialog under Wine, against a server on 127.0.0.1
// and a release key the test makes: a second start while a transfer hangs, and an archive that
// is saved only when the release key signed it.
#include "win32/ProgramFixture_win.h"

#include "platform/WinText.h"
#include "support/LocalHttpServer.h"
#include "support/RedirectingTlsServer.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include <chrono>
#include <filesystem>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::ProgramEndToEndTest;
using testing_support::ReadBytes;
using testing_support::SetEnvironment;
using testing_support::WindowOf;

namespace {

class UpdateEndToEndTest : public ProgramEndToEndTest {
  protected:
    void SetUp() override {
        ProgramEndToEndTest::SetUp();
        SetEnvironment("TIPPOMAT_UPDATE_FOLDER", server_.Url("/download/"));
        server_.Serve("/download/Tippomat.ver", {200, "99,0\r\n"});
        CreateDirectoryW(platform::Wide(folder_.Path("Downloads")).c_str(), nullptr);
    }
    void TearDown() override {
        SetEnvironment("TIPPOMAT_UPDATE_FOLDER", "");
        SetEnvironment("TIPPOMAT_RELEASE_KEY", "");
    }

    // A key pair made with openssl and the archive signed by the release script, as a release
    // is; in a folder on drive Z:, where the Linux side writes.
    void MakeSignedArchive() {
        const std::string unixFolder =
            "/tmp/tippomat-release-" +
            std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
        std::string windowsFolder = "Z:" + unixFolder;
        for (char& c : windowsFolder) {
            c = c == '/' ? '\\' : c;
        }
        CreateDirectoryW(platform::Wide(windowsFolder).c_str(), nullptr);
        testing_support::WriteBytes(
            windowsFolder + "\\sign.sh",
            "set -e\ncd " + unixFolder +
                "\nopenssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out k.pem\n"
                "printf 'PK\\003\\004' > a.zip\nhead -c 5000 /dev/zero | tr '\\0' z >> a.zip\n"
                "sh '" TIPPOMAT_SIGN_RELEASE "' k.pem a.zip\n"
                "sh '" TIPPOMAT_SIGN_RELEASE "' --public-key k.pem > key\n");
        // Wine starts a Linux program without a process to wait for: its last file is awaited.
        ChildProcess sign("Z:\\bin\\sh", {unixFolder + "/sign.sh"});
        const std::string key = testing_support::WaitForContent(windowsFolder + "\\key", "\n");
        ASSERT_FALSE(key.empty()) << "no key pair";
        archive_ = ReadBytes(windowsFolder + "\\a.zip");
        signature_ = ReadBytes(windowsFolder + "\\a.zip.sig");
        SetEnvironment("TIPPOMAT_RELEASE_KEY", key.substr(0, key.find('\n')));
        std::filesystem::remove_all(windowsFolder);
    }

    // The info dialog's "&Neue Version" (or "&Get new version") pressed.
    static void AskForTheUpdate(HWND info) {
        HWND button = FindWindowExW(info, nullptr, L"Button", L"&Neue Version");
        if (button == nullptr) {
            button = FindWindowExW(info, nullptr, L"Button", L"&Get new version");
        }
        ASSERT_NE(button, nullptr);
        PostMessageW(button, BM_CLICK, 0, 0);
    }

    // The text of the next message box of the program, which is answered with button.
    std::string AnswerMessage(int button) {
        HWND box = nullptr;
        if (!Eventually([&] {
                box = WindowOf(process_->Id(), L"#32770", true);
                return box != nullptr && GetDlgItem(box, 0xFFFF) != nullptr;
            })) {
            return "no message";
        }
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        PostMessageW(box, WM_COMMAND, button, 0);
        Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); });
        return platform::Narrow(text);
    }

    testing_support::LocalHttpServer server_;
    std::unique_ptr<ChildProcess> process_;
    std::string archive_;
    std::string signature_;
};

// The server takes the request for the version file and never answers: the program still
// answers a second start, which ends at once.
TEST_F(UpdateEndToEndTest, SecondStartDuringAStalledTransferEndsWithZero) {
    server_.Serve("/download/Tippomat.ver", {200, "99,0", -1, false, true});
    const HWND window = Start(process_);
    ASSERT_NE(window, nullptr);
    const HWND info = OpenInfoDialog(window);
    ASSERT_NE(info, nullptr);
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate(info));
    ASSERT_TRUE(Eventually([&] { return !server_.Requests().empty(); })) << "no request";
    ChildProcess second(program_, {});
    EXPECT_EQ(second.Wait(2), 0);
}

// A good archive is saved where the save chooser proposes it, in the user's downloads; a
// tampered one or one without a signature is not, and the dialog says why.
TEST_F(UpdateEndToEndTest, OnlyAnArchiveSignedByTheReleaseKeyIsSaved) {
    ASSERT_NO_FATAL_FAILURE(MakeSignedArchive());
    const testing_support::ShellFolder downloads{L"{374DE290-123F-4565-9164-39C4925E467B}",
                                                 folder_.Path("Downloads")};
    const HWND window = Start(process_);
    ASSERT_NE(window, nullptr);
    const HWND info = OpenInfoDialog(window);
    ASSERT_NE(info, nullptr);
    const std::string saved = folder_.Path("Downloads\\Tippomat.zip");
    const std::string notSigned = "Das heruntergeladene Archiv trägt keine gültige Signatur des "
                                  "Herstellers.\nEs wurde nicht gespeichert.";
    for (const char* fault : {"tampered", "unsigned"}) {
        const bool tampered = std::string(fault) == "tampered";
        server_.Serve("/download/Tippomat.zip", {200, archive_ + (tampered ? "!" : "")});
        server_.Serve("/download/Tippomat.zip.sig",
                      tampered ? testing_support::HttpReply{200, signature_}
                               : testing_support::HttpReply{404, "gone"});
        ASSERT_NO_FATAL_FAILURE(AskForTheUpdate(info));
        EXPECT_NE(AnswerMessage(IDYES).find("99"), std::string::npos) << "the server's version";
        const std::string told = AnswerMessage(IDOK);
        EXPECT_TRUE(told == notSigned || told.find("no valid signature") != std::string::npos)
            << fault << ": " << told;
        EXPECT_FALSE(std::filesystem::exists(saved)) << fault;
    }

    server_.Serve("/download/Tippomat.zip", {200, archive_});
    server_.Serve("/download/Tippomat.zip.sig", {200, signature_});
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate(info));
    AnswerMessage(IDYES);
    // The save chooser: its proposed name taken with OK once it has filled it in.
    HWND chooser = nullptr;
    ASSERT_TRUE(Eventually([&] {
        chooser = WindowOf(process_->Id(), L"#32770", true);
        wchar_t name[MAX_PATH] = {};
        return chooser != nullptr && (GetDlgItemTextW(chooser, cmb13, name, MAX_PATH) != 0 ||
                                      GetDlgItemTextW(chooser, edt1, name, MAX_PATH) != 0);
    })) << "no save chooser";
    PostMessageW(chooser, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Eventually([&] { return ReadBytes(saved) == archive_; })) << saved;
}

// An update server on https, its certificate trusted as a root of the user's store, that sends
// the archive on to plain http: nothing is fetched there, nothing saved, and the dialog tells it.
TEST_F(UpdateEndToEndTest, ARedirectToPlainHttpSavesNothing) {
    server_.Serve("/download/Tippomat.zip", {200, "PK"});
    const testing_support::RedirectingTlsServer tls(server_.Url("/download/Tippomat.zip"),
                                                    {{"/download/Tippomat.ver", "99,0"}});
    SetEnvironment("TIPPOMAT_UPDATE_FOLDER", tls.Url("/download/"));
    const HWND window = Start(process_);
    ASSERT_NE(window, nullptr);
    const HWND info = OpenInfoDialog(window);
    ASSERT_NE(info, nullptr);
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate(info));
    EXPECT_NE(AnswerMessage(IDYES).find("99"), std::string::npos) << "no version over https";
    const std::string told = AnswerMessage(IDOK);
    EXPECT_TRUE(told == "Problem beim Verbinden mit dem Server" ||
                told == "Error when connecting the server!")
        << told;
    EXPECT_TRUE(server_.Requests().empty()) << server_.Requests().front();
    EXPECT_FALSE(std::filesystem::exists(folder_.Path("Downloads\\Tippomat.zip")));
}

} // namespace
