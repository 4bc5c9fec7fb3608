// The info dialog over a recording view, with the update server on 127.0.0.1: its texts in
// German and English, the version comparison, the download and where it is saved.
#include "dialogs/Info.h"
#include "integration/Signature.h"
#include "logic/LogicFixture.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "support/LocalHttpServer.h"

using dialogs::Answer;
using dialogs::MessageButtons;
using dialogs::Tinfodialog;
using testing_support::HttpReply;
using testing_support::ReadBytes;

namespace {

constexpr const char* kConnectionProblem = "Problem beim Verbinden mit dem Server";
const std::string kArchive = std::string("PK\x03\x04\0\xFF", 6) + std::string(70000, 'z');
// A key pair of the tests' own; the archive signed with scripts/sign-release.sh.
constexpr const char* kReleaseKey =
    "04ed94ae66f10e5a1ec271fcd59ee3d9e2bfaceddef0b88552628c1844d57e5a88cb5070f6c9af54f7a10a01f5fd8d"
    "397cb280b83158589f6cc9c6bd46e37fd6b2";
constexpr const char* kArchiveSignature =
    "4A3CD6E79095EBE757D4820C8623A5427234DDB1BB2EE9EEE6DC2BD026251EFB3EE2394461DF183A75FE2083033E"
    "E98AEBEB40DC2513A58F69638511A6212B50\n";

class InfoLogicTest : public testing_support::LogicFixture {
  protected:
    InfoLogicTest() {
        server_.Serve("/download/Tippomat.zip", {200, kArchive});
        server_.Serve("/download/Tippomat.zip.sig", {200, kArchiveSignature});
        start_ = NewStart();
    }

    // The dialog as the hub opens it, on a program of that version and a user of that
    // language (7 German, 9 English).
    dialogs::Tinfodialog& Open(integration::FileVersion version, int language = 7) {
        dialogs::InfoSystem& system = fake_.system;
        system.version = version;
        system.primaryLanguage = language;
        system.downloadFolder = server_.Url("/download/");
        system.homepage = "https://home.example/";
        system.mailAddress = "Autor <autor@home.example>";
        system.http.stallSeconds = 1;
        system.releaseKey = *integration::FromHex(kReleaseKey);
        system.saveFolder = platform::WithTrailingSeparator(folder_.Path("Downloads"));
        info_ = std::make_unique<dialogs::Tinfodialog>(start_->state, start_->views);
        info_->Zipname = "Tippomat.zip";
        return *info_;
    }
    testing_support::FakeDialogView& View() { return start_->views.View("infodialog"); }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const dialogs::MessageQuestion& message : View().messages) {
            texts.push_back(message.text);
        }
        return texts;
    }
    void ServeVersion(const std::string& text) {
        server_.Serve("/download/Tippomat.ver", {200, text});
    }
    static std::string Shown(double version) {
        return integration::FormatVersion(version, platform::DecimalSeparator());
    }

    testing_support::LocalHttpServer server_;
    std::unique_ptr<Start> start_;
    std::unique_ptr<dialogs::Tinfodialog> info_;
    testing_support::fake_info_system::FakeInfoSystem& fake_ =
        testing_support::fake_info_system::Reset();
    std::vector<std::string>& opened_ = fake_.opened;
    std::vector<platform::Showing>& showings_ = fake_.showings;
};

TEST_F(InfoLogicTest, ShowsVersionWordSizeAndHomepage) {
    Open({2, 15, 0, 347}).ShowModal();
    EXPECT_EQ(View().Text(Tinfodialog::kVersionlabel),
              "Version : 2.15.0 Build: 347 (" + std::to_string(sizeof(void*) * 8) + " Bit)");
    EXPECT_EQ(View().Text(Tinfodialog::kHomepagelabel), "Homepage: https://home.example/");
    EXPECT_EQ(View().Text(Tinfodialog::kDatumlabel).rfind("vom ", 0), 0u);
    EXPECT_EQ(info_->Layout().caption, "Info über Tippomat");
    info_->Emailbutclick();
    info_->Homepagebutclick();
    EXPECT_EQ(opened_, (std::vector<std::string>{"mailto:Autor%20%3Cautor@home.example%3E",
                                                 "https://home.example/"}));
    EXPECT_EQ(showings_, (std::vector<platform::Showing>(2, platform::Showing::Activated)));
}

TEST_F(InfoLogicTest, IsEnglishForEveryLanguageButGerman) {
    for (int language : {9, 12}) {
        Open({2, 15, 0, 0}, language);
        EXPECT_EQ(info_->Layout().Find(Tinfodialog::kGetnewversion)->caption, "&Get new version");
        EXPECT_EQ(info_->Layout().Find(Tinfodialog::kEmailbut)->caption, "Send &email");
        EXPECT_EQ(info_->Layout().caption, "Info about Tippomat");
        info_->Getnewversionclick();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Error when connecting the server!"});
    }
    Open({2, 15, 0, 0}, 7);
    EXPECT_EQ(info_->Layout().Find(Tinfodialog::kHomepagebut)->caption, "&Homepage");
}

