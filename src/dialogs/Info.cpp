#include "dialogs/Info.h"

#include "integration/Signature.h"
#include "platform/FileDate.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "platform/Text.h"

namespace dialogs {

namespace {

constexpr const char* kApplicationTitle = "Tippomat";
constexpr int kHelpContext = 1000;
// The version file and the signature are a few bytes; only the archive may be large.
constexpr std::int64_t kSmallFileBytes = 4096;

using T = Tinfodialog;

// The places were drawn at 120 dots per inch; here they are at 96. The labels take the width of
// their texts, which are set when the dialog is shown.
DialogLayout MakeLayout(int userLanguage) {
    const InfoTexts& texts = InfoTextsFor(userLanguage);
    return {"infodialog",
            std::string(texts.captionPrefix) + kApplicationTitle,
            FrameKind::Dialog,
            401,
            153,
            kHelpContext,
            {
                Label(T::kVersionlabel)
                    .At(30, 7, 364, 14)
                    .Help(kHelpContext)
                    .Hint("Version|Geben Sie diese Informationen bei Kontaktaufnahme an"),
                Label(T::kDatumlabel)
                    .At(30, 30, 364, 14)
                    .Help(kHelpContext)
                    .Hint("Erstelldatum|Speicherdatum dieser Version"),
                Label(T::kCopyrightlabel)
                    .At(30, 50, 364, 14)
                    .Caption("Copyright © Orvanta, Autor des Tippomat")
                    .Help(kHelpContext)
                    .Hint("Urheber|Der Programmierer dieses Programmes"),
                Label(T::kHomepagelabel)
                    .At(30, 72, 364, 14)
                    .Help(kHelpContext)
                    .Hint("Homepage|Die Homepage mit interessanten Themen"),
                Button(T::kOkbut)
                    .At(5, 99, 60, 29)
                    .Caption("&OK")
                    .Help(kHelpContext)
                    .Tab(0)
                    .Hint("Ok|Schließt diesen Dialog")
                    .Default(),
                Button(T::kGetnewversion)
                    .At(77, 99, 97, 29)
                    .Caption(texts.getNewVersionCaption)
                    .Help(kHelpContext)
                    .Tab(1)
                    .Hint("Download|Holt eine neue Version dieses Programmes über das Internet"),
                Button(T::kHomepagebut)
                    .At(182, 99, 88, 29)
                    .Caption(texts.homepageCaption)
                    .Help(kHelpContext)
                    .Tab(3)
                    .Hint("Homepage|Ruft den Webbrowser mit der Homepage des Autors auf"),
                Button(T::kEmailbut)
                    .At(283, 99, 96, 29)
                    .Caption(texts.emailCaption)
                    .Help(kHelpContext)
                    .Tab(4)
                    .Hint("E-Mail|Sztartet ihrMailprogramm zum schreiben einer Mail an den Autor"),
                StatusBar(T::kStatusBar)
                    .At(0, 138, 401, 15)
                    .Docked(Dock::Bottom)
                    .Hint("Status|Fortschritt des Downloads"),
            }};
}

// A mail address with its display name, written so that it is one valid mailto address.
std::string MailtoAddress(const std::string& address) {
    std::string uri = "mailto:";
    for (char c : address) {
        switch (c) {
        case ' ':
            uri += "%20";
            break;
        case '<':
            uri += "%3C";
            break;
        case '>':
            uri += "%3E";
            break;
        case '"':
            uri += "%22";
            break;
        default:
            uri += c;
        }
    }
    return uri;
}

} // namespace

const DialogLayout& Tinfodialog::Form(int userLanguage) {
    static const DialogLayout german = MakeLayout(0);
    static const DialogLayout english = MakeLayout(1);
    return userLanguage == 0 ? german : english;
}

Tinfodialog::Tinfodialog(core::ProgramState& state, ViewFactory& views)
    : Tinfodialog(state, views, TheInfoSystem()) {}

Tinfodialog::Tinfodialog(core::ProgramState& state, ViewFactory& views, InfoSystem system)
    : DialogLogic(state, views, Form(UserLanguage(system.primaryLanguage))),
      system_(std::move(system)), texts_(InfoTextsFor(UserLanguage(system_.primaryLanguage))) {
    OnClick(kOkbut, [this] { Okbutclick(); });
    OnClick(kGetnewversion, [this] { Getnewversionclick(); });
    OnClick(kHomepagebut, [this] { Homepagebutclick(); });
    OnClick(kEmailbut, [this] { Emailbutclick(); });
    FormCreate();
}

void Tinfodialog::FormCreate() {
    Zipname = platform::ChangeExtension(
        platform::CaseFolded(platform::FileNameOf(state_.location.ProgramPath)), ".zip");
    Homepage = system_.homepage;
    Mailadresse = system_.mailAddress;
}

void Tinfodialog::FormShow() {
    Version = system_.version ? integration::FileVersionText(*system_.version) : "";
    view_.SetText(kVersionlabel, "Version : " + Version + " (" +
                                     std::to_string(integration::kWordSizeBits) + " Bit)");
    view_.SetText(kHomepagelabel, "Homepage: " + Homepage);
    view_.SetText(kDatumlabel,
                  texts_.datePrefix + platform::FileDateText(state_.location.ProgramPath));
}

void Tinfodialog::Okbutclick() {
    Close(Closed::Ok);
}

void Tinfodialog::Homepagebutclick() {
    OpenDocument(Homepage, platform::Showing::Activated);
}

void Tinfodialog::Emailbutclick() {
    OpenDocument(MailtoAddress(Mailadresse), platform::Showing::Activated);
}

void Tinfodialog::CloseRequested() {
    if (transferring_) {
        cancelled_ = true;
    } else {
        DialogLogic::CloseRequested();
    }
}

bool Tinfodialog::KeepTransferring() {
    view_.ProcessPendingEvents();
    return !cancelled_;
}

bool Tinfodialog::ClosedByCancel() {
    if (cancelled_) {
        DialogLogic::CloseRequested();
    }
    return cancelled_;
}

void Tinfodialog::SetTransferring(bool transferring) {
    transferring_ = transferring;
    for (const ControlName button : {kOkbut, kGetnewversion, kHomepagebut, kEmailbut}) {
        view_.SetEnabled(button, !transferring);
    }
}

void Tinfodialog::HttpWork(std::int64_t AWorkCount) {
    view_.SetText(kStatusBar, FillTemplate(texts_.progress,
                                           {std::to_string(AWorkCount), std::to_string(Filelen)}));
    view_.ProcessPendingEvents();
}

std::string Tinfodialog::Shown(double version) const {
    return integration::FormatVersion(version, platform::DecimalSeparator());
}

void Tinfodialog::Tell(const char* text) {
    ShowMessage(core::MessageKind::Information, text, 0);
}

std::optional<double> Tinfodialog::ServerVersion(integration::HttpClient& http,
                                                 const std::string& url) {
    const integration::HttpResponse head =
        http.Head(url, [this](std::int64_t) { return KeepTransferring(); });
    Filelen = head.contentLength;
    if (!head.ok) {
        return std::nullopt;
    }
    const integration::HttpResponse get = http.Get(url, [this](std::int64_t received) {
        HttpWork(received);
        return !cancelled_;
    });
    return get.ok ? integration::ParseVersionFile(get.body) : std::nullopt;
}

std::optional<std::string> Tinfodialog::Download(integration::HttpClient& http,
                                                 const std::string& url) {
    const integration::HttpResponse head =
        http.Head(url, [this](std::int64_t) { return KeepTransferring(); });
    Filelen = head.contentLength;
    if (!head.ok) {
        return std::nullopt;
    }
    integration::HttpResponse get = http.Get(url, [this](std::int64_t received) {
        HttpWork(received);
        return !cancelled_;
    });
    if (!get.ok) {
        return std::nullopt;
    }
    return std::move(get.body);
}

std::unique_ptr<integration::HttpClient> Tinfodialog::SmallFileClient() const {
    integration::HttpOptions options = system_.http;
    options.maxBodyBytes = kSmallFileBytes;
    return integration::NewHttpClient(options);
}

bool Tinfodialog::SignedByTheMaker(const std::string& archive, const std::string& url) {
    const integration::HttpResponse get =
        SmallFileClient()->Get(url + ".sig", [this](std::int64_t) { return KeepTransferring(); });
    const std::optional<std::string> signature =
        get.ok ? integration::FromHex(get.body) : std::nullopt;
    return signature && integration::VerifySignature(archive, *signature, system_.releaseKey);
}

// A version file that cannot be fetched or read is told as a connection problem instead of
// offering version 1.00; a partial download never replaces a file, since the archive is written
// to a temporary file that takes the name only when complete.
void Tinfodialog::Getnewversionclick() {
    SetTransferring(true);
    const std::optional<double> server = ServerVersion(
        *SmallFileClient(), system_.downloadFolder + platform::ChangeExtension(Zipname, ".ver"));
    SetTransferring(false);
    if (ClosedByCancel()) {
        return;
    }
    if (!server) {
        Tell(texts_.connectionProblem);
        return;
    }
    if (!system_.version) {
        return;
    }
    const double installed = integration::FileVersionNumber(*system_.version);
    if (integration::SameVersion(installed, *server)) {
        Tell(texts_.noNewerVersion);
        return;
    }
    const std::vector<std::string> numbers{Shown(installed), Shown(*server)};
    if (view_.Ask({core::MessageKind::Confirmation, FillTemplate(texts_.updateQuestion, numbers),
                   MessageButtons::YesNo, 0}) != Answer::Yes) {
        return;
    }
    SetTransferring(true);
    const std::optional<std::string> archive =
        Download(*integration::NewHttpClient(system_.http), system_.downloadFolder + Zipname);
    // Only an archive that the maker signed is kept, whoever answered for the server.
    const bool signedByTheMaker =
        archive && SignedByTheMaker(*archive, system_.downloadFolder + Zipname);
    SetTransferring(false);
    if (ClosedByCancel()) {
        return;
    }
    if (!archive) {
        Tell(texts_.connectionProblem);
        return;
    }
    if (!signedByTheMaker) {
        Tell(texts_.notSigned);
        return;
    }
    // Not the program's folder, which a package's user may not write to.
    const std::optional<std::string> chosen = view_.AskPath(
        {PathKind::SaveFile, "", texts_.saveFilter, "zip",
         system_.saveFolder +
             platform::ChangeExtension(platform::FileNameOf(state_.location.ProgramPath), ".zip")});
    if (!chosen) {
        return;
    }
    // The save dialog has put on the extension and asked before replacing a file: the name it
    // returns is the one the user confirmed.
    const std::string& fileName = *chosen;
    if (!platform::ReplaceFileContent(fileName, *archive, platform::FileAccess::Shared)) {
        ShowMessage(core::MessageKind::Information, texts_.saveFailed + fileName, 0);
        return;
    }
    if (!OpenDocument(fileName, platform::Showing::Normal)) {
        Tell(texts_.zipOpenerFailed);
    }
    ShowMessage(core::MessageKind::Information, FillTemplate(texts_.finalInstructions, numbers), 0);
}

} // namespace dialogs
