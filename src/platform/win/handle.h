// Owners of kernel handles and registry keys, closed when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace nuvopick::win {

// A file, a mutex or another kernel object; closed with CloseHandle.
class TKernelHandle {
 public:
  TKernelHandle() = default;
  explicit TKernelHandle(HANDLE handle) : handle_(handle) {}
  TKernelHandle(TKernelHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  TKernelHandle& operator=(TKernelHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  TKernelHandle(const TKernelHandle&) = delete;
  TKernelHandle& operator=(const TKernelHandle&) = delete;
  ~TKernelHandle() { Close(); }

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Close() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
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
