#include "dialogs/Info.h"

#include "integration/BuildSettings.h"
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

// The places are given at 120 dots per inch; the layout holds them at 96.
int At96(int pixels) {
    return (pixels * 4 + 2) / 5;
}

ControlLayout Placed(const char* name, ControlKind kind, int left, int top, int width, int height,
                     std::string caption, const char* hint) {
    ControlLayout control{name,        kind,         At96(left),        At96(top),
                          At96(width), At96(height), std::move(caption)};
    control.hint = hint;
    control.helpContext = kHelpContext;
    return control;
}

DialogLayout MakeLayout(int userLanguage) {
    const InfoTexts& texts = InfoTextsFor(userLanguage);
    DialogLayout form{"infodialog",
                      std::string(texts.captionPrefix) + kApplicationTitle,
                      FrameKind::Dialog,
                      At96(501),
                      At96(191),
                      kHelpContext,
                      {}};
    // The labels take the width of their texts, which are set when the dialog is shown.
    const int labelWidth = At96(501 - 38 - 8);
    form.controls = {
        Placed("versionlabel", ControlKind::Label, 38, 9, 0, 18, "",
               "Version|Geben Sie diese Informationen bei Kontaktaufnahme an"),
        Placed("datumlabel", ControlKind::Label, 38, 37, 0, 18, "",
               "Erstelldatum|Speicherdatum dieser Version"),
        Placed("copyrightlabel", ControlKind::Label, 38, 62, 0, 18,
               "Copyright © Orvanta, Autor des Tippomat",
               "Urheber|Der Programmierer dieses Programmes"),
        Placed("homepagelabel", ControlKind::Label, 38, 90, 0, 18, "",
               "Homepage|Die Homepage mit interessanten Themen"),
        Placed("okbut", ControlKind::Button, 6, 124, 75, 36, "&OK", "Ok|Schließt diesen Dialog"),
        Placed("getnewversion", ControlKind::Button, 96, 124, 121, 36, texts.getNewVersionCaption,
               "Download|Holt eine neue Version dieses Programmes über das Internet"),
        Placed("homepagebut", ControlKind::Button, 228, 124, 110, 36, texts.homepageCaption,
               "Homepage|Ruft den Webbrowser mit der Homepage des Autors auf"),
        Placed("emailbut", ControlKind::Button, 354, 124, 120, 36, texts.emailCaption,
               "E-Mail|Sztartet ihrMailprogramm zum schreiben einer Mail an den Autor"),
        Placed("StatusBar", ControlKind::StatusBar, 0, 191 - 19, 501, 19, "",
               "Status|Fortschritt des Downloads"),
    };
    for (int i = 0; i < 4; ++i) {
        form.controls[i].width = labelWidth;
    }
    const int tabOrders[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        form.controls[4 + i].tabOrder = tabOrders[i];
    }
    form.controls[4].isDefault = true;
    form.controls[8].dock = Dock::Bottom;
    form.controls[8].helpContext = 0;
    return form;
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

InfoSystem::InfoSystem()
    : version(integration::RunningProgramVersion()),
      primaryLanguage(platform::UserPrimaryLanguage()),
      downloadFolder(integration::build::kDownloadFolder), homepage(integration::build::kHomepage),
      mailAddress(integration::build::kMailAddress),
      releaseKey(integration::FromHex(integration::build::kReleaseKey).value_or("")),
      open([](const std::string& file) { return platform::ShellOpen(file, "", ""); }) {}

const DialogLayout& Tinfodialog::Form(int userLanguage) {
    static const DialogLayout german = MakeLayout(0);
    static const DialogLayout english = MakeLayout(1);
    return userLanguage == 0 ? german : english;
}

Tinfodialog::Tinfodialog(core::ProgramState& state, ViewFactory& views, InfoSystem system)
    : DialogLogic(state, views, Form(UserLanguage(system.primaryLanguage))),
      system_(std::move(system)), texts_(InfoTextsFor(UserLanguage(system_.primaryLanguage))) {
    OnClick("okbut", [this] { Okbutclick(); });
    OnClick("getnewversion", [this] { Getnewversionclick(); });
    OnClick("homepagebut", [this] { Homepagebutclick(); });
    OnClick("emailbut", [this] { Emailbutclick(); });
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
    view_.SetText("versionlabel", "Version : " + Version + " (" +
                                      std::to_string(integration::kWordSizeBits) + " Bit)");
    view_.SetText("homepagelabel", "Homepage: " + Homepage);
    view_.SetText("datumlabel",
                  texts_.datePrefix + platform::FileDateText(state_.location.ProgramPath));
}

void Tinfodialog::Okbutclick() {
    Close(Closed::Ok);
}

void Tinfodialog::Homepagebutclick() {
    system_.open(Homepage);
}

void Tinfodialog::Emailbutclick() {
    system_.open(MailtoAddress(Mailadresse));
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
    for (const char* button : {"okbut", "getnewversion", "homepagebut", "emailbut"}) {
        view_.SetEnabled(button, !transferring);
    }
}

void Tinfodialog::HttpWork(std::int64_t AWorkCount) {
    view_.SetText("StatusBar", FillTemplate(texts_.progress,
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
    const std::optional<std::string> chosen =
        view_.AskPath({PathKind::SaveFile, "", texts_.saveFilter, "zip",
                       platform::ChangeExtension(state_.location.ProgramPath, ".zip")});
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
    if (!system_.open(fileName)) {
        Tell(texts_.zipOpenerFailed);
    }
    ShowMessage(core::MessageKind::Information, FillTemplate(texts_.finalInstructions, numbers), 0);
}

} // namespace dialogs
