// The update through the real info dialog, against a server on 127.0.0.1 and a release key of
// the test's own: a second start while a transfer hangs, and an archive that is saved only when
// the release key signed it.
#include "e2e/EndToEndFixture.h"
#include "support/LocalHttpServer.h"
#include "support/RedirectingTlsServer.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::ChildProcess;
using testing_support::CommandOutput;
using testing_support::Eventually;
using testing_support::FocusedWindowNamed;
using testing_support::PressXKeys;
using testing_support::ReadBytes;
using testing_support::SetEnvironment;
using testing_support::VisibleWindowNamed;
using testing_support::WriteBytes;

namespace {

class UpdateEndToEndTest : public testing_support::EndToEndTest {
  protected:
    void SetUp() override {
        EndToEndTest::SetUp();
        const std::string key = folder_.Path("release.pem");
        CommandOutput("openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out '" +
                      key + "' 2>&1");
        SetEnvironment("TIPPOMAT_RELEASE_KEY",
                       CommandOutput("sh '" TIPPOMAT_SIGN_RELEASE "' --public-key '" + key + "'"));
        SetEnvironment("TIPPOMAT_UPDATE_FOLDER", server_.Url("/download/"));
        SetEnvironment("LC_MESSAGES", "de_DE.UTF-8"); // the dialog's German texts
        server_.Serve("/download/Tippomat.ver", {200, "99,0\r\n"});
        std::filesystem::create_directories(folder_.Path("Herunterladen"));
        WriteBytes(folder_.Path(".config/user-dirs.dirs"),
                   "XDG_DOWNLOAD_DIR=\"$HOME/Herunterladen\"\n");
        // The saved archive is opened with the desktop's handler: here one that notes it.
        WriteBytes(folder_.Path("bin/xdg-open"),
                   "#!/bin/sh\necho \"opened $*\" >> '" + mark_ + "'\n");
        std::filesystem::permissions(folder_.Path("bin/xdg-open"),
                                     std::filesystem::perms::owner_all);
    }
    void TearDown() override {
        EndToEndTest::TearDown();
        SetEnvironment("TIPPOMAT_RELEASE_KEY", "");
        SetEnvironment("TIPPOMAT_UPDATE_FOLDER", "");
        SetEnvironment("LC_MESSAGES", "");
        SetEnvironment("SSL_CERT_FILE", "");
    }

    // The archive on the server, with the signature the release script makes for signedBytes.
    void ServeArchive(const std::string& bytes, const std::string& signedBytes) {
        const std::string archive = folder_.Path("release/Tippomat.zip");
        std::filesystem::create_directories(folder_.Path("release"));
        WriteBytes(archive, signedBytes);
        CommandOutput("sh '" TIPPOMAT_SIGN_RELEASE "' '" + folder_.Path("release.pem") + "' '" +
                      archive + "'");
        server_.Serve("/download/Tippomat.zip", {200, bytes});
        server_.Serve("/download/Tippomat.zip.sig", {200, ReadBytes(archive + ".sig")});
    }

    // "Information" from the tray menu.
    void OpenInfoDialog() {
        OpenTrayMenu();
        PressXKeys("Up Up Right Up Up Return");
    }
    // "&Neue Version" in the info dialog.
    static void AskForTheUpdate() {
        ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Info "); })) << "no info dialog";
        PressXKeys("alt+n");
    }

    // Whether the program's message box came up in front; it is closed then. Its text cannot be
    // read from outside on X: the logic tests check the texts.
    static bool MessageShown() {
        if (!Eventually([] { return FocusedWindowNamed("^Tippomat$"); })) {
            return false;
        }
        PressXKeys("Return");
        return true;
    }

    // Yes to the question whether to update.
    static void AnswerYes() {
        ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Tippomat$"); })) << "no question";
        PressXKeys("Return");
    }

    testing_support::LocalHttpServer server_;
    const std::string archive_ = std::string("PK\x03\x04", 4) + std::string(5000, 'z');
};

// The server takes the request for the version file and never answers: the program still
// answers a second start, which ends at once.
TEST_F(UpdateEndToEndTest, SecondStartDuringAStalledTransferEndsWithZero) {
    server_.Serve("/download/Tippomat.ver", {200, "99,0", -1, false, true});
    Start();
    OpenInfoDialog();
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate());
    ASSERT_TRUE(Eventually([&] { return !server_.Requests().empty(); })) << "no request";
    ChildProcess second(TIPPOMAT_PROGRAM, {});
    EXPECT_EQ(second.Wait(2), 0);
}

TEST_F(UpdateEndToEndTest, AnArchiveSignedByTheReleaseKeyIsSavedInTheDownloadsAndOpened) {
    ServeArchive(archive_, archive_);
    Start();
    OpenInfoDialog();
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate());
    ASSERT_NO_FATAL_FAILURE(AnswerYes());
    // The chooser proposes the name in the user's downloads; Enter takes it.
    ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("Save As"); })) << "no save chooser";
    PressXKeys("Return");
    const std::string saved = folder_.Path("Herunterladen/Tippomat.zip");
    EXPECT_NE(testing_support::WaitForContent(mark_, "opened").find("opened " + saved),
              std::string::npos);
    EXPECT_TRUE(ReadBytes(saved) == archive_);
    EXPECT_TRUE(MessageShown()) << "no instructions";
}

// Whoever answers for the server: an archive the release key did not sign, or one without a
// signature, is not saved, and the dialog says why.
TEST_F(UpdateEndToEndTest, AnArchiveWithoutTheReleaseKeysSignatureIsNotSaved) {
    Start();
    OpenInfoDialog();
    for (const char* fault : {"tampered", "unsigned"}) {
        ServeArchive(archive_ + (std::string(fault) == "tampered" ? "!" : ""), archive_);
        if (std::string(fault) == "unsigned") {
            server_.Serve("/download/Tippomat.zip.sig", {404, "gone"});
        }
        ASSERT_NO_FATAL_FAILURE(AskForTheUpdate());
        ASSERT_NO_FATAL_FAILURE(AnswerYes());
        EXPECT_TRUE(MessageShown()) << fault;
        const std::vector<std::string> requests = server_.Requests();
        EXPECT_EQ(requests.back(), "GET /download/Tippomat.zip.sig") << "told after the check";
        EXPECT_FALSE(VisibleWindowNamed("Save As")) << fault;
        EXPECT_FALSE(std::filesystem::exists(folder_.Path("Herunterladen/Tippomat.zip")));
    }
}

// An update server on https, trusted as the system's certificates are, that sends the archive
// on to plain http: nothing is fetched there, nothing saved, and the dialog tells it.
TEST_F(UpdateEndToEndTest, ARedirectToPlainHttpSavesNothing) {
    ServeArchive(archive_, archive_);
    const testing_support::RedirectingTlsServer tls(server_.Url("/download/Tippomat.zip"),
                                                    {{"/download/Tippomat.ver", "99,0"}});
    SetEnvironment("TIPPOMAT_UPDATE_FOLDER", tls.Url("/download/"));
    SetEnvironment("SSL_CERT_FILE", tls.Trusted());
    Start();
    OpenInfoDialog();
    ASSERT_NO_FATAL_FAILURE(AskForTheUpdate());
    ASSERT_NO_FATAL_FAILURE(AnswerYes());
    EXPECT_TRUE(MessageShown());
    EXPECT_FALSE(VisibleWindowNamed("Save As"));
    EXPECT_TRUE(server_.Requests().empty()) << server_.Requests().front();
    EXPECT_FALSE(std::filesystem::exists(folder_.Path("Herunterladen/Tippomat.zip")));
}

} // namespace
