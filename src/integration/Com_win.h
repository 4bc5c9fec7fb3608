// COM for the shell's objects: initialised for a scope, and an interface pointer released when
// it goes.
#pragma once

#include <objbase.h>
#include <shlobj.h>

namespace integration {

// COM for this thread as long as the scope lasts, unless the thread has it already.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

template <typename Interface> class ComPointer {
  public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    Interface* operator->() const { return pointer_; }
    Interface& operator*() const { return *pointer_; }
    Interface* Get() const { return pointer_; }
    Interface** Out() { return &pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

  private:
    Interface* pointer_ = nullptr;
};

// A new shell link and its file side; false when the shell offers none.
inline bool NewShellLink(ComPointer<IShellLinkW>& link, ComPointer<IPersistFile>& file) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(link.Out()))) &&
           link &&
           SUCCEEDED(
               link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) &&
           file;
}

} // namespace integration
