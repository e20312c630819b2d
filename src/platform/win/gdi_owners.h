// Owners of GDI and USER objects, released when they go out of scope, and the
// few helpers that make and measure fonts.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "platform/dpi_scale.h"

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

// Fonts, bitmaps, brushes, pens and regions: deleted with DeleteObject.
template <typename Handle>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(Handle handle) : handle_(handle) {}
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(nullptr); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using TFont = TGdiObject<HFONT>;
using TBitmap = TGdiObject<HBITMAP>;
using TBrush = TGdiObject<HBRUSH>;
using TPen = TGdiObject<HPEN>;

// A menu with its items, destroyed with DestroyMenu.
class TMenu {
 public:
  TMenu() = default;
  explicit TMenu(HMENU menu) : menu_(menu) {}
  TMenu(TMenu&& other) noexcept : menu_(std::exchange(other.menu_, nullptr)) {}
  TMenu& operator=(TMenu&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.menu_, nullptr));
    return *this;
  }
  TMenu(const TMenu&) = delete;
  TMenu& operator=(const TMenu&) = delete;
  ~TMenu() { Reset(nullptr); }

  HMENU Get() const { return menu_; }
  explicit operator bool() const { return menu_ != nullptr; }
  void Reset(HMENU menu) {
    if (menu_ != nullptr) DestroyMenu(menu_);
    menu_ = menu;
  }

 private:
  HMENU menu_ = nullptr;
};

// The screen's device context for one scope.
class TScreenDc {
 public:
  TScreenDc() : dc_(GetDC(nullptr)) {}
  TScreenDc(const TScreenDc&) = delete;
  TScreenDc& operator=(const TScreenDc&) = delete;
  ~TScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context like another one, for one scope.
class TMemoryDc {
 public:
  explicit TMemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  ~TMemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a device context for one scope, and the previous one back.
class TSelected {
 public:
  TSelected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  TSelected(const TSelected&) = delete;
  TSelected& operator=(const TSelected&) = delete;
  ~TSelected() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The screen's pixels per logical inch, upwards: what turns points into pixels.
int ScreenPixelsPerInch();

// A font of Points in the given face, styles and character set, as the screen shows it.
TFont CreatePointFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                      bool strikeOut, int charSet);
// The same font for a window drawn at Dpi, which may be another monitor's than the screen's.
TFont CreatePointFont(const std::string& face, int points, bool bold, bool italic, bool underline,
                      bool strikeOut, int charSet, const TDpiScale& dpi);

// The size of Text written in Font.
SIZE MeasureText(HFONT font, const std::string& text);

}  // namespace nuvopick::win
