// The global shortcuts of KDE Plasma 5.27 as a user meets them, on a test's own session bus and
// X server: the shortcut daemon (kglobalaccel5), which grabs the keys, the portal's KDE backend
// and the desktop portal itself.
#pragma once

#include "support/ChildProcess.h"
#include "support/TestFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class KdeShortcutStack {
  public:
    // Empty where the stack can run; else the program that is missing.
    static std::string Missing();

    // The user's shortcut settings (kglobalshortcutsrc) are read from folder's .config.
    KdeShortcutStack(const std::string& busAddress, const TestFolder& folder);
    ~KdeShortcutStack();
    // False when a part did not come up; Log() says what they wrote.
    bool Running() const { return running_; }
    std::string Log() const;

    // As the desktop's shortcut settings do: the action of the component gets the key (a Qt key
    // code with its modifiers).
    void Assign(const std::string& component, const std::string& action, int qtKey);
    // Keys as xdotool names them, pressed on the stack's X server.
    void Press(const std::string& keys);

  private:
    void Start(const std::string& program, const std::string& log);
    bool Owned(const std::string& name) const;

    const TestFolder& folder_;
    std::string busAddress_;
    std::string environment_;
    std::vector<std::unique_ptr<ChildProcess>> parts_;
    bool running_ = false;
};

} // namespace testing_support
