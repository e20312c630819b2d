// Owners of GDI and USER objects, released when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace nuvopick::win {

class TIcon {
 public:
  TIcon() = default;
  explicit TIcon(HICON icon) : icon_(icon) {}
  TIcon(TIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  TIcon& operator=(TIcon&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.icon_, nullptr));
    return *this;
  }
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  ~TIcon() { Reset(nullptr); }

  HICON Get() const { return icon_; }
  explicit operator bool() const { return icon_ != nullptr; }
  void Reset(HICON icon) {
    if (icon_ != nullptr) DestroyIcon(icon_);
    icon_ = icon;
  }

 private:
  HICON icon_ = nullptr;
};

}  // namespace nuvopick::win
