// The user's autostart folder moved into a test folder for as long as the object lives.
#pragma once

#include "support/TestFolder.h"

#include <memory>
#include <string>

namespace testing_support {

class AutostartFolder {
  public:
    explicit AutostartFolder(const TestFolder& folder);
    ~AutostartFolder();
    AutostartFolder(const AutostartFolder&) = delete;
    AutostartFolder& operator=(const AutostartFolder&) = delete;

    // Where the autostart entry of that program file goes.
    std::string EntryFor(const std::string& program) const;
    // From now on no entry can be written there.
    void Break();

  private:
    struct Setting;
    std::unique_ptr<Setting> setting_;
    std::string folder_;
};

} // namespace testing_support
