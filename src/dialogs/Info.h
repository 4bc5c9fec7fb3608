// The info dialog: the program's version, date and home page, the way to the home page and to
// a mail to the author, and the online update: the version file on the server against the
// running version, then the archive downloaded, saved where the user chooses and opened.
// Made per opening, shown modal.
#pragma once

#include "dialogs/DialogLogic.h"
#include "dialogs/InfoSystem.h"
#include "dialogs/InfoTexts.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dialogs {

class Tinfodialog : public DialogLogic {
  public:
    // Its control names.
    static constexpr ControlName kVersionlabel{"versionlabel"};
    static constexpr ControlName kDatumlabel{"datumlabel"};
    static constexpr ControlName kCopyrightlabel{"copyrightlabel"};
    static constexpr ControlName kHomepagelabel{"homepagelabel"};
    static constexpr ControlName kOkbut{"okbut"};
    static constexpr ControlName kGetnewversion{"getnewversion"};
    static constexpr ControlName kHomepagebut{"homepagebut"};
    static constexpr ControlName kEmailbut{"emailbut"};
    static constexpr ControlName kStatusBar{"StatusBar"};

    // Runs FormCreate.
    Tinfodialog(core::ProgramState& state, ViewFactory& views);

    // The German or the English layout.
    static const DialogLayout& Form(int userLanguage);

    void Okbutclick();
    void Homepagebutclick();
    void Emailbutclick();
    void Getnewversionclick();
    void HttpWork(std::int64_t AWorkCount);
    // While a transfer runs, Escape and the close box cancel it; the dialog closes once it has
    // ended, and nothing is saved.
    void CloseRequested() override;

    std::string Zipname;

  protected:
    void FormShow() override;

  private:
    // The layout's language is the system's, so the system is read before the base is made.
    Tinfodialog(core::ProgramState& state, ViewFactory& views, InfoSystem system);
    void FormCreate();
    // The server's number; nothing when the version file cannot be fetched or read.
    std::optional<double> ServerVersion(integration::HttpClient& http, const std::string& url);
    // The archive, or nothing when it could not be fetched.
    std::optional<std::string> Download(integration::HttpClient& http, const std::string& url);
    std::unique_ptr<integration::HttpClient> SmallFileClient() const;
    // Whether the signature beside the archive on the server is the release key's.
    bool SignedByTheMaker(const std::string& archive, const std::string& url);
    void Tell(const char* text);
    // The buttons are off while a transfer runs, so that no click starts another.
    void SetTransferring(bool transferring);
    // Lets the interface handle its messages while a transfer runs; false once it is cancelled.
    bool KeepTransferring();
    // Closes the dialog when the user cancelled the transfer that just ended.
    bool ClosedByCancel();
    std::string Shown(double version) const;

    const InfoSystem system_;
    const InfoTexts& texts_;
    bool transferring_ = false;
    bool cancelled_ = false;
    std::int64_t Filelen = 0;
    std::string Version;
    std::string Homepage;
    std::string Mailadresse;
};

} // namespace dialogs
