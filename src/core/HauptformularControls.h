// The settings hub's control names: its logic and the tray menu, which runs its buttons, say
// them alike. Each name is also the control's INI key.
#pragma once

namespace core::hauptformular {

inline constexpr char kInstallbutton[] = "installbutton";
inline constexpr char kAdmibutton[] = "admibutton";
inline constexpr char kInfobut[] = "infobut";
inline constexpr char kLaufwerkbut[] = "laufwerkbut";
inline constexpr char kEditbutton[] = "editbutton";
inline constexpr char kAussehenbut[] = "aussehenbut";
inline constexpr char kOkbut[] = "okbut";
inline constexpr char kClosebut[] = "Closebut";
inline constexpr char kHelpBut[] = "HelpBut";
inline constexpr char kPortableModus[] = "PortableModus";
inline constexpr char kKuerzel[] = "kuerzel";

} // namespace core::hauptformular
