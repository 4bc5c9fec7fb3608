// The folders of the followed files, watched through the system's folder change notifications:
// a thread waits for them and posts each to a message-only window, so that the change reaches
// the logic from whatever message loop runs, a modal one included.
#pragma once

#include "dialogs/ConfigFollower.h"

#include <functional>
#include <thread>
#include <vector>

#include <windows.h>

namespace win32face {

class FileWatch : public dialogs::FileWatch {
  public:
    static constexpr const wchar_t* kClassName = L"TippomatFileWatch";

    FileWatch();
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    void Follow(const std::vector<std::string>& files, std::function<void()> changed,
                std::function<void()> again) override;
    void CheckAgainSoon() override;

    HWND Handle() const { return window_; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Stop();
    void Wait(); // the thread: every notification becomes a message

    HWND window_ = nullptr;
    HANDLE stop_ = nullptr;
    std::vector<HANDLE> notifications_;
    std::thread thread_;
    std::function<void()> changed_;
    std::function<void()> again_;
};

} // namespace win32face
