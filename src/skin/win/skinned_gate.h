// The gate window drawn with a skin: the composed frame and background as system
// bitmaps, the two fonts, and the drawing of the frame and of each row.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/win/gdi_owners.h"
#include "skin/skin_composition.h"
#include "skin/skin_settings.h"

namespace nuvopick::win {

class TSkinnedGate {
 public:
  // Reads the skin and composes the window for Rows at Dpi: the images enlarged
  // by its whole factor, the fonts made for it, room for the icon column of
  // Icons. Nothing when the skin is not usable or cannot be composed: the window
  // is then built without it.
  static std::unique_ptr<TSkinnedGate> Compose(const IFileSystem& files,
                                               const std::string& skinPath,
                                               const std::string& currentFontName,
                                               int currentFontSize,
                                               const std::vector<std::string>& rows,
                                               const TRowIconLayout& icons, const TDpiScale& dpi);

  const TSkinLayout& Layout() const { return layout_; }
  HFONT ItemFont() const { return itemFont_.Get(); }

  // Cuts the window to the frame's outline; the window owns the region then.
  bool ApplyRegion(HWND window) const;
  void PaintFrame(HDC dc) const;
  // One row of the owner-drawn list, which holds RowCount rows, with its icon
  // when it has one.
  void DrawItem(const DRAWITEMSTRUCT& item, const std::string& text, HICON icon,
                int rowCount) const;

 private:
  TSkinnedGate() = default;

  TSkinSettings skin_;
  TSkinLayout layout_;
  int textIndent_ = kSkinTextIndent;
  TRowIconLayout icons_;
  TPixelImage frameImage_;
  TBitmap frame_;
  TBitmap background_;
  TFont itemFont_;
  TFont selFont_;
};

}  // namespace nuvopick::win
