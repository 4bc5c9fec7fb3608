// A control's name as a dialog's logic writes it: one constant per control, which the layout
// and the handlers both take, so that a name is spelt once. It is also the control's INI key.
#pragma once

#include <string>

namespace dialogs {

class ControlName {
  public:
    constexpr explicit ControlName(const char* name) : name_(name) {}

    // The views and the form state take names as text.
    operator std::string() const { return name_; }
    const char* c_str() const { return name_; }

  private:
    const char* name_;
};

} // namespace dialogs
