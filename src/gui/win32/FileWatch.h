// The folders of the followed files, watched through the system's folder change notifications.
// The program's message loops wait for them beside the messages, a dialog's included, so no
// thread has to: under Wine each thread keeps a megabyte of stack.
#pragma once

#include "dialogs/ConfigFollower.h"

#include <functional>
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

    HWND window_ = nullptr; // of the timer that checks again
    std::vector<HANDLE> notifications_;
    std::function<void()> changed_;
    std::function<void()> again_;
};

} // namespace win32face
