// The settings hub as the launcher and its tray menu reach it; its logic stands in
// dialogs/Hauptformular.h.
#pragma once

namespace core {

// What the settings hub does for the tray menu: each is one of its buttons.
enum class HubAction { Edit, Appearance, Install, SwitchDrive, Admin, Information, Help };

// The settings hub as the launcher reaches it: shown from the menu, which runs its actions.
class Hauptformular {
  public:
    // Shown, or brought to the front when it is.
    virtual void Show() = 0;
    virtual void Run(HubAction action) = 0;

  protected:
    ~Hauptformular() = default;
};

} // namespace core