TEST_F(InfoLogicTest, TheSameVersionOnTheServerIsNoUpdate) {
    ServeVersion("2,15\r\nneu");
    Open({2, 15, 0, 0}).Getnewversionclick();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Derzeit befindet sich keine aktuellere Version auf dem "
                                       "Server"});
}

TEST_F(InfoLogicTest, AnyOtherVersionIsOfferedHigherOrLower) {
    const struct {
        const char* text;
        integration::FileVersion installed;
        double server;
    } cases[] = {
        {"2,5", {2, 5, 0, 0}, 2.5}, {"2.15", {2, 15, 0, 0}, 2.0}, {"1,9", {2, 0, 0, 0}, 1.9}};
    for (const auto& offer : cases) {
        ServeVersion(offer.text);
        Open(offer.installed).Getnewversionclick();
        ASSERT_EQ(View().messages.size(), 1u) << offer.text;
        EXPECT_EQ(View().messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(View().messages[0].text,
                  "Version " + Shown(integration::FileVersionNumber(offer.installed)) +
                      ", auf dem Server ist " + Shown(offer.server) + ".\rAktualisieren?");
        EXPECT_TRUE(View().pathQuestions.empty()) << "No downloads nothing";
    }
}

TEST_F(InfoLogicTest, AnUnreadableOrUnreachableVersionFileIsAConnectionProblem) {
    for (const char* text : {"Version 2", "2,1,5"}) {
        ServeVersion(text);
        Open({2, 15, 0, 0}).Getnewversionclick();
        EXPECT_EQ(Messages(), std::vector<std::string>{kConnectionProblem}) << text;
    }
    server_.Serve("/download/Tippomat.ver", {404, "2,99"});
    Open({2, 15, 0, 0}).Getnewversionclick();
    EXPECT_EQ(Messages(), std::vector<std::string>{kConnectionProblem});

    ServeVersion("2,99" + std::string(100000, ' '));
    Open({2, 15, 0, 0}).Getnewversionclick();
    EXPECT_EQ(Messages(), std::vector<std::string>{kConnectionProblem}) << "no version file";

    server_.Serve("/download/Tippomat.ver", {200, "2,99 and then nothing more", -1, true});
    Open({2, 15, 0, 0}).Getnewversionclick();
    EXPECT_EQ(Messages(), std::vector<std::string>{kConnectionProblem}) << "a stalled server";
}

// The name the save dialog confirmed is kept: an archive of that name beside it stays as it is.
TEST_F(InfoLogicTest, YesDownloadsTheArchiveSavesItUnderTheConfirmedNameAndOpensIt) {
    ServeVersion("2,20");
    Open({2, 15, 0, 0});
    View().answers.push_back(Answer::Yes);
    const std::string saved = folder_.Path("Neu.exe");
    View().paths.push_back(saved);
    testing_support::WriteBytes(folder_.Path("Neu.zip"), "another archive");
    info_->Getnewversionclick();

    EXPECT_TRUE(ReadBytes(saved) == kArchive);
    EXPECT_EQ(ReadBytes(folder_.Path("Neu.zip")), "another archive");
    EXPECT_EQ(opened_, std::vector<std::string>{saved});
    EXPECT_EQ(showings_, std::vector<platform::Showing>{platform::Showing::Normal});
    ASSERT_EQ(View().pathQuestions.size(), 1u);
    EXPECT_EQ(View().pathQuestions[0].kind, dialogs::PathKind::SaveFile);
    EXPECT_EQ(View().pathQuestions[0].defaultExt, "zip");
    EXPECT_EQ(View().pathQuestions[0].filter, "Alles (*.*)|*.*");
    EXPECT_EQ(View().pathQuestions[0].start,
              folder_.Path("Downloads") + platform::PathSeparator() + "Tippomat.zip")
        << "the user's downloads, not the program's folder";
    const std::string size = std::to_string(kArchive.size());
    EXPECT_EQ(View().Text(Tinfodialog::kStatusBar),
              "Heruntergeladen " + size + " von " + size + " Bytes");
    ASSERT_EQ(View().messages.size(), 2u);
    EXPECT_EQ(View().messages[1].text.rfind("Installierte Version " + Shown(2.15) +
                                                "\rVersion auf dem Server " + Shown(2.2) + "\r",
                                            0),
              0u);
}

TEST_F(InfoLogicTest, AFailedDownloadWritesNothingAndKeepsAnOldFile) {
    ServeVersion("2,20");
    const std::string saved = folder_.Path("Tippomat.zip");
    testing_support::WriteBytes(saved, "the old archive");
    for (const HttpReply& archive : {HttpReply{404, "gone"}, HttpReply{200, kArchive, -1, true}}) {
        server_.Serve("/download/Tippomat.zip", archive);
        Open({2, 15, 0, 0});
        View().answers.push_back(Answer::Yes);
        View().paths.push_back(saved);
        info_->Getnewversionclick();
        EXPECT_EQ(Messages().back(), kConnectionProblem);
        EXPECT_EQ(ReadBytes(saved), "the old archive");
        EXPECT_TRUE(opened_.empty());
    }
}

// Whoever answers for the server: an archive that is not the one the maker signed, or one
// without a signature, is not saved, and the user learns why.
TEST_F(InfoLogicTest, AnArchiveWithoutTheMakersSignatureIsNotSaved) {
    ServeVersion("2,20");
    const std::string saved = folder_.Path("Tippomat.zip");
    for (const char* fault : {"tampered", "unsigned"}) {
        if (std::string(fault) == "tampered") {
            server_.Serve("/download/Tippomat.zip", {200, kArchive + "!"});
        } else {
            server_.Serve("/download/Tippomat.zip", {200, kArchive});
            server_.Serve("/download/Tippomat.zip.sig", {404, "gone"});
        }
        Open({2, 15, 0, 0});
        View().answers.push_back(Answer::Yes);
        View().paths.push_back(saved);
        info_->Getnewversionclick();
        EXPECT_EQ(Messages().back(), "Das heruntergeladene Archiv trägt keine gültige Signatur "
                                     "des Herstellers.\rEs wurde nicht gespeichert.")
            << fault;
        EXPECT_FALSE(platform::FileExists(saved)) << fault;
        EXPECT_TRUE(View().pathQuestions.empty()) << fault;
    }
}

// A folder the user may not write into, such as the program's own in /usr/bin.
TEST_F(InfoLogicTest, AFailedWriteIsToldAsSuchNotAsAConnectionProblem) {
    ServeVersion("2,20");
    Open({2, 15, 0, 0});
    View().answers.push_back(Answer::Yes);
    const std::string unwritable = folder_.Path("fehlt") + "/Tippomat.zip";
    View().paths.push_back(unwritable);
    info_->Getnewversionclick();
    EXPECT_EQ(Messages().back(), "Das Archiv kann nicht gespeichert werden:\r" + unwritable);
    EXPECT_TRUE(opened_.empty());
}

TEST_F(InfoLogicTest, CancellingTheSaveWritesNothingAndSaysNothing) {
    ServeVersion("2,20");
    Open({2, 15, 0, 0});
    View().answers.push_back(Answer::Yes);
    info_->Getnewversionclick();
    EXPECT_EQ(View().messages.size(), 1u);
    EXPECT_FALSE(platform::FileExists(folder_.Path("Tippomat.zip")));
}

// The server takes the request and never answers; the user presses Escape meanwhile.
TEST_F(InfoLogicTest, EscapeDuringATransferCancelsItClosesAndSavesNothing) {
    server_.Serve("/download/Tippomat.ver", {200, "2,20", -1, false, true});
    Open({2, 15, 0, 0});
    View().answers.push_back(Answer::Yes);
    View().paths.push_back(folder_.Path("Tippomat.zip"));
    View().whileProcessing = [this] { info_->CloseRequested(); };
    View().whileModal = [this] {
        info_->Getnewversionclick();
        EXPECT_FALSE(View().shown);
    };
    info_->ShowModal();
    EXPECT_TRUE(View().messages.empty());
    EXPECT_TRUE(View().pathQuestions.empty());
    EXPECT_FALSE(platform::FileExists(folder_.Path("Tippomat.zip")));
}

TEST_F(InfoLogicTest, AMissingZipOpenerIsToldBeforeTheInstructions) {
    ServeVersion("2,20");
    fake_.refusing = true;
    Open({2, 15, 0, 0});
    View().answers.push_back(Answer::Yes);
    View().paths.push_back(folder_.Path("a.zip"));
    info_->Getnewversionclick();
    ASSERT_EQ(View().messages.size(), 3u);
    EXPECT_EQ(View().messages[1].text, "ZIP Entpacker kann nicht geöffnet werden !");
}

TEST_F(InfoLogicTest, WithoutAVersionResourceTheUpdateStopsSilently) {
    ServeVersion("2,20");
    fake_.system.downloadFolder = server_.Url("/download/");
    dialogs::Tinfodialog info(start_->state, start_->views);
    EXPECT_EQ(info.Zipname, "tippomat.zip") << "the program file's name, until the hub sets it";
    info.Zipname = "Tippomat.zip";
    info.Getnewversionclick();
    EXPECT_TRUE(start_->views.View("infodialog").messages.empty());
}

} // namespace
