// Owners of kernel handles and registry keys, closed when they go out of scope.
#pragma once

#include <windows.h>

namespace nuvopick::win {

class TFileHandle {
 public:
  explicit TFileHandle(HANDLE handle) : handle_(handle) {}
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle() { Close(); }

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

class TRegKey {
 public:
  TRegKey() = default;
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;
  ~TRegKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }

  HKEY Get() const { return key_; }
  HKEY* Receive() { return &key_; }  // for the Reg*Ex calls that hand a key out

 private:
  HKEY key_ = nullptr;
};

}  // namespace nuvopick::win
