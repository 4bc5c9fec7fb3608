#include "dialogs/InfoTexts.h"

namespace dialogs {

namespace {

const InfoTexts kGerman{
    "vom ",
    "Version %f, auf dem Server ist %f.\rAktualisieren?",
    "ZIP Entpacker kann nicht geöffnet werden !",
    "Alles (*.*)|*.*",
    "Info über ",
    "Heruntergeladen %d von %d Bytes",
    "Installierte Version %f\rVersion auf dem Server %f\rBitte beenden Sie nun zuerst dieses "
    "Programm.\rDanach entpacken Sie nun die Dateien im Zip Archiv in ihr Programmverzeichnis",
    "Problem beim Verbinden mit dem Server",
    "Derzeit befindet sich keine aktuellere Version auf dem Server",
    "Das Archiv kann nicht gespeichert werden:\r",
    "Das heruntergeladene Archiv trägt keine gültige Signatur des Herstellers.\rEs wurde nicht "
    "gespeichert.",
    "&Neue Version",
    "&Homepage",
    "&Mail schreiben",
};

const InfoTexts kEnglish{
    "from : ",
    "Version %f, on the Server you find %f.\rdo you want to upgrade?",
    "ZIP Decompressor can not be started!",
    "Anything (*.*)|*.*",
    "Info about ",
    "%d of %d Bytes downloaded",
    "Installed version %f\rVersion on the Server %f\rPlease close now this program.\rafter that "
    "pleas unzip the files of the zip archive in the installation folder",
    "Error when connecting the server!",
    "You have the actual version installed!",
    "The archive could not be saved:\r",
    "The downloaded archive carries no valid signature of the maker.\rIt was not saved.",
    "&Get new version",
    "Visit &homepage",
    "Send &email",
};

} // namespace

int UserLanguage(int primaryLanguage) {
    return primaryLanguage == 7 ? 0 : primaryLanguage == 9 ? 1 : 2;
}

const InfoTexts& InfoTextsFor(int userLanguage) {
    return userLanguage == 0 ? kGerman : kEnglish;
}

std::string FillTemplate(const std::string& text, const std::vector<std::string>& values) {
    std::string filled;
    size_t next = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 'f' || text[i + 1] == 'd');
        if (placeholder && next < values.size()) {
            filled += values[next++];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace dialogs
